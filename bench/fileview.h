// A view of a file open for reading, mapped for one operation: a scan copies
// the bytes it wants straight out of the system's file cache and passes over
// the rest without their being copied at all.  The file is mapped a window
// of a few MB at a time, so that a 32-bit process maps a store of any size
// and the memory it holds stays small; the view is made when the scan starts
// and let go when it ends, so nothing is kept between operations.
// Windows only.  The program does not read through views: where this was
// measured (Wine on a virtual machine whose page faults cost some
// microseconds each, one for every record a scan touches) a scan through a
// view took about seven times as long as one through the file layer's
// read-ahead block.  dialogbench keeps the figure (README, Performance).
#ifndef VANTREL_FILEVIEW_H
#define VANTREL_FILEVIEW_H

#include <cstddef>
#include <cstdio>

struct FileView;

// A view of the file under stream, from where the stream stands; null for none.
FileView *viewopen(FILE *stream);

enum ViewRead {
    VIEWREAD,    // the bytes were copied: fewer only at the end of the file as it was mapped
    VIEWFAILED,  // the file failed under the view (a read error, or cut short by another process)
    VIEWGONE,    // the view cannot go on here (no window could be mapped): read on from the stream
};
// Copies at most size bytes from the view's position on and moves past them.
ViewRead viewread(FileView *view, void *buffer, size_t size, size_t *got);
// Moves the position size bytes on, touching nothing.
void viewskip(FileView *view, size_t size);
// Lets the view go.  With a stream, first puts the stream where the view
// stood; false when it could not be put there.
bool viewclose(FileView *view, FILE *stream);

#endif
