// The credits box, dialog template 200, shown modally over the main dialog:
// the credits picture, and three texts in the credits font.
#ifndef VANTREL_CREDITS_H
#define VANTREL_CREDITS_H

#include <windows.h>

#include "dictionary/resource.h"

// The credits font: this face at this height; the font file added for the
// life of the box, found in the working folder (its absence reports nothing).
extern const char CREDITSFACE[];  // "Lucida Handwriting"
const int CREDITSHEIGHT = 15;
extern const char CREDITSFONTFILE[];  // "lhandw"

// Where the picture is drawn in the box's client area, at its own size; on a
// screen of another DPI the place, the picture and the font's height are
// scaled by DPI / 96.
const int CREDITSPICTUREX = 60;
const int CREDITSPICTUREY = 40;

// The box's procedure.  The initialisation parameter is the resource
// identifier of the picture to show (IDB_CREDITS in the program).  Enter
// ends the box with 0, Alt+F4 with 1; Escape and every other command are
// ignored.  A picture that cannot be loaded is reported once ("FAIL:"), a
// drawing that fails at most once per opening ("????"), both in boxes of
// their own with no owner, through tkmessage.
INT_PTR CALLBACK CreditsFunc(HWND box, UINT message, WPARAM wparam, LPARAM lparam);

// The font and the picture of the open box, for tests; null when closed.
HFONT creditsfont();
HBITMAP creditspicture();

#endif
