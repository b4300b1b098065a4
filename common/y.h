// Module y: the usage record and the install record in the current user's
// registry hive, under "Software\Marvoc".
//
//   Software\Marvoc           value <name>  REG_DWORD  date y*10000 + m*100 + d
//   Software\Marvoc\<name>    "usage"       REG_DWORD  counted starts
//                             "sinced", "sincem", "sincey"  REG_DWORD  first count
//                             "locn"        REG_SZ     install folder
//
// The writes are best effort: no registry result is looked at, nothing is
// reported, and every operation returns 1.  Dates are UTC.
#ifndef VANTREL_Y_H
#define VANTREL_Y_H

#include "common/registry.h"

enum {
    LOCNSIZE = 100,     // install folder, with its NUL
    KEYPATHSIZE = 100,  // parentname and fullname
    KEYNAMEMOST = 50    // characters of a name that go into its key path
};

// "Software\Marvoc", and the specific key of the last name counted or installed.
extern char parentname[KEYPATHSIZE];
extern char fullname[KEYPATHSIZE];

// Sets the REG_DWORD value name of the open key to y*10000 + m*100 + d.
int establish(RegHandle parentkey, const char *name, int d, int m, int y);

// Counts one start of the program name.
int countusage(const char *name);

// Records that the program name was installed into locn (at most LOCNSIZE
// characters with the NUL; a longer text is cut there).
int installreg(const char *name, const char *locn);

// The folder that the install record of the program name names, into locn
// (LOCNSIZE bytes); false, with locn empty, when there is none.
bool installedfolder(const char *name, char *locn);

// Removes the install record of the program name, as the uninstaller does:
// its date value and its specific key with the usage count.
int uninstallreg(const char *name);

#endif
