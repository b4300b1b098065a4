// Faults that tests inject in setup's file layer.  The tests link
// tests/support/setupfaults.cpp, which stands in front of the calls of
// inst/files.h that can fail (the linker's --wrap), fails them when these
// fields say so, and otherwise calls the real ones.
#ifndef VANTREL_SETUPFAULTS_H
#define VANTREL_SETUPFAULTS_H

#include "tests/support/faultcore.h"

struct SetupFaults : FaultCore {
    int shortread;        // the n-th read of a matching file stops halfway
    bool failclose;       // closing a matching file reports a failure
    bool failfolder;      // makefolder creates nothing and fails
    bool readonlyfolder;  // the folder takes no new file: no file opens for writing
    int failsync;         // the n-th handing of a matching file to the disk fails
    int failreplace;      // the n-th putting of a file in the place of a matching target fails
    int syncs;            // counted as they happen
    int replaces;
    // called just before and just after each replace, the moments between
    // which a crash leaves the files as they are; null for none
    void (*besidereplace)();
};

extern SetupFaults setupfaults;
void clearsetupfaults();

#endif
