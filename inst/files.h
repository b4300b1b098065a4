// The file layer of setup and of the payload packer: buffered stdio, checked
// by the callers on every read and write.  Paths use the backslash; on a
// non-Windows host it is turned into '/' so the same logic runs in the host
// tests.  The names are plain C names, so that the tests can link a layer of
// their own in front of the opens, reads, writes, closes and folders
// (tests/support/setupfaults.cpp, by the linker's --wrap) which fails on
// purpose, since a root user cannot be denied access with file modes.
#ifndef VANTREL_SETUPFILES_H
#define VANTREL_SETUPFILES_H

#include <cstddef>

struct SetupFile;

extern "C" {

SetupFile *sfopen(const char *path, const char *mode);
// Returns the bytes read; fewer than size means the end or an error.
size_t sfread(SetupFile *f, void *buffer, size_t size);
size_t sfwrite(SetupFile *f, const void *buffer, size_t size);
// Moves the read position forward by bytes (0 or more).
bool sfskip(SetupFile *f, long long bytes);
// The length of the open file in bytes, -1 when it cannot be told.
long long sflength(SetupFile *f);
// Closes and frees; false when a read or write had failed or the close did.
bool sfclose(SetupFile *f);
bool sfremove(const char *path);
// Hands what was written to the disk; false when it cannot, or a write failed.
bool sfsync(SetupFile *f);
// Puts the file source in the place of target in one step (target may exist).
bool sfreplace(const char *source, const char *target);

// Creates the last level of folder (the result of that is not needed) and
// returns true when folder is a directory afterwards.
bool makefolder(const char *folder);
// Whether a new file can be made in folder (which ends in its backslash): one
// is created under a name of the system's choosing and removed again.
bool folderwritable(const char *folder);
// Whether anything, a file or a folder, is at path.
bool sfexists(const char *path);
}

// What setup needs to tell whether a file it is about to write is the archive
// or the running program.  Full path names are absolute, with "." and ".."
// resolved, and on Windows in their long form as far as they exist; false
// when the name does not fit in size bytes or cannot be told.
enum { FULLPATHSIZE = 512 };
bool fullpathname(const char *path, char *full, size_t size);
bool programpathname(char *full, size_t size);
// The folder of the running program, ending in its backslash.
bool programfolder(char *folder, size_t size);
// Whether both paths exist and are one file by the system's own identity of
// files (volume and file index on Windows, device and inode elsewhere), so
// that a short name, a link or a second drive letter for it is seen through.
bool onefile(const char *a, const char *b);

#endif
