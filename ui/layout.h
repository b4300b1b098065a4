// Placement of the controls that follow the window's size, and the title.
#ifndef VANTREL_LAYOUT_H
#define VANTREL_LAYOUT_H

#include "dictionary/toolkit.h"

const int SIZE_RESTORED = 0;
const int SIZE_MINIMISED = 1;
const int SIZE_MAXIMISED = 2;

void layoutdialog(Dialog d, int sizetype);

#endif
