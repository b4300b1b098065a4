// The "&About" menu: the credits box, "Read me" and the search help.
#ifndef VANTREL_HELP_H
#define VANTREL_HELP_H

#include "dictionary/toolkit.h"

void showcredits(Dialog d);
void openreadme(Dialog d);
void aboutsearch(Dialog d);

#endif
