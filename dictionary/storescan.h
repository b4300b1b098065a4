// The frame of every command's scan of the store: it is opened for the one
// command and closed before the command returns, and a store that cannot be
// opened, or whose reads failed, is told in the one message the user knows,
// "The file wl.dic was not found or is unaccessible".
//
// A scan visits the records from the first, at most count of them.  It reads
// each record's mark and word first (nextword); the operation then reads the
// rest of it (scanrest) or only its level (scanlevel) when it wants them, and
// whatever it leaves is passed over when the next record is asked for, so a
// record costs no more than its first 102 bytes unless the operation wants
// more.  Or it reads whole records (nextrecord).  A read that comes up short
// ends the scan, and the end of the scan (endscan) tells whether every read
// was whole.
#ifndef VANTREL_STORESCAN_H
#define VANTREL_STORESCAN_H

#include <cstddef>

#include "dictionary/dictentry.h"
#include "dictionary/fileio.h"
#include "dictionary/toolkit.h"

// Opens the store in mode ("rb" to read, "rb+" to rewrite a field); null,
// and told, when it cannot be opened.
DataFile *openstore(Dialog d, const char *mode);
// Closes the store; false, and told, when a read, a write or the close failed,
// so that part of the store is never taken for the whole of it.
bool closestore(Dialog d, DataFile *store);
void tellstoremissing(Dialog d);

struct StoreScan {
    DataFile *store;
    int count;      // the records the scan may visit
    int number;     // the record visited, from 1; 0 before the first
    bool restdue;   // the rest of the record visited is still to be passed over
};

void startscan(StoreScan *scan, DataFile *store, int count);
// The mark and the word of the next record, after passing over what was left
// of the one before; false at the end of count records or of the store, and
// when a read or a skip failed.
bool nextword(StoreScan *scan, DictEntry *entry);
// The rest of the record visited (its meaning and level), or only its level;
// false when the store ended short or the read failed.
bool scanrest(StoreScan *scan, DictEntry *entry);
bool scanlevel(StoreScan *scan, DictEntry *entry);
// The next whole record; false at the end or on a short read.
bool nextrecord(StoreScan *scan, DictEntry *entry);
// Visits the records until the first whose word is text without regard to
// case, as the lookup finds it, and reads that one whole; false when none was
// read whole.
bool findentry(StoreScan *scan, DictEntry *entry, const char *text);
// Closes the store; true when every read of the scan was whole.
bool endscan(StoreScan *scan);
// Rewrites the two-byte field at fieldoffset of the record visited (read
// whole), puts it on the disk and closes the store; false, and told, when any
// of them failed, so nothing is called done that a power cut could still take
// back.
bool rewriteandclose(Dialog d, StoreScan *scan, size_t fieldoffset, int value);

#endif
