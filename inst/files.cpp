#include "inst/files.h"

#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#include <io.h>
#else
#include <cstdlib>
#include <unistd.h>
#endif

#include "common/text.h"

struct SetupFile {
    FILE *stream;
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

SetupFile *sfopen(const char *path, const char *mode)
{
    char native[NATIVEPATHSIZE];
    if (!nativepath(path, native)) return nullptr;
    FILE *stream = fopen(native, mode);
    if (stream == nullptr) return nullptr;
    // 64 KB to each call into the system, not the default 4 KB: the archive
    // and the files it holds are read and written from end to end
    setvbuf(stream, nullptr, _IOFBF, 65536);
    SetupFile *f = new SetupFile;
    f->stream = stream;
    f->failed = false;
    return f;
}

size_t sfread(SetupFile *f, void *buffer, size_t size)
{
    return fread(buffer, 1, size, f->stream);
}

size_t sfwrite(SetupFile *f, const void *buffer, size_t size)
{
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
    delete f;
    return ok;
}

bool sfremove(const char *path)
{
    char native[NATIVEPATHSIZE];
    return nativepath(path, native) && remove(native) == 0;
}

bool sfsync(SetupFile *f)
{
    if (f->failed || ferror(f->stream) || fflush(f->stream) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(f->stream)) == 0;
#else
    return fsync(fileno(f->stream)) == 0;
#endif
}

bool sfreplace(const char *source, const char *target)
{
    char from[NATIVEPATHSIZE];
    char to[NATIVEPATHSIZE];
    if (!nativepath(source, from) || !nativepath(target, to)) return false;
#ifdef _WIN32
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return rename(from, to) == 0;
#endif
}

bool makefolder(const char *folder)
{
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

bool folderwritable(const char *folder)
{
#ifdef _WIN32
    char probe[MAX_PATH];
    if (GetTempFileNameA(folder, "set", 0, probe) == 0) return false;
    DeleteFileA(probe);
    return true;
#else
    char probe[NATIVEPATHSIZE];
    static const char name[] = "setupXXXXXX";
    if (!nativepath(folder, probe) || !appendtext(probe, sizeof probe, name)) return false;
    int made = mkstemp(probe);
    if (made < 0) return false;
    close(made);
    unlink(probe);
    return true;
#endif
}

bool sfexists(const char *path)
{
#ifdef _WIN32
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
#else
    char native[NATIVEPATHSIZE];
    struct stat status;
    return nativepath(path, native) && stat(native, &status) == 0;
#endif
}

#ifdef _WIN32
bool fullpathname(const char *path, char *full, size_t size)
{
    char whole[FULLPATHSIZE];
    DWORD length = GetFullPathNameA(path, sizeof whole, whole, nullptr);
    if (length == 0 || length >= sizeof whole) return false;
    // the long form of what exists, so that a short name means what it names
    DWORD longer = GetLongPathNameA(whole, full, (DWORD)size);
    if (longer > 0 && longer < size) return true;
    if (length >= size) return false;
    memcpy(full, whole, length + 1);
    return true;
}

bool programpathname(char *full, size_t size)
{
    char module[FULLPATHSIZE];
    DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
    return length > 0 && length < sizeof module && fullpathname(module, full, size);
}

bool onefile(const char *a, const char *b)
{
    BY_HANDLE_FILE_INFORMATION info[2];
    const char *paths[2] = {a, b};
    for (int i = 0; i < 2; ++i) {
        HANDLE h = CreateFileA(paths[i], 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        BOOL told = GetFileInformationByHandle(h, &info[i]);
        CloseHandle(h);
        if (!told) return false;
    }
    return info[0].dwVolumeSerialNumber == info[1].dwVolumeSerialNumber &&
           info[0].nFileIndexHigh == info[1].nFileIndexHigh && info[0].nFileIndexLow == info[1].nFileIndexLow;
}
#else
bool fullpathname(const char *path, char *full, size_t size)
{
    char native[NATIVEPATHSIZE];
    if (!nativepath(path, native)) return false;
    char joined[2 * NATIVEPATHSIZE] = "";
    if (native[0] != '/' && getcwd(joined, NATIVEPATHSIZE) == nullptr) return false;
    appendtext(joined, sizeof joined, "/");
    appendtext(joined, sizeof joined, native);
    // each part in turn: empty parts and "." dropped, ".." takes the last one off
    size_t used = 0;
    for (char *part = strtok(joined, "/"); part != nullptr; part = strtok(nullptr, "/")) {
        if (strcmp(part, ".") == 0) continue;
        if (strcmp(part, "..") == 0) {
            while (used > 0 && full[used - 1] != '/') --used;
            if (used > 0) --used;
            continue;
        }
        size_t length = strlen(part);
        if (used + 1 + length >= size) return false;
        full[used++] = '/';
        memcpy(full + used, part, length);
        used += length;
    }
    if (used == 0) {
        if (size < 2) return false;
        full[used++] = '/';
    }
    full[used] = '\0';
    return true;
}

bool programpathname(char *full, size_t size)
{
#ifdef __linux__
    char self[NATIVEPATHSIZE];
    ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return false;
    self[length] = '\0';
    return fullpathname(self, full, size);
#else
    (void)full;
    (void)size;
    return false;
#endif
}

bool onefile(const char *a, const char *b)
{
    char native[2][NATIVEPATHSIZE];
    struct stat status[2];
    if (!nativepath(a, native[0]) || !nativepath(b, native[1])) return false;
    if (stat(native[0], &status[0]) != 0 || stat(native[1], &status[1]) != 0) return false;
    return status[0].st_dev == status[1].st_dev && status[0].st_ino == status[1].st_ino;
}
#endif

bool programfolder(char *folder, size_t size)
{
    if (!programpathname(folder, size)) return false;
    char *cut = strrchr(folder, '\\');
    if (cut == nullptr) cut = strrchr(folder, '/');
    if (cut == nullptr) return false;
    cut[1] = '\0';
    return true;
}
