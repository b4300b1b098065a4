// The tests' file layer of setup, in front of inst/files.cpp: the test
// programs are linked with --wrap=NAME for each call below, so that every
// call of NAME from setup's logic comes here, and __real_NAME is the layer
// that ships.  Faults are injected as tests/support/setupfaults.h says.
#include "tests/support/setupfaults.h"

#include <cstring>

#include "inst/files.h"

SetupFaults setupfaults = {{}, 0, false, false, false, 0, 0, 0, 0, nullptr};

static AimedFiles aimed;

void clearsetupfaults() { memset(&setupfaults, 0, sizeof setupfaults); }

// Counts a call on f and tells whether it fails; a failed call marks the file.
static bool strikes(SetupFile *f, int *count, int nth)
{
    AimedFile *a = aimedfile(aimed, f);
    if (a == nullptr || !faultstrikes(setupfaults, count, nth)) return false;
    a->failed = true;
    return true;
}

extern "C" {

SetupFile *__real_sfopen(const char *path, const char *mode);
size_t __real_sfread(SetupFile *f, void *buffer, size_t size);
size_t __real_sfwrite(SetupFile *f, const void *buffer, size_t size);
bool __real_sfskip(SetupFile *f, long long bytes);
bool __real_sfclose(SetupFile *f);
bool __real_sfsync(SetupFile *f);
bool __real_sfreplace(const char *source, const char *target);
bool __real_makefolder(const char *folder);
bool __real_folderwritable(const char *folder);

SetupFile *__wrap_sfopen(const char *path, const char *mode)
{
    if (setupfaults.readonlyfolder && strpbrk(mode, "wa+") != nullptr) return nullptr;
    bool aim = faultaimedat(setupfaults, path);
    if (aim && faultstrikes(setupfaults, &setupfaults.opens, setupfaults.failopen)) return nullptr;
    SetupFile *f = __real_sfopen(path, mode);
    if (f != nullptr && aim) aimfile(aimed, f);
    return f;
}

size_t __wrap_sfread(SetupFile *f, void *buffer, size_t size)
{
    if (strikes(f, &setupfaults.reads, setupfaults.failread)) return 0;
    AimedFile *a = aimedfile(aimed, f);
    if (a != nullptr && setupfaults.reads == setupfaults.shortread) {
        a->failed = true;
        return __real_sfread(f, buffer, size / 2);
    }
    return __real_sfread(f, buffer, size);
}

size_t __wrap_sfwrite(SetupFile *f, const void *buffer, size_t size)
{
    if (strikes(f, &setupfaults.writes, setupfaults.failwrite)) return 0;
    return __real_sfwrite(f, buffer, size);
}

bool __wrap_sfskip(SetupFile *f, long long bytes)
{
    if (bytes >= 0 && strikes(f, &setupfaults.skips, setupfaults.failskip)) return false;
    return __real_sfskip(f, bytes);
}

bool __wrap_sfclose(SetupFile *f)
{
    AimedFile *a = aimedfile(aimed, f);
    bool ok = a == nullptr || (!a->failed && !setupfaults.failclose);
    forgetfile(aimed, f);
    return __real_sfclose(f) && ok;
}

bool __wrap_sfsync(SetupFile *f)
{
    if (strikes(f, &setupfaults.syncs, setupfaults.failsync)) return false;
    return __real_sfsync(f);
}

bool __wrap_sfreplace(const char *source, const char *target)
{
    if (faultaimedat(setupfaults, target) && faultstrikes(setupfaults, &setupfaults.replaces, setupfaults.failreplace))
        return false;
    if (setupfaults.besidereplace != nullptr) setupfaults.besidereplace();
    bool replaced = __real_sfreplace(source, target);
    if (setupfaults.besidereplace != nullptr) setupfaults.besidereplace();
    return replaced;
}

bool __wrap_makefolder(const char *folder)
{
    return !setupfaults.failfolder && __real_makefolder(folder);
}

bool __wrap_folderwritable(const char *folder)
{
    return !setupfaults.readonlyfolder && __real_folderwritable(folder);
}

}
