// Painting of the main dialog: the top band and the corner logo.
#ifndef VANTREL_PAINT_H
#define VANTREL_PAINT_H

#include <windows.h>

// One paint cycle: the band at (0, 0) across the top, the logo with its
// top-left corner 50 pixels from the right and 20 from the bottom; figures
// and pictures scaled by the layout's DPI / 96.
void paintdialog(HWND dialog);

#endif
