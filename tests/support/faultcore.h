// The fault core of the tests' file layers, which stand in front of the
// dictionary's (dictionary/fileio.h, tests/support/filefaults.h) and setup's
// (inst/files.h, tests/support/setupfaults.h): which file the faults are
// aimed at, the primitives counted as they happen, and the one rule by which
// a counted call fails.  Header-only, so setup's tests link nothing of the
// dictionary.
#ifndef VANTREL_FAULTCORE_H
#define VANTREL_FAULTCORE_H

#include <cstdio>
#include <cstdlib>
#include <cstring>

struct FaultCore {
    const char *path;  // faults hit only this file (the path as opened); null for every file
    bool fromthenon;   // a counted primitive that fails goes on failing, as a dead disk does
    // the n-th call that hits the file fails (1-based); 0 for none
    int failopen;
    int failread;      // a whole read, or the first part of a record read in parts
    int failpart;      // the second part of a record read in parts
    int failskip;      // a move past bytes not wanted
    int failwrite;
    int failblock;     // a block of memory (common/blocks.h), wherever it is asked for
    // counted as they happen, of the calls that hit the file
    int opens;
    int reads;
    int parts;
    int skips;
    int writes;
    int blocks;
};

inline bool faultaimedat(const FaultCore &core, const char *path)
{
    return core.path == nullptr || strcmp(core.path, path) == 0;
}

// Counts one call and tells whether it fails.
inline bool faultstrikes(const FaultCore &core, int *count, int nth)
{
    ++*count;
    return nth > 0 && (*count == nth || (core.fromthenon && *count > nth));
}

// The open files that the faults were aimed at when they were opened, and
// whether a fault has failed a call on each (the file then reports an error
// and its close fails, as after a real failure).
struct AimedFile {
    const void *file;  // null for a free place
    bool failed;
};
enum { AIMEDFILES = 16 };
struct AimedFiles {
    AimedFile open[AIMEDFILES];
};

inline AimedFile *aimedfile(AimedFiles &files, const void *file)
{
    for (AimedFile &a : files.open)
        if (file != nullptr && a.file == file) return &a;
    return nullptr;
}

// Remembers file as aimed at; a test that leaves more files open at once
// than there are places stops here.
inline void aimfile(AimedFiles &files, const void *file)
{
    for (AimedFile &a : files.open)
        if (a.file == nullptr) {
            a = AimedFile{file, false};
            return;
        }
    fprintf(stderr, "more than %d files aimed at are open at once\n", AIMEDFILES);
    abort();
}

inline void forgetfile(AimedFiles &files, const void *file)
{
    AimedFile *a = aimedfile(files, file);
    if (a != nullptr) *a = AimedFile{nullptr, false};
}

#endif
