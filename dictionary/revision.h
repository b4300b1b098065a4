// The revision mark and the difficulty level of the entry in the word box,
// each rewritten in place in its one record of the store.
#ifndef VANTREL_REVISION_H
#define VANTREL_REVISION_H

#include "dictionary/toolkit.h"

extern const char MARKCAPTION[];    // "Mark for &revision"
extern const char UNMARKCAPTION[];  // "Unmark from &revision"
extern const char LEVELCHANGED[];   // "Difficulty level changed."

// Toggles the mark of the first entry whose word is exactly text; returns the
// entry's new mark, 0 when the store can't be opened.
int togglemark(Dialog d, const char *text);
// Writes the checked level radio into the first entry whose word is exactly
// the word box's text; 0 for an empty store or word, 1 otherwise.
int setlevel(Dialog d);

#endif
