#include "dictionary/fileio.h"

#include <cstring>
#include <new>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "common/fileview.h"
#include "common/replacefile.h"
#include "dictionary/filefaults.h"
#include "dictionary/readahead.h"

struct DataFile {
    FILE *stream;
    bool faulty;         // tests: this file is the one faults are aimed at
    bool failed;         // a read or write of ours failed
    ReadAhead *ahead;    // a store read in blocks of its own; null for stdio's buffer
    FileView *view;      // a store read for a scan, through a view of it; null for none
    bool viewable;       // a view may still be made, at the first read
};

#ifdef VANTREL_FAULTS
FileFaults filefaults = {{}, false, -1, false, false, false, 0, 0, nullptr};

void clearfilefaults()
{
    memset(&filefaults, 0, sizeof filefaults);
    filefaults.writelimit = -1;
}

static bool aimedat(const char *path)
{
    return faultaimedat(filefaults, path);
}

// Counts a call on f and tells whether it fails; a failed call marks the file.
static bool strikes(DataFile *f, int *count, int nth)
{
    if (!f->faulty || !faultstrikes(filefaults, count, nth)) return false;
    f->failed = true;
    return true;
}
#endif

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
    bool faulty = false;
#ifdef VANTREL_FAULTS
    if (aimedat(path)) {
        faulty = true;
        if (faultstrikes(filefaults, &filefaults.opens, filefaults.failopen)) return nullptr;
        if (filefaults.readonly && (strchr(mode, 'w') || strchr(mode, 'a') || strchr(mode, '+')))
            return nullptr;
    }
#endif
    FILE *stream = fopen(path, mode);
    if (!stream) return nullptr;
    ReadAhead *ahead = newreadahead(mode);
    if (ahead)
        setvbuf(stream, nullptr, _IONBF, 0);
    else
        setvbuf(stream, nullptr, _IOFBF, STREAMBUFFER);
    DataFile *f = new DataFile;
    f->stream = stream;
    f->faulty = faulty;
    f->failed = false;
    f->ahead = ahead;
    f->view = nullptr;
    f->viewable = fileviews && ahead != nullptr && strchr(mode, '+') == nullptr;
    return f;
}

// A store opened only to be read can be read through a view of it, made at
// its first read (common/fileview.h says where views are made); without one,
// or when the view gives way, through the stream, which then stands where the
// view stood.
static bool startview(DataFile *f)
{
    if (f->viewable) f->view = viewopen(f->stream);
    f->viewable = false;
    return f->view != nullptr;
}

static bool leaveview(DataFile *f)
{
    f->viewable = false;
    bool ok = f->view == nullptr || viewclose(f->view, f->stream);
    f->view = nullptr;
    if (!ok) f->failed = true;
    return ok;
}

static size_t readbytes(DataFile *f, void *buffer, size_t size)
{
    size_t got = 0;
    ViewRead how = startview(f) ? viewread(f->view, buffer, size, &got) : VIEWGONE;
    if (how == VIEWREAD) return got;
    if (how == VIEWFAILED) {
        f->failed = true;
        return 0;
    }
    if (!leaveview(f)) return 0;
    return f->ahead ? readahead(f->ahead, f->stream, buffer, size) : fread(buffer, 1, size, f->stream);
}

size_t fileread(DataFile *f, void *buffer, size_t size)
{
#ifdef VANTREL_FAULTS
    if (strikes(f, &filefaults.reads, filefaults.failread)) return 0;
#endif
    return readbytes(f, buffer, size);
}

size_t filewrite(DataFile *f, const void *buffer, size_t size)
{
    // the stream stands ahead of the reader by what the block still holds
    if (!leaveview(f) || (f->ahead && !dropahead(f->ahead, f->stream))) {
        f->failed = true;
        return 0;
    }
#ifdef VANTREL_FAULTS
    if (f->faulty) {
        if (strikes(f, &filefaults.writes, filefaults.failwrite)) return 0;
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
#ifdef VANTREL_FAULTS
    if (strikes(f, &filefaults.skips, filefaults.failskip)) return false;
#endif
    if (startview(f)) {
        viewskip(f->view, size);
        return true;
    }
    if (f->ahead) return skipahead(f->ahead, f->stream, size);
    return size <= 0x7fffffff && fseek(f->stream, (long)size, SEEK_CUR) == 0;
}

size_t filereadmore(DataFile *f, size_t skip, void *buffer, size_t size)
{
    if (skip > 0 && !fileskip(f, skip)) return 0;
#ifdef VANTREL_FAULTS
    if (strikes(f, &filefaults.parts, filefaults.failpart)) return 0;
#endif
    return readbytes(f, buffer, size);
}

bool filereadline(DataFile *f, char *buffer, int size)
{
#ifdef VANTREL_FAULTS
    if (strikes(f, &filefaults.reads, filefaults.failread)) return false;
#endif
    if (!leaveview(f) || (f->ahead && !dropahead(f->ahead, f->stream))) return false;
    return fgets(buffer, size, f->stream) != nullptr;
}

bool fileseek(DataFile *f, long offset, int whence)
{
    if (!leaveview(f) || (f->ahead && !dropahead(f->ahead, f->stream))) return false;
    return fseek(f->stream, offset, whence) == 0;
}

bool fileflush(DataFile *f)
{
#ifdef VANTREL_FAULTS
    if (f->faulty) {
        ++filefaults.flushes;
        if (filefaults.failflush) return false;
    }
#endif
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
    if (f->view) viewclose(f->view, nullptr);
    if (fclose(f->stream) != 0) ok = false;
#ifdef VANTREL_FAULTS
    if (f->faulty && filefaults.failclose) ok = false;
#endif
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
#ifdef VANTREL_FAULTS
    // a read-only target cannot be replaced either
    if (aimedat(target)) {
        if (filefaults.failreplace || filefaults.readonly) return false;
        filefaults.flushesatreplace = filefaults.flushes;
    }
#endif
    return replacefile(source, target);
}

bool fileremove(const char *path)
{
    return remove(path) == 0;
}
