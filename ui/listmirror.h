// A copy of the items of the sorted list box that the toolkit fills (the
// word list), in the order the list holds them, so that the first item that
// begins with a text is found without the list box comparing every item
// through the window system.  The toolkit is the list's only writer and
// tells the mirror of every change; what it cannot follow makes the mirror
// unknown, and the list box itself is asked, as it always may be.
//
// The mirror answers only where its rule is provably the list box's own:
// the list box compares the first characters of each item with the text one
// UTF-16 unit at a time without regard to case, and also tests an item that
// begins with "[" (a drive or folder) past its bracket.  For a text of plain
// ASCII (space to "~"), in a single-byte ANSI code page in which no other
// character is the upper or lower case of an ASCII letter, with no item that
// begins with "[", that is ASCII case folding of the bytes.
#ifndef VANTREL_LISTMIRROR_H
#define VANTREL_LISTMIRROR_H

#include <windows.h>

#include <cstddef>

const int MIRRORUNSURE = -2;  // only the list box itself can tell

// The list was emptied; the mirror follows it from now on.
void mirrorreset(HWND list);
// An item was put at index (what LB_ADDSTRING or LB_INSERTSTRING returned).
void mirrorinsert(HWND list, int index, const char *text);
// A refill placed its items: text holds them back to back with their NULs
// in used bytes, and starts[i] is where item i of the list begins.  The
// mirror takes both blocks (from malloc) and frees them.
void mirrortake(HWND list, char *text, size_t used, int *starts, int count);
// What the list holds is no longer known.
void mirrorforget(HWND list);
// The index of the first item from the top that begins with text by the
// list box's rule, NOITEM for none, or MIRRORUNSURE.
int mirrorfindprefix(HWND list, const char *text);

// The first room of a block of items' text (the mirror's and a refill's),
// which grows by doubling (common/blocks.h).
enum { TEXTFIRST = 65536 };

#endif
