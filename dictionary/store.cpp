#include "dictionary/store.h"

#include <cstddef>
#include <cstring>

const char STOREFILE[] = "dicbin.txt";
const char STOREMISSING[] = "The file wl.dic was not found or is unaccessible";
const char INTEGRITYFAILED[] = "The file dicbin.txt has failed integrity check.\nMay need to be rebuilt.";
const char ERRORCAPTION[] = "ERROR";

DictEntry entrybuffer;

int countrecords(int recordsize, const char *path)
{
    long long size = 0;
    if (recordsize <= 0 || !filesize(path, &size) || size < 0) return 0;
    long long count = size / recordsize;
    return count > 0x7fffffff ? 0x7fffffff : (int)count;
}

bool readrecord(DataFile *store, DictEntry *entry)
{
    if (fileread(store, entry, RECORDSIZE) != (size_t)RECORDSIZE) return false;
    entry->word[WORDSIZE - 1] = '\0';
    entry->meaning[MEANINGSIZE - 1] = '\0';
    return true;
}

static const size_t HEADSIZE = offsetof(DictEntry, meaning);             // mark and word
static const size_t RESTSIZE = RECORDSIZE - HEADSIZE;                     // meaning and level
static const size_t LEVELSIZE = sizeof(int16_t);
static_assert(offsetof(DictEntry, level) == RECORDSIZE - LEVELSIZE, "the level ends the record");

bool readword(DataFile *store, DictEntry *entry)
{
    bool whole = fileread(store, entry, HEADSIZE) == HEADSIZE;
    entry->word[WORDSIZE - 1] = '\0';
    entry->meaning[0] = '\0';
    entry->level = 0;
    return whole;
}

bool readrest(DataFile *store, DictEntry *entry)
{
    char *rest = reinterpret_cast<char *>(entry) + HEADSIZE;
    bool whole = filereadmore(store, 0, rest, RESTSIZE) == RESTSIZE;
    entry->meaning[MEANINGSIZE - 1] = '\0';
    if (!whole) {
        entry->meaning[0] = '\0';
        entry->level = 0;
    }
    return whole;
}

bool readlevel(DataFile *store, DictEntry *entry)
{
    int16_t level = 0;
    if (filereadmore(store, MEANINGSIZE, &level, LEVELSIZE) != LEVELSIZE) return false;
    entry->level = level;
    return true;
}

bool skiprest(DataFile *store)
{
    return fileskip(store, RESTSIZE);
}

bool rewritefield(DataFile *store, size_t fieldoffset, int16_t value)
{
    if (!fileseek(store, -(long)RECORDSIZE + (long)fieldoffset, SEEK_CUR)) return false;
    unsigned char bytes[2] = {(unsigned char)(value & 0xff), (unsigned char)((value >> 8) & 0xff)};
    return filewrite(store, bytes, sizeof bytes) == sizeof bytes;
}

bool storefailsintegrity()
{
    long long size = 0;
    return filesize(STOREFILE, &size) && size % RECORDSIZE != 0;
}
