// A refill of a sorted list box or drop-down list that does not sort each new
// item against all the ones before it.  The items are kept here while they
// come, then placed in the order one-by-one adds would have given them (the
// order is worked out from the list's own sort keys, see ui/listorder.h) and
// appended in that order, which the list takes as it is.
#ifndef VANTREL_LISTFILL_H
#define VANTREL_LISTFILL_H

#include <windows.h>

// Empties the control and holds its redraw until fillend.
void fillbegin(HWND control);
// True when text was taken into the refill of control; false when control is
// not being refilled, and the caller adds the item itself.
bool fillpending(HWND control, const char *text);
// Places the items and redraws the control.
void fillend(HWND control);

#endif
