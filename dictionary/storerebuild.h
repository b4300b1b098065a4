// The rebuild of a store from its text source with no window: what both
// commands of the dialog run (dictionary/rebuild.h), and setup after it has
// merged an upgrade's word file into the learner's.
#ifndef VANTREL_STOREREBUILD_H
#define VANTREL_STOREREBUILD_H

#include "dictionary/compile.h"

struct StudyRecord;

extern const char SOURCEFILE[];    // "orlavexdic.txt"
extern const char NEWSTOREFILE[];  // "dicbin.tmp", the new store until it takes the store's place

// Compiles the source into a new store at newstorepath, each record given
// the mark and the level that record (the old store's, read first with
// readstudyrecord) holds for its headword when record is given, unmarked at
// level 3 when it is null; flushes it to the disk and only then puts it in
// the place of the store.  The record's entries are then in the old store's
// order.  COMPILED when the store is the new one.
// Otherwise the store is as it was and no new store is left (NOSOURCE and
// UTF16SOURCE made none, and leave whatever lay there).
Compiled rebuildfrom(const char *sourcepath, const char *storepath, const char *newstorepath, StudyRecord *record);

// After a rebuild that kept marks and levels: the next headword, from *at on
// in the old store's order, of an old entry with a mark or a level that no
// new entry took; null when there is none.  Start with *at 0.
const char *nextloststudy(const StudyRecord *record, int *at);

#endif
