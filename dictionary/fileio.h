// The thin layer through which every file of the dictionary is opened, read,
// written and replaced.  It is plain stdio underneath; tests reach below it to
// make an open, a read, a write, a close or a replace fail on purpose.
#ifndef VANTREL_FILEIO_H
#define VANTREL_FILEIO_H

#include <cstddef>
#include <cstdio>

struct DataFile;

DataFile *fileopen(const char *path, const char *mode);
size_t fileread(DataFile *f, void *buffer, size_t size);
size_t filewrite(DataFile *f, const void *buffer, size_t size);
// a line of text of at most size - 1 bytes; false at the end or on an error
bool filereadline(DataFile *f, char *buffer, int size);
bool fileseek(DataFile *f, long offset, int whence);
bool fileerror(DataFile *f);
// closes and frees; false when the close (the last flush) failed
bool fileclose(DataFile *f);
// size in bytes from the file's status, without reading it; false if missing
bool filesize(const char *path, long long *size);
// replaces target by source in one step, so target is either old or new
bool filereplace(const char *source, const char *target);
bool fileremove(const char *path);

#endif
