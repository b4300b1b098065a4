#include "dictionary/fileio.h"

#include <cstring>
#include <new>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "common/replacefile.h"
#include "dictionary/readahead.h"

struct DataFile {
    FILE *stream;
    bool failed;         // a read or write of ours failed
    ReadAhead *ahead;    // a store read in blocks of its own; null for stdio's buffer
};

// A store is read a record, a word or a level at a time, and written a
// record at a time.  msvcrt pays more for each call into the system than for
// a copy, and its seek (as glibc's) throws its buffer away: so a store read
// for a scan is read 256 KB at a time into a block of its own
// (dictionary/readahead.h), from which a skip costs nothing.  The host build
// reads the same way, so its tests run the path that ships.  Everything else
// goes through a 64 KB stream buffer.
static const size_t STREAMBUFFER = 65536;

// The block a store opened in mode is read ahead into; null for a file not
// opened to be read in binary (or when there is no memory for the block).
static ReadAhead *newreadahead(const char *mode)
{
    if (strchr(mode, 'b') == nullptr || mode[0] != 'r') return nullptr;
    ReadAhead *ahead = new (std::nothrow) ReadAhead;
    if (ahead) startahead(ahead);
    return ahead;
}

DataFile *fileopen(const char *path, const char *mode)
{
    FILE *stream = fopen(path, mode);
    if (!stream) return nullptr;
    ReadAhead *ahead = newreadahead(mode);
    if (ahead)
        setvbuf(stream, nullptr, _IONBF, 0);
    else
        setvbuf(stream, nullptr, _IOFBF, STREAMBUFFER);
    DataFile *f = new DataFile;
    f->stream = stream;
    f->failed = false;
    f->ahead = ahead;
    return f;
}

static size_t readbytes(DataFile *f, void *buffer, size_t size)
{
    return f->ahead ? readahead(f->ahead, f->stream, buffer, size) : fread(buffer, 1, size, f->stream);
}

// Before the stream is moved or written: it stands ahead of the reader by
// what the block still holds.
static bool dropblock(DataFile *f)
{
    return f->ahead == nullptr || dropahead(f->ahead, f->stream);
}

size_t fileread(DataFile *f, void *buffer, size_t size)
{
    return readbytes(f, buffer, size);
}

size_t filewrite(DataFile *f, const void *buffer, size_t size)
{
    if (!dropblock(f)) {
        f->failed = true;
        return 0;
    }
    size_t done = fwrite(buffer, 1, size, f->stream);
    if (done != size) f->failed = true;
    return done;
}

bool fileskip(DataFile *f, size_t size)
{
    if (f->ahead) return skipahead(f->ahead, f->stream, size);
    return size <= 0x7fffffff && fseek(f->stream, (long)size, SEEK_CUR) == 0;
}

size_t filereadmore(DataFile *f, size_t skip, void *buffer, size_t size)
{
    if (skip > 0 && !fileskip(f, skip)) return 0;
    return readbytes(f, buffer, size);
}

bool filereadline(DataFile *f, char *buffer, int size)
{
    if (!dropblock(f)) return false;
    return fgets(buffer, size, f->stream) != nullptr;
}

bool fileseek(DataFile *f, long offset, int whence)
{
    if (!dropblock(f)) return false;
    return fseek(f->stream, offset, whence) == 0;
}

bool fileflush(DataFile *f)
{
    if (fileerror(f) || fflush(f->stream) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(f->stream)) == 0;
#else
    return fsync(fileno(f->stream)) == 0;
#endif
}

bool fileerror(DataFile *f)
{
    return f->failed || ferror(f->stream);
}

bool fileclose(DataFile *f)
{
    bool ok = !fileerror(f);
    if (fclose(f->stream) != 0) ok = false;
    delete f->ahead;
    delete f;
    return ok;
}

bool filesize(const char *path, long long *size)
{
#ifdef _WIN32
    struct _stati64 status;
    if (_stati64(path, &status) != 0) return false;
#else
    struct stat status;
    if (stat(path, &status) != 0) return false;
#endif
    *size = (long long)status.st_size;
    return true;
}

bool filereplace(const char *source, const char *target)
{
    return replacefile(source, target);
}

bool fileremove(const char *path)
{
    return remove(path) == 0;
}
