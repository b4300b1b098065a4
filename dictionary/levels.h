// The five level radios of the "Set level" group, shown from a record's level.
#ifndef VANTREL_LEVELS_H
#define VANTREL_LEVELS_H

#include "dictionary/toolkit.h"

// in the order the program unchecks them: 3, 114, 115, 116, 117
extern const int LEVELRADIOS[5];

bool isdifficultylevel(int level);
// checks the radio of the level and unchecks the rest; an unknown level unchecks all
void showlevel(Dialog d, int level);
void uncheckalllevels(Dialog d);

#endif
