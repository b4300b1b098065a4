// The listing and extraction passes over the archive "data" in the working
// folder.  They reach the dialog only through listadd and listselect
// (inst/shell.h), which the dialog defines (and the tests, with a fake), so
// this part builds and runs without any window system.
#ifndef VANTREL_INSTALL_H
#define VANTREL_INSTALL_H

#include "inst/payload.h"
#include "inst/shell.h"

#define ARCHIVE "data"

enum {
    INSTALLFAILED = 0,     // the archive is missing, damaged, or a file could not be written
    INSTALLDONE = 1,       // listed, or every file extracted and the record written
    INSTALLBADFOLDER = 3   // the folder is empty, too long, or cannot be created
};

// flag 0 lists every file name into the dialog's list, after the whole
// archive has been checked.  Any other flag extracts into locn (LOCNSIZE
// bytes, given the backslash it lacks) and then writes the install record.
// A damaged or hostile archive is refused before the first file or folder is
// written, and so is a file that would be written over the archive itself,
// over the running setup, or over setup's own record or uninstaller
// (inst/record.h); no failure writes the install record.  A folder that
// takes no new file is not acceptable.
//
// A file already in the folder is replaced only when its bytes are still
// what setup recorded installing; one with the archive's bytes is left
// alone; one the user changed, or one setup has no record of that differs,
// stays in use and the archive's copy is written beside it as NAME.new (or
// NAME.new2 and on, where NAME.new is not setup's).  Every file is written to
// a temporary name in the folder, handed to the disk, and only then moved to
// its name, so a failure at any point leaves no partial file under a real
// name, and a second try installs whole.
int install(SetupDialog hdlg, char *locn, int flag);

// Why the last extraction failed, for the dialog to tell the user, when the
// reason is one the user can act on (a file that would be written over the
// archive or setup, a file in the folder that cannot be read, a changed file
// with no free name for its new copy); empty otherwise.
enum { REASONSIZE = 200 };
extern char installreason[REASONSIZE];

// After an extraction that succeeded: each kept file and where the archive's
// copy went, a line "\nNAME: NAME.new" each (empty when none was kept); the
// name of the program of the header's exe when the archive holds it (empty
// otherwise); and the bytes of all files of the archive.
enum { KEPTSIZE = 600 };
extern char installkept[KEPTSIZE];
extern char installprogram[NAMESIZE];
extern long long installbytes;

#endif
