// The tests' file layer of the dictionary, in front of dictionary/fileio.cpp:
// the test programs are linked with --wrap=NAME for each call below, so that
// every call of NAME from the logic comes here, and __real_NAME is the
// layer that ships.  Faults are injected as tests/support/filefaults.h says.
#include "tests/support/filefaults.h"

#include <cstring>

#include "common/blocks.h"
#include "dictionary/fileio.h"

FileFaults filefaults = {{}, false, -1, false, false, false, 0, 0, nullptr};

static AimedFiles aimed;

void clearfilefaults()
{
    memset(&filefaults, 0, sizeof filefaults);
    filefaults.writelimit = -1;
}

// Counts a call on f and tells whether it fails; a failed call marks the file.
static bool strikes(DataFile *f, int *count, int nth)
{
    AimedFile *a = aimedfile(aimed, f);
    if (a == nullptr || !faultstrikes(filefaults, count, nth)) return false;
    a->failed = true;
    return true;
}

static bool failedbyfault(DataFile *f)
{
    AimedFile *a = aimedfile(aimed, f);
    return a != nullptr && a->failed;
}

extern "C" {

DataFile *__real_fileopen(const char *path, const char *mode);
size_t __real_fileread(DataFile *f, void *buffer, size_t size);
size_t __real_filereadmore(DataFile *f, size_t skip, void *buffer, size_t size);
bool __real_fileskip(DataFile *f, size_t size);
size_t __real_filewrite(DataFile *f, const void *buffer, size_t size);
bool __real_fileflush(DataFile *f);
bool __real_fileerror(DataFile *f);
bool __real_fileclose(DataFile *f);
bool __real_filereplace(const char *source, const char *target);
void *__real_newblock(size_t count, size_t size);

void *__wrap_newblock(size_t count, size_t size)
{
    if (faultstrikes(filefaults, &filefaults.blocks, filefaults.failblock)) return nullptr;
    return __real_newblock(count, size);
}

DataFile *__wrap_fileopen(const char *path, const char *mode)
{
    bool aim = faultaimedat(filefaults, path);
    if (aim) {
        if (faultstrikes(filefaults, &filefaults.opens, filefaults.failopen)) return nullptr;
        if (filefaults.readonly && (strchr(mode, 'w') || strchr(mode, 'a') || strchr(mode, '+')))
            return nullptr;
    }
    DataFile *f = __real_fileopen(path, mode);
    if (f != nullptr && aim) aimfile(aimed, f);
    return f;
}

size_t __wrap_fileread(DataFile *f, void *buffer, size_t size)
{
    if (strikes(f, &filefaults.reads, filefaults.failread)) return 0;
    return __real_fileread(f, buffer, size);
}

bool __wrap_fileskip(DataFile *f, size_t size)
{
    if (strikes(f, &filefaults.skips, filefaults.failskip)) return false;
    return __real_fileskip(f, size);
}

// the skip counted as a skip, the rest as the second part of the record
size_t __wrap_filereadmore(DataFile *f, size_t skip, void *buffer, size_t size)
{
    if (skip > 0 && !__wrap_fileskip(f, skip)) return 0;
    if (strikes(f, &filefaults.parts, filefaults.failpart)) return 0;
    return __real_filereadmore(f, 0, buffer, size);
}

size_t __wrap_filewrite(DataFile *f, const void *buffer, size_t size)
{
    if (aimedfile(aimed, f) != nullptr) {
        if (strikes(f, &filefaults.writes, filefaults.failwrite)) return 0;
        if (filefaults.writelimit >= 0 && (long long)size > filefaults.writelimit) {
            // what fits is written and handed to the system, then nothing more
            size_t part = (size_t)filefaults.writelimit;
            filefaults.writelimit = 0;
            aimedfile(aimed, f)->failed = true;
            size_t done = __real_filewrite(f, buffer, part);
            __real_fileflush(f);
            void (*atstop)() = filefaults.atstop;
            filefaults.atstop = nullptr;
            if (atstop) atstop();
            return done;
        }
        if (filefaults.writelimit >= 0) filefaults.writelimit -= (long long)size;
    }
    return __real_filewrite(f, buffer, size);
}

bool __wrap_fileflush(DataFile *f)
{
    if (aimedfile(aimed, f) != nullptr) {
        ++filefaults.flushes;
        if (filefaults.failflush) return false;
    }
    return !failedbyfault(f) && __real_fileflush(f);
}

bool __wrap_fileerror(DataFile *f)
{
    return failedbyfault(f) || __real_fileerror(f);
}

bool __wrap_fileclose(DataFile *f)
{
    bool aim = aimedfile(aimed, f) != nullptr;
    bool ok = !failedbyfault(f);
    forgetfile(aimed, f);
    if (!__real_fileclose(f)) ok = false;
    if (aim && filefaults.failclose) ok = false;
    return ok;
}

// a read-only target cannot be replaced either
bool __wrap_filereplace(const char *source, const char *target)
{
    if (faultaimedat(filefaults, target)) {
        if (filefaults.failreplace || filefaults.readonly) return false;
        filefaults.flushesatreplace = filefaults.flushes;
    }
    return __real_filereplace(source, target);
}

}
