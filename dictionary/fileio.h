// The thin layer through which every file of the dictionary is opened, read,
// written and replaced.  It is plain stdio underneath.  Its names are plain C
// names, so that the tests can link a layer of their own in front of it
// (tests/support/filefaults.cpp, by the linker's --wrap) which makes an open,
// a read, a write, a close or a replace fail on purpose and otherwise calls
// this one.
#ifndef VANTREL_FILEIO_H
#define VANTREL_FILEIO_H

#include <cstddef>
#include <cstdio>

struct DataFile;

extern "C" {

// Streams are buffered for the way the dictionary uses them: a store read
// for a scan goes record after record, whole or only a part of each; a text
// source line after line; a new store record after record.
DataFile *fileopen(const char *path, const char *mode);
size_t fileread(DataFile *f, void *buffer, size_t size);
// The rest of a read made in parts (a record read as its word first): passes
// over skip bytes, then reads size bytes, and returns the bytes read.
size_t filereadmore(DataFile *f, size_t skip, void *buffer, size_t size);
// Moves the read position size bytes on without handing the bytes over, the
// cheapest way the platform's streams allow.  Not a read: a scan that needs
// to know the bytes are there reads the next ones.  False on an error.
bool fileskip(DataFile *f, size_t size);
size_t filewrite(DataFile *f, const void *buffer, size_t size);
// a line of text of at most size - 1 bytes; false at the end or on an error
bool filereadline(DataFile *f, char *buffer, int size);
bool fileseek(DataFile *f, long offset, int whence);
// Hands what was written to the disk itself, past every cache, so that a
// power cut afterwards leaves it there; false when that failed.
bool fileflush(DataFile *f);
bool fileerror(DataFile *f);
// closes and frees; false when the close (the last flush) failed
bool fileclose(DataFile *f);
// size in bytes from the file's status, without reading it; false if missing
bool filesize(const char *path, long long *size);
// replaces target by source in one step, so target is either old or new
bool filereplace(const char *source, const char *target);
bool fileremove(const char *path);
}

#endif
