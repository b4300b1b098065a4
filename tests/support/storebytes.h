// Stores laid out record by record from the entry record itself, and the one
// look at a two-byte field of a store that the revision tests make.
#ifndef VANTREL_STOREBYTES_H
#define VANTREL_STOREBYTES_H

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "dictionary/dictentry.h"

struct TestEntry {
    std::string word;
    std::string meaning;
    int mark;
    int level;
};

inline DictEntry makeentry(const TestEntry &e)
{
    DictEntry entry;
    memset(&entry, 0, sizeof entry);
    entry.mark = (int16_t)e.mark;
    entry.level = (int16_t)e.level;
    strncpy(entry.word, e.word.c_str(), sizeof entry.word - 1);
    strncpy(entry.meaning, e.meaning.c_str(), sizeof entry.meaning - 1);
    return entry;
}

inline std::string recordbytes(const DictEntry &entry)
{
    return std::string(reinterpret_cast<const char *>(&entry), sizeof entry);
}

// The entries as whole records, then extrabytes 'x' bytes of a partial record.
inline std::string storebytes(const std::vector<TestEntry> &entries, size_t extrabytes = 0)
{
    std::string bytes;
    for (const TestEntry &e : entries) bytes += recordbytes(makeentry(e));
    return bytes + std::string(extrabytes, 'x');
}

// The two-byte field at offset `field` of record `number` (1-based), -1 when
// the store is too short to hold it.
inline int storedfield(const std::string &store, int number, size_t field)
{
    size_t at = (size_t)(number - 1) * sizeof(DictEntry) + field;
    if (store.size() < at + 2) return -1;
    return (int)(int16_t)((unsigned char)store[at] | (unsigned char)store[at + 1] << 8);
}

// Whether the two stores have one size and differ in no byte outside that field.
inline bool sameoutsidefield(const std::string &a, const std::string &b, int number, size_t field)
{
    size_t at = (size_t)(number - 1) * sizeof(DictEntry) + field;
    return a.size() == b.size() && a.compare(0, at, b, 0, at) == 0 &&
           a.compare(at + 2, std::string::npos, b, at + 2, std::string::npos) == 0;
}

#endif
