// Placement of the controls that follow the window's size, and the title.
// Every figure is in pixels at 96 dots per inch; at another DPI each one is
// scaled by DPI / 96, rounded, so that the window keeps its proportions (the
// template's own controls grow with the dialog font).
#ifndef VANTREL_LAYOUT_H
#define VANTREL_LAYOUT_H

#include "dictionary/toolkit.h"

const int LAYOUT_RESTORED = 0;
const int LAYOUT_MINIMISED = 1;
const int LAYOUT_MAXIMISED = 2;

const int BASEDPI = 96;

// A figure at 96 DPI scaled to dpi, rounded half away from zero (as MulDiv).
int scaled(int pixels, int dpi);

// The DPI that the placement and the painting scale by: 96 until the program
// sets the screen's, when the main dialog opens.
void setlayoutdpi(int dpi);
int layoutdpi();

void layoutdialog(Dialog d, int sizetype);

// The smallest client area at which no two controls overlap: the groups
// anchored to the right edge stay clear of the word list and of every control
// that never moves, the result list keeps a width of 100 and the meaning box
// a height of 60, all scaled.  The controls that never move are read where
// they stand.
void minimumclient(Dialog d, int *width, int *height);

#endif
