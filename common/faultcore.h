// The fault core that tests reach below both file layers with (the
// dictionary's dictionary/fileio.h and setup's inst/files.h): which file the
// faults are aimed at, the primitives counted as they happen, and the one
// rule by which a counted call fails.  Header-only, so setup links nothing
// of the dictionary.  Compiled in only where the test builds ask for it.
#ifndef VANTREL_FAULTCORE_H
#define VANTREL_FAULTCORE_H

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
    // counted as they happen, of the calls that hit the file
    int opens;
    int reads;
    int parts;
    int skips;
    int writes;
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

#endif
