#include "dictionary/revision.h"

#include <cstddef>
#include <cstring>

#include "dictionary/levels.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"

// Both operations find the first record whose word is exactly the text, byte
// for byte, and rewrite one two-byte field of it in place.  A write or close
// that fails is reported with the store message, and the controls keep what
// they showed, so the screen never claims a change the store does not hold.

const char MARKCAPTION[] = "Mark for &revision";
const char UNMARKCAPTION[] = "Unmark from &revision";
const char LEVELCHANGED[] = "Difficulty level changed.";

// Scans at most count records into entry, reading only their words until
// one is exactly word; true when that record was then read whole.
static bool findexact(DataFile *store, int count, DictEntry *entry, const char *word)
{
    for (int i = 0; i < count && readword(store, entry); ++i) {
        if (strcmp(entry->word, word) == 0) return readrest(store, entry);
        if (!skiprest(store)) return false;
    }
    return false;
}

// Rewrites the field of the record just read, puts it on the disk and closes
// the store; false, and told, when any of them failed, so nothing is called
// done that a power cut could still take back.
static bool rewriteandclose(Dialog d, DataFile *store, size_t fieldoffset, int value)
{
    bool written = rewritefield(store, fieldoffset, (int16_t)value) && fileflush(store);
    bool closed = fileclose(store);
    if (!written || !closed) tellstoremissing(d);
    return written && closed;
}

// Returns the entry's mark after the toggle: the new one, or the old one when
// the write failed.  No entry with exactly that word: 0, nothing written.
int togglemark(Dialog d, const char *text)
{
    int count = countrecords(RECORDSIZE, STOREFILE);
    DataFile *store = openstore(d, "rb+");
    if (!store) return 0;
    if (!findexact(store, count, &entrybuffer, text)) {
        // a read that failed is no proof that the entry is not there
        closestore(d, store);
        return 0;
    }
    int mark = entrybuffer.mark == RevisionMark ? 0 : RevisionMark;
    if (!rewriteandclose(d, store, offsetof(DictEntry, mark), mark)) return entrybuffer.mark;
    entrybuffer.mark = (int16_t)mark;
    tksettext(d, IDC_REVISION, mark == RevisionMark ? UNMARKCAPTION : MARKCAPTION);
    return mark;
}

// The level of the checked radio, asked in the order 114, 115, 116, 117, 3;
// the last one checked wins.  0 when none is checked.
static int chosenlevel(Dialog d)
{
    static const int ASKED[] = {LevelHard, LevelEasy, LevelVeryEasy, LevelUnknown, LevelVeryHard};
    int level = 0;
    for (int radio : ASKED)
        if (tkischecked(d, radio)) level = radio;
    return level;
}

int setlevel(Dialog d)
{
    int count = countrecords(RECORDSIZE, STOREFILE);
    if (count == 0) {
        tellstoremissing(d);
        return 0;
    }
    DataFile *store = openstore(d, "rb+");
    if (!store) return 1;
    tksetfocus(d, IDC_WORDLIST);

    // the whole word box as far as a headword goes: 99 characters
    tkgettext(d, IDC_WORD, entrybuffer.word, WORDSIZE);
    if (entrybuffer.word[0] == '\0') {
        uncheckalllevels(d);
        fileclose(store);
        return 0;
    }

    // Only a click can start this, and a click leaves its radio checked; with
    // none checked there is no level to write.
    int level = chosenlevel(d);
    DictEntry entry;
    if (level == 0 || !findexact(store, count, &entry, entrybuffer.word)) {
        closestore(d, store);
        return 1;
    }
    if (!rewriteandclose(d, store, offsetof(DictEntry, level), level)) return 1;
    tksettext(d, IDC_STATUS, LEVELCHANGED);
    return 1;
}
