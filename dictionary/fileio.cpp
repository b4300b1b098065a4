#include "dictionary/fileio.h"

#include <cstring>
#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "dictionary/filefaults.h"

struct DataFile {
    FILE *stream;
    bool faulty;  // tests: this file is the one faults are aimed at
    bool failed;  // a read or write of ours failed
};

#ifdef VANTREL_FAULTS
FileFaults filefaults = {nullptr, false, 0, 0, 0, -1, false, false, 0, 0, 0};

void clearfilefaults()
{
    memset(&filefaults, 0, sizeof filefaults);
    filefaults.writelimit = -1;
}

static bool aimedat(const char *path)
{
    return filefaults.path == nullptr || strcmp(filefaults.path, path) == 0;
}
#endif

// A store opened for reading is read a record, a word or a level at a time.
// glibc reads each of those straight into the caller's record, and a skip is
// then only a seek; so the stream has no buffer, and no byte is copied twice.
// msvcrt pays more for each call into the system than for a copy, and its
// seek throws its buffer away: there the stream reads 64 KB at a time and a
// skip reads through the buffer.  Text and new stores are read and written
// 64 KB at a time on both.
static const size_t STREAMBUFFER = 65536;

static void setscanbuffer(FILE *stream, const char *mode)
{
    bool binary = strchr(mode, 'b') != nullptr;
    bool reads = mode[0] == 'r';
#ifdef _WIN32
    (void)binary;
    (void)reads;
    setvbuf(stream, nullptr, _IOFBF, STREAMBUFFER);
#else
    if (binary && reads)
        setvbuf(stream, nullptr, _IONBF, 0);
    else
        setvbuf(stream, nullptr, _IOFBF, STREAMBUFFER);
#endif
}

DataFile *fileopen(const char *path, const char *mode)
{
    bool faulty = false;
#ifdef VANTREL_FAULTS
    if (aimedat(path)) {
        faulty = true;
        ++filefaults.opens;
        if (filefaults.failopen == filefaults.opens) return nullptr;
        if (filefaults.readonly && (strchr(mode, 'w') || strchr(mode, 'a') || strchr(mode, '+')))
            return nullptr;
    }
#endif
    FILE *stream = fopen(path, mode);
    if (!stream) return nullptr;
    setscanbuffer(stream, mode);
    DataFile *f = new DataFile;
    f->stream = stream;
    f->faulty = faulty;
    f->failed = false;
    return f;
}

size_t fileread(DataFile *f, void *buffer, size_t size)
{
#ifdef VANTREL_FAULTS
    if (f->faulty && ++filefaults.reads == filefaults.failread) {
        f->failed = true;
        return 0;
    }
#endif
    return fread(buffer, 1, size, f->stream);
}

size_t filewrite(DataFile *f, const void *buffer, size_t size)
{
#ifdef VANTREL_FAULTS
    if (f->faulty) {
        if (++filefaults.writes == filefaults.failwrite) {
            f->failed = true;
            return 0;
        }
        if (filefaults.writelimit >= 0 && (long long)size > filefaults.writelimit) {
            size_t part = (size_t)filefaults.writelimit;
            filefaults.writelimit = 0;
            f->failed = true;
            size_t done = fwrite(buffer, 1, part, f->stream);
            fflush(f->stream);
            void (*atstop)() = filefaults.atstop;
            filefaults.atstop = nullptr;
            if (atstop) atstop();
            return done;
        }
        if (filefaults.writelimit >= 0) filefaults.writelimit -= (long long)size;
    }
#endif
    size_t done = fwrite(buffer, 1, size, f->stream);
    if (done != size) f->failed = true;
    return done;
}

bool fileskip(DataFile *f, size_t size)
{
#ifdef _WIN32
    static char passed[4096];
    while (size > 0) {
        size_t part = size < sizeof passed ? size : sizeof passed;
        if (fread(passed, 1, part, f->stream) != part) return !ferror(f->stream);
        size -= part;
    }
    return true;
#else
    return size <= 0x7fffffff && fseek(f->stream, (long)size, SEEK_CUR) == 0;
#endif
}

size_t filereadmore(DataFile *f, size_t skip, void *buffer, size_t size)
{
    if (skip > 0 && !fileskip(f, skip)) return 0;
    return fread(buffer, 1, size, f->stream);
}

bool filereadline(DataFile *f, char *buffer, int size)
{
#ifdef VANTREL_FAULTS
    if (f->faulty && ++filefaults.reads == filefaults.failread) {
        f->failed = true;
        return false;
    }
#endif
    return fgets(buffer, size, f->stream) != nullptr;
}

bool fileseek(DataFile *f, long offset, int whence)
{
    return fseek(f->stream, offset, whence) == 0;
}

bool fileerror(DataFile *f)
{
    return f->failed || ferror(f->stream);
}

bool fileclose(DataFile *f)
{
    bool ok = !fileerror(f);
    if (fclose(f->stream) != 0) ok = false;
#ifdef VANTREL_FAULTS
    if (f->faulty && filefaults.failclose) ok = false;
#endif
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
#ifdef VANTREL_FAULTS
    // a read-only target cannot be replaced either
    if (aimedat(target) && (filefaults.failreplace || filefaults.readonly)) return false;
#endif
#ifdef _WIN32
    return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return rename(source, target) == 0;
#endif
}

bool fileremove(const char *path)
{
    return remove(path) == 0;
}
