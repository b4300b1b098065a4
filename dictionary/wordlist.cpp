#include "dictionary/wordlist.h"

#include <cstring>

#include "dictionary/levels.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"

int ShowFilter = SHOWALL;
int MarkedOnlyFilter = 0;

const int FILTERSIZE = 100;  // a filter text: 99 characters and the NUL

bool passesfilter(int markedonly, int show, int level, int mark)
{
    if (markedonly == RevisionMark && mark != RevisionMark) return false;
    switch (show) {
    case SHOWALL: return true;
    case SHOWHARD: return level == LevelVeryHard || level == LevelUnknown;
    case SHOWUNKNOWN: return level == LevelUnknown;
    default: return false;
    }
}

void reversestring(const char *source, char *target, size_t size)
{
    if (size == 0) return;
    size_t length = strlen(source);
    if (length > size - 1) length = size - 1;
    for (size_t i = 0; i < length; ++i) target[i] = source[length - 1 - i];
    target[length] = '\0';
}

// A text filter: its box's text when the box is enabled and not empty.
struct TextFilter {
    char text[FILTERSIZE];
    size_t length;
    bool on;
};

// What the list takes of the store: the words that pass the three text
// filters (every word with none on) and, when settings is set, the two
// settings.
struct ListFilters {
    TextFilter prefix, suffix, contains;
    char reversedsuffix[FILTERSIZE];
    bool settings;
};

static void readfilter(Dialog d, int editid, TextFilter *filter)
{
    tkgettext(d, editid, filter->text, FILTERSIZE);
    filter->length = strlen(filter->text);
    filter->on = filter->length > 0 && tkisenabled(d, editid);
}

static bool passestextfilters(const char *word, const ListFilters &filters)
{
    const TextFilter &prefix = filters.prefix, &suffix = filters.suffix, &contains = filters.contains;
    if (prefix.on && strncmp(word, prefix.text, prefix.length) != 0) return false;
    if (suffix.on) {
        char reversedword[WORDSIZE];
        reversestring(word, reversedword, sizeof reversedword);
        if (strncmp(reversedword, filters.reversedsuffix, suffix.length) != 0) return false;
    }
    if (contains.on && strstr(word, contains.text) == nullptr) return false;
    return true;
}

// Refills the word list with the words of the scan that pass the filters;
// returns how many.  The word of each record first; the mark alone may keep
// it out, and then its level is not needed; otherwise the level is read and
// the two settings decide.  The meaning is never read.
static unsigned listwords(Dialog d, StoreScan *scan, DictEntry *entry, const ListFilters &filters)
{
    unsigned listed = 0;
    tkfillbegin(d, IDC_WORDLIST);
    while (nextword(scan, entry)) {
        if (!passestextfilters(entry->word, filters)) continue;
        if (filters.settings) {
            if (!passesfilter(MarkedOnlyFilter, SHOWALL, 0, entry->mark)) continue;
            if (!scanlevel(scan, entry)) break;
            if (!passesfilter(MarkedOnlyFilter, ShowFilter, entry->level, entry->mark)) continue;
        }
        tklistadd(d, IDC_WORDLIST, entry->word);
        ++listed;
    }
    tkfillend(d, IDC_WORDLIST);
    return listed;
}

void fillwordlist(Dialog d)
{
    int count = countrecords(RECORDSIZE, STOREFILE);
    if (count == 0) {
        tellstoremissing(d);
        return;
    }
    tklistreset(d, IDC_WORDLIST);
    // read only: a read-only store must still fill the list
    DataFile *store = openstore(d, "rb");
    if (!store) return;
    StoreScan scan;
    startscan(&scan, store, count);
    ListFilters filters = {};
    filters.settings = true;
    tksetnumber(d, IDC_WORDCOUNT, listwords(d, &scan, &entrybuffer, filters));
    // a read that failed left words out: the list is not the whole store
    closestore(d, store);
    tksettext(d, IDC_MEANING, "");
    uncheckalllevels(d);
}

void filterwordlist(Dialog d)
{
    DataFile *store = openstore(d, "rb");
    if (!store) return;
    ListFilters filters = {};
    readfilter(d, IDC_PREFIX, &filters.prefix);
    readfilter(d, IDC_SUFFIX, &filters.suffix);
    readfilter(d, IDC_CONTAINS, &filters.contains);
    reversestring(filters.suffix.text, filters.reversedsuffix, sizeof filters.reversedsuffix);
    filters.settings = true;

    int count = countrecords(RECORDSIZE, STOREFILE);
    if (count == 0) {
        tellstoremissing(d);
        fileclose(store);
        return;
    }
    tksetnumber(d, IDC_STATUS, (unsigned)count);
    StoreScan scan;
    startscan(&scan, store, count);
    DictEntry entry;
    unsigned listed = listwords(d, &scan, &entry, filters);
    bool whole = endscan(&scan);
    tksetnumber(d, IDC_WORDCOUNT, listed);
    tksettext(d, IDC_WORD, "");
    if (!whole) tellstoremissing(d);
}

void listallwords(Dialog d)
{
    int count = countrecords(RECORDSIZE, STOREFILE);
    DataFile *store = openstore(d, "rb");
    if (!store) return;
    StoreScan scan;
    startscan(&scan, store, count);
    DictEntry entry;
    ListFilters none = {};
    listwords(d, &scan, &entry, none);
    // the list misses words of the store: say so
    closestore(d, store);
}

void onfiltercheck(Dialog d, int checkid, int editid)
{
    char text[FILTERSIZE];
    bool hastext = tkgettext(d, editid, text, sizeof text) > 0;
    if (tkischecked(d, checkid)) {
        tkenable(d, editid, true);
        tksetfocus(d, editid);
    } else {
        tkenable(d, editid, false);
    }
    if (hastext) filterwordlist(d);
}

void onshowradio(Dialog d)
{
    ShowFilter = SHOWALL;
    if (tkischecked(d, IDC_SHOW_ALL)) ShowFilter = SHOWALL;
    if (tkischecked(d, IDC_SHOW_HARD)) ShowFilter = SHOWHARD;
    if (tkischecked(d, IDC_SHOW_UNKNOWN)) ShowFilter = SHOWUNKNOWN;
    filterwordlist(d);
}

void onmarkedonly(Dialog d)
{
    MarkedOnlyFilter = tkischecked(d, IDC_MARKEDONLY) ? RevisionMark : 0;
    filterwordlist(d);
}
