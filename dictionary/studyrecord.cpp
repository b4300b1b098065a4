#include "dictionary/studyrecord.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "dictionary/store.h"
#include "dictionary/storescan.h"

// The old store is read once, its words, marks and levels only, into one
// block of words and a table sorted by headword; each word of the new store
// is then found in the table by a binary search.  The new store is read
// once, its words only, and the fields that change are written after that
// read, in the store's order: a write in the middle of the read would throw
// its read-ahead block away.

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

// A two-byte field of the new store to rewrite.
struct FieldWrite {
    long long at;
    int16_t value;
};

static bool writefields(DataFile *store, const FieldWrite *writes, int count)
{
    for (int i = 0; i < count; ++i) {
        if (writes[i].at > LONG_MAX) return false;
        unsigned char bytes[2] = {(unsigned char)(writes[i].value & 0xff), (unsigned char)((writes[i].value >> 8) & 0xff)};
        if (!fileseek(store, (long)writes[i].at, SEEK_SET) || filewrite(store, bytes, 2) != 2) return false;
    }
    return true;
}

bool carrystudyrecord(const char *path, StudyRecord *record, int *kept)
{
    *kept = 0;
    if (record->count == 0) return true;
    int count = countrecords(RECORDSIZE, path);
    FieldWrite *writes = count > 0 ? new (std::nothrow) FieldWrite[(size_t)count * 2] : nullptr;
    DataFile *store = count > 0 ? fileopen(path, "rb+") : nullptr;
    if (!writes || !store) {
        delete[] writes;
        if (store) fileclose(store);
        return count == 0;
    }
    StoreScan scan;
    startscan(&scan, store, count);
    DictEntry entry;
    int written = 0;
    bool whole = true;
    while (whole && nextword(&scan, &entry)) {
        const StudiedEntry *studied = takestudied(record, entry.word);
        if (!studied) continue;
        if (!scanlevel(&scan, &entry)) {
            whole = false;
            break;
        }
        long long at = (long long)(scan.number - 1) * RECORDSIZE;
        if (studied->mark != entry.mark) writes[written++] = {at + (long long)offsetof(DictEntry, mark), studied->mark};
        if (studied->level != entry.level)
            writes[written++] = {at + (long long)offsetof(DictEntry, level), studied->level};
        if (hasstudy(studied->mark, studied->level)) ++*kept;
    }
    whole = whole && scan.number == count && writefields(store, writes, written) && fileflush(store);
    delete[] writes;
    return fileclose(store) && whole;
}

void freestudyrecord(StudyRecord *record)
{
    delete[] record->words;
    delete[] record->entries;
    memset(record, 0, sizeof *record);
}
