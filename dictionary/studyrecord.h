// The study record a learner keeps in the store, the revision mark and the
// difficulty level of each entry, as the rebuild that keeps it carries it
// from the old store into the new one: entry by entry, by headword.
#ifndef VANTREL_STUDYRECORD_H
#define VANTREL_STUDYRECORD_H

#include <cstddef>
#include <cstdint>

struct DictEntry;

// One entry of the old store.
struct StudiedEntry {
    uint32_t word;  // where its headword starts in the record's words
    int32_t place;  // from 0, in the old store's order
    int16_t mark;
    int16_t level;
    int32_t taken;  // the first entry of a headword: how many of its entries new ones took
    bool kept;      // a new entry took its mark and level
};

struct StudyRecord {
    char *words;             // every headword, each ended by its NUL
    size_t wordsused;
    size_t wordsroom;
    StudiedEntry *entries;   // by headword, byte for byte, then by place
    int count;
    int kept;                // new entries that took a mark or a level other than 3
};

// True when an entry holds what a rebuilt one lacks: a mark, or a level other than 3.
bool hasstudy(int mark, int level);

// Reads the mark, the word and the level of every record of the store at
// path; a store that does not exist has none.  False when the store is there
// but could not be read whole, or memory ran short; what was read is then
// sound to free and to look at.
bool readstudyrecord(const char *path, StudyRecord *record);

// The compiler's step for each record of the new store (dictionary/compile.h),
// record a StudyRecord: gives the entry the mark and the level of the old
// entry with the same headword, byte for byte, the n-th new entry of a
// headword those of the n-th old one; any other entry keeps what it holds.
// Counts in the record's kept the new entries that got a mark or a level
// other than 3.
void carrystudy(DictEntry *entry, void *record);

// The n-th old entry (from 0) of the headword, byte for byte, in the old
// store's order; null when there are fewer.  While the entries are by
// headword, that is until instoreorder.
const StudiedEntry *findstudied(const StudyRecord *record, const char *word, int nth);

// Puts the entries in the old store's order, as the learner met them; the
// record then carries nothing more.
void instoreorder(StudyRecord *record);

void freestudyrecord(StudyRecord *record);

#endif
