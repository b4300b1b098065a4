// Faults that tests inject under the file layer.  Compiled in only when
// VANTREL_FAULTS is defined (the test builds); the programs never have it.
#ifndef VANTREL_FILEFAULTS_H
#define VANTREL_FILEFAULTS_H

#include "common/faultcore.h"

struct FileFaults : FaultCore {
    bool readonly;         // opens for writing or update fail, and so does a replace of it,
                           // as for a read-only file
    long long writelimit;  // bytes that writes may still put down before they stop; -1 unlimited
    bool failclose;        // closing a matching file reports a failure
    bool failreplace;      // replacing a matching target fails
    bool failflush;        // putting a matching file on the disk fails
    int flushes;           // of matching files to the disk
    int flushesatreplace;  // flushes counted when a matching target was last replaced
    // called once, when writelimit first stops a write: the moment a crash
    // would leave every file as it is; null for none
    void (*atstop)();
};

#ifdef VANTREL_FAULTS
extern FileFaults filefaults;
void clearfilefaults();
#endif

#endif
