// The revision mark of the entry in the word box: the revision button's
// caption, and the toggle that rewrites the mark in place in its one record.
#ifndef VANTREL_REVISION_H
#define VANTREL_REVISION_H

#include "dictionary/toolkit.h"

extern const char MARKCAPTION[];    // "Mark for &revision"
extern const char UNMARKCAPTION[];  // "Unmark from &revision"

// The caption that tells the mark: "Unmark from &revision" for RevisionMark,
// "Mark for &revision" for any other value.
void showmark(Dialog d, int mark);
// Does what the revision button's caption offers to the entry the lookup
// shows for text (the first whose word is text, cut to a headword's length,
// without regard to case): "Mark for &revision" writes the mark, "Unmark
// from &revision" removes it; where the entry holds that already, only the
// caption catches up.  Returns the entry's mark afterwards: the new one, or
// the old one when nothing was written or the write failed.  0, with nothing
// written, when the store can't be opened or no entry is found.
int togglemark(Dialog d, const char *text);

#endif
