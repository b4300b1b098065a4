// Placement of the controls that follow the window's size, and the title.
#ifndef VANTREL_LAYOUT_H
#define VANTREL_LAYOUT_H

#include "dictionary/toolkit.h"

const int LAYOUT_RESTORED = 0;
const int LAYOUT_MINIMISED = 1;
const int LAYOUT_MAXIMISED = 2;

void layoutdialog(Dialog d, int sizetype);

#endif
