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

// The one process-wide record: the full fill of the word list, the searches
// and the revision toggle read records into it, the lookup and the level
// change put the word they look for into its word, and the compiler builds
// each new record in it.  Never cleared between operations.
extern DictEntry entrybuffer;

// Whole records of recordsize bytes in the file, from its status; 0 when missing.
int countrecords(int recordsize, const char *path);

// Reads the next whole record; false at the end or on a short read, so a scan
// never works on a half-filled record.  The word and meaning are always
// NUL-terminated afterwards, whatever the file held.
bool readrecord(DataFile *store, DictEntry *entry);

// A record read in parts, for the scans that look at the words first: the
// mark and the word (its first 102 bytes), then either the rest of it or only
// its level.  The same guarantees as readrecord hold for every part read: the
// word is NUL-terminated, the meaning is empty until the rest is read, and a
// part that comes up short is never taken.  A record whose level or rest was
// read whole is there whole.
//
// readword reads the mark and the word of the next record and stops before
// its meaning; the caller then goes on with exactly one of the other three.
bool readword(DataFile *store, DictEntry *entry);
// the meaning and the level: the entry is then as readrecord leaves it
bool readrest(DataFile *store, DictEntry *entry);
// passes over the meaning and reads the level
bool readlevel(DataFile *store, DictEntry *entry);
// passes over the meaning and the level: the next record comes next
bool skiprest(DataFile *store);

// Rewrites the record just read in place: back 8104 bytes from the current
// position, then only the two-byte field at fieldoffset, so every other byte of
// the store stays as it was.  False when the seek or the write failed.
bool rewritefield(DataFile *store, size_t fieldoffset, int16_t value);

// True when the store exists and its size is not a whole multiple of 8104.
bool storefailsintegrity();

#endif
