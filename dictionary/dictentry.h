// One dictionary entry as it lies in the store: 8104 bytes, no header, no gaps,
// little-endian, records back to back in "dicbin.txt".
#ifndef VANTREL_DICTENTRY_H
#define VANTREL_DICTENTRY_H

#include <cstddef>
#include <cstdint>

#include "dictionary/resource.h"

const int WORDSIZE = 100;      // headword, NUL-terminated: at most 99 characters
const int MEANINGSIZE = 8000;  // meaning, lines end in CR LF: at most 7999 characters
const int RECORDSIZE = 8104;

// The stored mark and levels are the identifiers of the controls that set them.
const int RevisionMark = IDC_REVISION;
enum DifficultyLevel {
    LevelVeryHard = IDC_LEVEL_VERYHARD,
    LevelHard = IDC_LEVEL_HARD,
    LevelEasy = IDC_LEVEL_EASY,
    LevelVeryEasy = IDC_LEVEL_VERYEASY,
    LevelUnknown = IDC_LEVEL_UNKNOWN
};

struct DictEntry {
    int16_t mark;               // RevisionMark or 0
    char word[WORDSIZE];
    char meaning[MEANINGSIZE];
    int16_t level;              // one of DifficultyLevel
};

static_assert(sizeof(DictEntry) == RECORDSIZE, "a record is 8104 bytes");
static_assert(offsetof(DictEntry, mark) == 0, "mark at 0");
static_assert(offsetof(DictEntry, word) == 2, "word at 2");
static_assert(offsetof(DictEntry, meaning) == 102, "meaning at 102");
static_assert(offsetof(DictEntry, level) == 8102, "level at 8102");

#endif
