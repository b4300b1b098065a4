// What the Win32 side of the main dialog shares beyond the toolkit: the
// resources loaded at start-up (null when not loaded), for painting and the
// search button, and the frame of each command the dialog procedure handles.
#ifndef VANTREL_TOOLKITWIN32_H
#define VANTREL_TOOLKITWIN32_H

#include <windows.h>

#include "dictionary/toolkit.h"

HBITMAP logobitmap();  // bitmap 1022, the corner logo
HBITMAP bandbitmap();  // bitmap 1025, the top band
HMENU searchmenu();    // the first sub-menu of menu 1500, "Search"

// Around each WM_COMMAND: what the command leaves in a multi-line edit is
// written when the outermost command ends (see ui/heldtext.h).
void tkbegincommand(Dialog d);
void tkendcommand(Dialog d);

#endif
