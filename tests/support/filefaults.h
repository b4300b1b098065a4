// Faults that tests inject in the dictionary's file layer.  The tests link
// tests/support/filefaults.cpp, which stands in front of every call of
// dictionary/fileio.h that can fail (the linker's --wrap), fails it when
// these fields say so, and otherwise calls the real one.  A file is aimed at
// when it is opened; a record read in parts counts as one read, its second
// part as a part.
#ifndef VANTREL_FILEFAULTS_H
#define VANTREL_FILEFAULTS_H

#include "tests/support/faultcore.h"

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

extern FileFaults filefaults;
void clearfilefaults();

#endif
