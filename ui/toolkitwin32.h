// What the Win32 side of the main dialog shares beyond the toolkit: the
// bitmaps loaded at start-up, for painting (null when not loaded), and the
// frame of each command the dialog procedure handles.
#ifndef VANTREL_TOOLKITWIN32_H
#define VANTREL_TOOLKITWIN32_H

#include <windows.h>

#include "dictionary/toolkit.h"

HBITMAP logobitmap();  // bitmap 1022, the corner logo
HBITMAP bandbitmap();  // bitmap 1025, the top band

// Around each WM_COMMAND: what the command leaves in a multi-line edit is
// written when the outermost command ends (see tksettext).
void tkbegincommand(Dialog d);
void tkendcommand(Dialog d);

#endif
