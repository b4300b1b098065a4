// Which names and folders setup accepts.
#ifndef VANTREL_SETUPPATHS_H
#define VANTREL_SETUPPATHS_H

#include <cstddef>

#include "inst/payload.h"

enum {
    // an install folder ending in its backslash, and a file name
    PATHSIZE = LOCNSIZE + NAMESIZE
};

// True for a plain file name that lands inside the install folder and means
// the same on every Windows: 1 to NAMESIZE - 1 characters; no backslash,
// slash or colon (so no absolute path, drive, device or stream prefix and no
// subfolder); no control character or any of * ? " < > |; not "." or "..";
// no trailing dot or space; and not a device name (CON, PRN, AUX, NUL,
// COM0-9, LPT0-9, CONIN$, CONOUT$), with or without an extension.
bool safename(const char *name);

// The file name in the folder locn, which ends in its backslash, into path
// (PATHSIZE bytes): each cut to its field, so the two always fit.
void filepath(char *path, const char *locn, const char *name);

// The file name in the folder, which ends in its backslash, into path (size
// bytes), whatever their lengths; false when they do not fit.
bool joinpath(char *path, size_t size, const char *folder, const char *name);

// Whether two full path names name one place on Windows: equal as the file
// system compares names (common/filenames.h), with / and \ alike.
bool samepathname(const char *a, const char *b);

// Makes locn (LOCNSIZE bytes) an acceptable install folder ending in one
// backslash.  False, with locn unchanged, when it is empty or only spaces, or
// when it does not fit in LOCNSIZE with its backslash and NUL.
bool acceptfolder(char *locn);

// Whether a folder of this many characters (without the backslash that
// acceptfolder may add) could be accepted at all.
bool folderfits(const char *folder);

// The dialog's title in title (TITLESIZE bytes): "Installation" for an empty
// name, otherwise "Installation of " and the first 20 characters of the name.
enum { TITLESIZE = 50, TITLENAMEMOST = 20 };
void setuptitle(char *title, const char *name);

#endif
