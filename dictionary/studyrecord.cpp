#include "dictionary/studyrecord.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "dictionary/readahead.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"

// The old store is read once, its words, marks and levels only, into one
// block of words and a table sorted by headword; each word of the new store
// is then found in the table by a binary search.  The new store is read once
// in blocks of whole records, and of each block the bytes from the first
// field that changed to the last are written back where they were: one write
// a block, and a disk writes one run of pages much faster than the same
// fields scattered over the file two bytes at a time.

// records: as many as make a read that goes straight into the block, past
// the read-ahead (267,432 bytes)
static const int CARRYBLOCK = (int)(READAHEADSIZE / RECORDSIZE) + 1;

bool hasstudy(int mark, int level)
{
    return mark == RevisionMark || level != LevelVeryHard;
}

// Appends word and its NUL to the record's words, making room as needed.
static bool keepword(StudyRecord *record, const char *word, uint32_t *at)
{
    size_t length = strlen(word) + 1;
    if (record->wordsused + length > UINT32_MAX) return false;
    if (record->wordsused + length > record->wordsroom) {
        size_t room = record->wordsroom * 2 + length + 4096;
        char *words = new (std::nothrow) char[room];
        if (!words) return false;
        if (record->wordsused > 0) memcpy(words, record->words, record->wordsused);
        delete[] record->words;
        record->words = words;
        record->wordsroom = room;
    }
    memcpy(record->words + record->wordsused, word, length);
    *at = (uint32_t)record->wordsused;
    record->wordsused += length;
    return true;
}

static const char *wordof(const StudyRecord *record, const StudiedEntry &entry)
{
    return record->words + entry.word;
}

bool readstudyrecord(const char *path, StudyRecord *record)
{
    memset(record, 0, sizeof *record);
    long long size = 0;
    if (!filesize(path, &size)) return true;
    int count = countrecords(RECORDSIZE, path);
    if (count == 0) return true;
    record->entries = new (std::nothrow) StudiedEntry[count];
    DataFile *store = fileopen(path, "rb");
    if (!record->entries || !store) {
        if (store) fileclose(store);
        return false;
    }
    StoreScan scan;
    startscan(&scan, store, count);
    DictEntry entry;
    bool room = true;
    while (room && nextword(&scan, &entry) && scanlevel(&scan, &entry)) {
        StudiedEntry &studied = record->entries[record->count];
        room = keepword(record, entry.word, &studied.word);
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

// The old entry that the next new entry with this word takes, or null.
static StudiedEntry *takestudied(StudyRecord *record, const char *word)
{
    StudiedEntry *end = record->entries + record->count;
    StudiedEntry *first = std::lower_bound(record->entries, end, word,
                                           [record](const StudiedEntry &e, const char *w) {
                                               return strcmp(wordof(record, e), w) < 0;
                                           });
    if (first == end || strcmp(wordof(record, *first), word) != 0) return nullptr;
    StudiedEntry *next = first + first->taken;
    if (next == end || strcmp(wordof(record, *next), word) != 0) return nullptr;
    ++first->taken;
    next->kept = true;
    return next;
}

// Gives the record of the new store the mark and the level of the old entry
// it takes, if any; widens [*from, *to) of the block to the fields changed.
static void carryinto(StudyRecord *record, DictEntry *block, int i, int *kept, size_t *from, size_t *to)
{
    DictEntry *entry = &block[i];
    char word[WORDSIZE];
    memcpy(word, entry->word, WORDSIZE);
    word[WORDSIZE - 1] = '\0';
    const StudiedEntry *studied = takestudied(record, word);
    if (!studied) return;
    if (hasstudy(studied->mark, studied->level)) ++*kept;
    size_t at = (size_t)i * RECORDSIZE;
    if (entry->mark != studied->mark) {
        entry->mark = studied->mark;
        *from = std::min(*from, at + offsetof(DictEntry, mark));
        *to = std::max(*to, at + offsetof(DictEntry, mark) + sizeof entry->mark);
    }
    if (entry->level != studied->level) {
        entry->level = studied->level;
        *from = std::min(*from, at + offsetof(DictEntry, level));
        *to = std::max(*to, at + offsetof(DictEntry, level) + sizeof entry->level);
    }
}

bool carrystudyrecord(const char *path, StudyRecord *record, int *kept)
{
    *kept = 0;
    if (record->count == 0) return true;
    int count = countrecords(RECORDSIZE, path);
    DictEntry *block = new (std::nothrow) DictEntry[CARRYBLOCK];
    DataFile *store = block ? fileopen(path, "rb+") : nullptr;
    if (!store) {
        delete[] block;
        return false;
    }
    bool whole = true;
    for (int first = 0; whole && first < count; first += CARRYBLOCK) {
        int records = std::min(CARRYBLOCK, count - first);
        size_t bytes = (size_t)records * RECORDSIZE;
        whole = fileread(store, block, bytes) == bytes;
        size_t from = bytes, to = 0;  // the bytes of the block that changed
        for (int i = 0; whole && i < records; ++i) carryinto(record, block, i, kept, &from, &to);
        // back to the first byte that changed, and on to the next block after the last
        if (whole && from < to)
            whole = fileseek(store, (long)from - (long)bytes, SEEK_CUR) &&
                    filewrite(store, reinterpret_cast<char *>(block) + from, to - from) == to - from &&
                    fileseek(store, (long)(bytes - to), SEEK_CUR);
    }
    whole = whole && fileflush(store);
    delete[] block;
    return fileclose(store) && whole;
}

void freestudyrecord(StudyRecord *record)
{
    delete[] record->words;
    delete[] record->entries;
    memset(record, 0, sizeof *record);
}
