// The entry store "dicbin.txt": whole DictEntry records back to back.  Every
// operation opens it, scans it from the first record and closes it again.
#ifndef VANTREL_STORE_H
#define VANTREL_STORE_H

#include "dictionary/dictentry.h"
#include "dictionary/fileio.h"

extern const char STOREFILE[];        // "dicbin.txt"
extern const char STOREMISSING[];     // "The file wl.dic was not found or is unaccessible"
extern const char INTEGRITYFAILED[];  // the start-up message for a store with a partial record
extern const char ERRORCAPTION[];     // "ERROR"

// The one process-wide record that the list fill, the search, the revision
// toggle and the rebuild read records into.  Never cleared between operations.
extern DictEntry entrybuffer;

// Whole records of recordsize bytes in the file, from its status; 0 when missing.
int countrecords(int recordsize, const char *path);

// Reads the next whole record; false at the end or on a short read, so a scan
// never works on a half-filled record.  The word and meaning are always
// NUL-terminated afterwards, whatever the file held.
bool readrecord(DataFile *store, DictEntry *entry);

// Rewrites the record just read in place: back 8104 bytes from the current
// position, then only the two-byte field at fieldoffset, so every other byte of
// the store stays as it was.  False when the seek or the write failed.
bool rewritefield(DataFile *store, size_t fieldoffset, int16_t value);

// Whole-string comparison of two headwords, ASCII letters as one case.
bool sameword(const char *a, const char *b);

// True when the store exists and its size is not a whole multiple of 8104.
bool storefailsintegrity();

#endif
