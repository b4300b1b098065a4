// The listing and extraction passes over the archive "data" in the working
// folder.  They reach the dialog only through listadd and listselect, which
// the dialog defines (and the tests, with a fake), so this part builds and
// runs without any window system.
#ifndef VANTREL_INSTALL_H
#define VANTREL_INSTALL_H

typedef void *SetupDialog;  // the installer dialog, an HWND on Windows

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
// over the running setup, or over the NAME.bak kept of another of its files;
// no failure writes the install record.  A folder
// that takes no new file is not acceptable.  Before a file in the folder is
// replaced by different bytes, the earlier one is kept beside it as NAME.bak
// (an older NAME.bak is replaced); when any of these copies cannot be made,
// no file of the archive is written at all.
int install(SetupDialog hdlg, char *locn, int flag);

// Why the last extraction failed, for the dialog to tell the user, when the
// reason is one the user can act on (a file that would be written over the
// archive or setup, an earlier copy that could not be kept); empty otherwise.
enum { REASONSIZE = 200 };
extern char installreason[REASONSIZE];

// What install needs of the dialog: append a line to the list box LIST, and
// select line i (0-based) and scroll it into view.
void listadd(SetupDialog hdlg, const char *line);
void listselect(SetupDialog hdlg, int i);

#endif
