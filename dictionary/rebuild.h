// The rebuild of the store "dicbin.txt" from the text source "orlavexdic.txt".
#ifndef VANTREL_REBUILD_H
#define VANTREL_REBUILD_H

#include "dictionary/toolkit.h"

// 1 when the store was rewritten, 0 when the user declined or it failed.
int rebuildstore(Dialog d);
// What the rebuild that keeps marks and levels asks first: what it keeps and
// what it cannot keep.
extern const char KEEPQUESTION[];
// The same rebuild, each new entry keeping the mark and the level of the old
// entry with the same headword; 1 when the store was rewritten.
int rebuildkeepingstudy(Dialog d);

#endif
