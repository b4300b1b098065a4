// The width a drop-down list drops down at.
#ifndef VANTREL_DROPPEDWIDTH_H
#define VANTREL_DROPPEDWIDTH_H

#include <windows.h>

// A drop-down list drops down as wide as its longest line needs, within the
// screen; the closed box keeps its own width.  With a line (just added), the
// dropped part only grows to take it; without one, every line is measured
// anew.
void fitdroppedwidth(HWND combo, const char *line);

#endif
