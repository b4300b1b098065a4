// The difficulty level of the entry in the word box: the five level radios of
// the "Set level" group, shown from a record's level, and the level change
// that rewrites the level in place in its one record.
#ifndef VANTREL_LEVELS_H
#define VANTREL_LEVELS_H

#include "dictionary/toolkit.h"

extern const char LEVELCHANGED[];  // "Difficulty level changed."

// in the order the program unchecks them: 3, 114, 115, 116, 117
extern const int LEVELRADIOS[5];

bool isdifficultylevel(int level);
// checks the radio of the level and unchecks the rest; an unknown level unchecks all
void showlevel(Dialog d, int level);
void uncheckalllevels(Dialog d);

// Writes the checked level radio into the entry the lookup shows for the
// word box's text (the first whose word is that text without regard to
// case); 0 for an empty store or word, 1 otherwise.
int setlevel(Dialog d);

#endif
