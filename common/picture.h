// A picture drawn on a screen of any DPI, for both programs: at its own size
// at 96 DPI, scaled by DPI / 96 at any other.
#ifndef VANTREL_PICTURE_H
#define VANTREL_PICTURE_H

#include <windows.h>

// Draws a picture with its top-left corner at (x, y), at its own size scaled
// by dpi / 96, rounded half away from zero (at 96, pixel for pixel; a dpi of
// 0 or less is taken as 96).  False when there is nothing to draw or the
// drawing failed.
bool drawpicture(HDC target, HBITMAP picture, int x, int y, int dpi);

#endif
