#include "inst/files.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#endif

struct SetupFile {
    FILE *stream;
    bool faulty;  // tests: the file the faults are aimed at
    bool failed;  // a read or write came up short
};

enum { NATIVEPATHSIZE = 512 };

// The path in the host's own form; false when it does not fit.
static bool nativepath(const char *path, char *out)
{
    size_t length = strnlen(path, NATIVEPATHSIZE);
    if (length >= NATIVEPATHSIZE) return false;
    memcpy(out, path, length + 1);
#ifndef _WIN32
    for (size_t i = 0; i < length; ++i)
        if (out[i] == '\\') out[i] = '/';
#endif
    return true;
}

#ifdef SETUP_FAULTS
SetupFaults setupfaults = {nullptr, 0, 0, 0, 0, false, false, 0, 0, 0};

void clearsetupfaults() { memset(&setupfaults, 0, sizeof setupfaults); }

static bool aimedat(const char *path)
{
    return setupfaults.path == nullptr || strcmp(setupfaults.path, path) == 0;
}
#endif

SetupFile *sfopen(const char *path, const char *mode)
{
    bool faulty = false;
#ifdef SETUP_FAULTS
    if (aimedat(path)) {
        faulty = true;
        if (++setupfaults.opens == setupfaults.failopen) return nullptr;
    }
#endif
    char native[NATIVEPATHSIZE];
    if (!nativepath(path, native)) return nullptr;
    FILE *stream = fopen(native, mode);
    if (stream == nullptr) return nullptr;
    // 64 KB to each call into the system, not the default 4 KB: the archive
    // and the files it holds are read and written from end to end
    setvbuf(stream, nullptr, _IOFBF, 65536);
    SetupFile *f = new SetupFile;
    f->stream = stream;
    f->faulty = faulty;
    f->failed = false;
    return f;
}

size_t sfread(SetupFile *f, void *buffer, size_t size)
{
#ifdef SETUP_FAULTS
    if (f->faulty) {
        ++setupfaults.reads;
        if (setupfaults.reads == setupfaults.failread) {
            f->failed = true;
            return 0;
        }
        if (setupfaults.reads == setupfaults.shortread) {
            f->failed = true;
            return fread(buffer, 1, size / 2, f->stream);
        }
    }
#endif
    return fread(buffer, 1, size, f->stream);
}

size_t sfwrite(SetupFile *f, const void *buffer, size_t size)
{
#ifdef SETUP_FAULTS
    if (f->faulty && ++setupfaults.writes == setupfaults.failwrite) {
        f->failed = true;
        return 0;
    }
#endif
    size_t done = fwrite(buffer, 1, size, f->stream);
    if (done != size) f->failed = true;
    return done;
}

bool sfskip(SetupFile *f, long long bytes)
{
    if (bytes < 0) return false;
#ifdef _WIN32
    return _fseeki64(f->stream, bytes, SEEK_CUR) == 0;
#else
    return fseeko(f->stream, (off_t)bytes, SEEK_CUR) == 0;
#endif
}

long long sflength(SetupFile *f)
{
#ifdef _WIN32
    long long here = _ftelli64(f->stream);
    if (here < 0 || _fseeki64(f->stream, 0, SEEK_END) != 0) return -1;
    long long end = _ftelli64(f->stream);
    if (_fseeki64(f->stream, here, SEEK_SET) != 0) return -1;
#else
    long long here = (long long)ftello(f->stream);
    if (here < 0 || fseeko(f->stream, 0, SEEK_END) != 0) return -1;
    long long end = (long long)ftello(f->stream);
    if (fseeko(f->stream, (off_t)here, SEEK_SET) != 0) return -1;
#endif
    return end;
}

bool sfclose(SetupFile *f)
{
    bool ok = !f->failed && !ferror(f->stream);
    if (fclose(f->stream) != 0) ok = false;
#ifdef SETUP_FAULTS
    if (f->faulty && setupfaults.failclose) ok = false;
#endif
    delete f;
    return ok;
}

bool sfremove(const char *path)
{
    char native[NATIVEPATHSIZE];
    return nativepath(path, native) && remove(native) == 0;
}

bool makefolder(const char *folder)
{
#ifdef SETUP_FAULTS
    if (setupfaults.failfolder) return false;
#endif
#ifdef _WIN32
    CreateDirectoryA(folder, nullptr);
    DWORD attributes = GetFileAttributesA(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
#else
    char native[NATIVEPATHSIZE];
    if (!nativepath(folder, native)) return false;
    mkdir(native, 0777);
    struct stat status;
    return stat(native, &status) == 0 && S_ISDIR(status.st_mode);
#endif
}
