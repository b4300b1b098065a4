// A refill of a sorted list box or drop-down list that does not sort each new
// item against all the ones before it.  The items are kept here while they
// come, then placed in the order one-by-one adds would have given them (the
// order is worked out from the list's own sort keys, see ui/listorder.h) and
// appended in that order, which the list takes as it is.
#ifndef VANTREL_LISTFILL_H
#define VANTREL_LISTFILL_H

#include <windows.h>

// Empties control id of dialog and holds its redraw until fillend.
void fillbegin(HWND dialog, int id);
// True when text was taken into the refill of control id; false when that
// control is not being refilled, and the caller adds the item itself.  It
// asks the window system nothing: finding a control by its id is a round
// trip to the window server under Wine, too slow to make for every item.
bool fillpending(HWND dialog, int id, const char *text);
// Places the items and redraws the control.
void fillend(HWND dialog, int id);

// Whether control is a drop-down list rather than a list box.
bool iscombo(HWND control);

#endif
