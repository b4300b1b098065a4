// The review box, dialog template 300, shown modally over the main dialog:
// the Win32 side of the review of the marked words (dictionary/review.h).
#ifndef VANTREL_REVIEWBOX_H
#define VANTREL_REVIEWBOX_H

#include <windows.h>

// The headword's font is the dialog's own, this many times as high, bold.
const int REVIEWWORDGROWTH = 2;

// The box's procedure.  Its commands go to the review; the close box is
// "&Stop", as Esc is.
INT_PTR CALLBACK ReviewFunc(HWND box, UINT message, WPARAM wparam, LPARAM lparam);

// The headword's font of the open box, for tests; null when closed.
HFONT reviewwordfont();

#endif
