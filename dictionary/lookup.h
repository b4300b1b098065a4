// The lookup of the word in the word box, on every change of it and on GO.
#ifndef VANTREL_LOOKUP_H
#define VANTREL_LOOKUP_H

#include "dictionary/toolkit.h"

const int TRIGGER_TYPING = 120;  // the word box changed
const int TRIGGER_GO = 111;      // Enter: take the highlighted word first

// 0 when it stopped at "NOREACH" or at an empty word, 1 otherwise.
int lookupword(Dialog d, int trigger);

// True for the names the dictionary answers with a greeting instead of an entry.
bool isreservedname(const char *word);

// Selects the first headword of the word list that begins with text and, when
// scroll is set, makes it the first visible item; no match removes the selection.
void positionwordlist(Dialog d, const char *text, bool scroll);

#endif
