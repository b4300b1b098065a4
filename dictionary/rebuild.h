// The rebuild of the store "dicbin.txt" from the text source "orlavexdic.txt".
#ifndef VANTREL_REBUILD_H
#define VANTREL_REBUILD_H

#include "dictionary/storerebuild.h"
#include "dictionary/toolkit.h"

extern const char QUESTION[];          // the question asked before the rebuild
extern const char DONE[];              // "Rebuilding done!"
extern const char SOURCEMISSING[];     // the text source cannot be opened
extern const char SOURCEUNREADABLE[];  // a read of the text source failed
extern const char STORENOTWRITTEN[];   // the new store could not be written or put in place
extern const char NOHEADWORD[];        // the text source holds no headword line
extern const char UTF16SAVED[];        // the text source is saved as UTF-16
extern const char LOST[];              // heads the headwords whose marks and levels are lost

// 1 when the store was rewritten, 0 when the user declined or it failed.
int rebuildstore(Dialog d);
// What the rebuild that keeps marks and levels asks first: what it keeps and
// what it cannot keep.
extern const char KEEPQUESTION[];
// The same rebuild, each new entry keeping the mark and the level of the old
// entry with the same headword; 1 when the store was rewritten.
int rebuildkeepingstudy(Dialog d);

#endif
