#include "dictionary/studyrecord.h"

#include <algorithm>
#include <cstring>

#include "common/blocks.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"

// The old store is read once, its words, marks and levels only, into one
// block of words and a table sorted by headword; each record of the new store
// is then found in the table by a binary search as the compiler is about to
// write it, so that the new store is written once, marks and levels in it,
// and goes to the disk once.

bool hasstudy(int mark, int level)
{
    return mark == RevisionMark || level != LevelVeryHard;
}

static const char *wordof(const StudyRecord *record, const StudiedEntry &entry)
{
    return record->words + entry.word;
}

bool readstudyrecord(const char *path, StudyRecord *record)
{
    memset(record, 0, sizeof *record);
    int count = countrecords(RECORDSIZE, path);
    if (count == 0) return true;
    record->entries = static_cast<StudiedEntry *>(newblock((size_t)count, sizeof(StudiedEntry)));
    DataFile *store = fileopen(path, "rb");
    if (!record->entries || !store) {
        if (store) fileclose(store);
        return false;
    }
    StoreScan scan;
    startscan(&scan, store, count);
    DictEntry entry;
    bool room = true;
    while (record->count < count && nextword(&scan, &entry) && scanlevel(&scan, &entry)) {
        StudiedEntry &studied = record->entries[record->count];
        // an entry whose word found no room is not counted: nothing would tell where its word is
        room = keeptext(&record->words, &record->wordsroom, &record->wordsused, entry.word, &studied.word);
        if (!room) break;
        studied.place = record->count;
        studied.mark = entry.mark;
        studied.level = entry.level;
        studied.taken = 0;
        studied.kept = false;
        ++record->count;
    }
    bool whole = endscan(&scan) && room && record->count == count;
    std::sort(record->entries, record->entries + record->count,
              [record](const StudiedEntry &a, const StudiedEntry &b) {
                  int order = strcmp(wordof(record, a), wordof(record, b));
                  return order != 0 ? order < 0 : a.place < b.place;
              });
    return whole;
}

// Where the n-th old entry of the headword is, or -1.
static int studiedplace(const StudyRecord *record, const char *word, int nth)
{
    const StudiedEntry *begin = record->entries, *end = begin + record->count;
    const StudiedEntry *first = std::lower_bound(begin, end, word,
                                                 [record](const StudiedEntry &e, const char *w) {
                                                     return strcmp(wordof(record, e), w) < 0;
                                                 });
    if (nth < 0 || end - first <= nth || strcmp(wordof(record, first[nth]), word) != 0) return -1;
    return (int)(first - begin) + nth;
}

const StudiedEntry *findstudied(const StudyRecord *record, const char *word, int nth)
{
    int at = record->count > 0 ? studiedplace(record, word, nth) : -1;
    return at < 0 ? nullptr : &record->entries[at];
}

// The old entry that the next new entry with this word takes, or null.
static StudiedEntry *takestudied(StudyRecord *record, const char *word)
{
    int first = studiedplace(record, word, 0);
    int next = first < 0 ? -1 : studiedplace(record, word, record->entries[first].taken);
    if (next < 0) return nullptr;
    ++record->entries[first].taken;
    record->entries[next].kept = true;
    return &record->entries[next];
}

void carrystudy(DictEntry *entry, void *record)
{
    StudyRecord *study = static_cast<StudyRecord *>(record);
    if (study->count == 0) return;
    char word[WORDSIZE];
    memcpy(word, entry->word, WORDSIZE);
    word[WORDSIZE - 1] = '\0';
    const StudiedEntry *studied = takestudied(study, word);
    if (!studied) return;
    if (hasstudy(studied->mark, studied->level)) ++study->kept;
    entry->mark = studied->mark;
    entry->level = studied->level;
}

void instoreorder(StudyRecord *record)
{
    std::sort(record->entries, record->entries + record->count,
              [](const StudiedEntry &a, const StudiedEntry &b) { return a.place < b.place; });
}

void freestudyrecord(StudyRecord *record)
{
    freeblock(record->words);
    freeblock(record->entries);
    memset(record, 0, sizeof *record);
}
