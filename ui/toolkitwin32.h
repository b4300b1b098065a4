// What the Win32 side of the main dialog shares beyond the toolkit: the
// bitmaps loaded at start-up, for painting.  Null when not loaded.
#ifndef VANTREL_TOOLKITWIN32_H
#define VANTREL_TOOLKITWIN32_H

#include <windows.h>

HBITMAP logobitmap();  // bitmap 1022, the corner logo
HBITMAP bandbitmap();  // bitmap 1025, the top band

#endif
