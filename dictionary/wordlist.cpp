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

// Finishes reading a record whose word the list may take: the mark alone may
// keep it out, and then its level is not needed; otherwise the level is read
// and the two settings decide.  False when the store ended short.
static bool readforlist(DataFile *store, DictEntry *entry, bool *passes)
{
    *passes = false;
    if (!passesfilter(MarkedOnlyFilter, SHOWALL, 0, entry->mark)) return skiprest(store);
    if (!readlevel(store, entry)) return false;
    *passes = passesfilter(MarkedOnlyFilter, ShowFilter, entry->level, entry->mark);
    return true;
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
    unsigned listed = 0;
    tkfillbegin(d, IDC_WORDLIST);
    // the mark, the word and the level of each record: never its meaning
    bool passes = false;
    for (int i = 0; i < count && readword(store, &entrybuffer) && readforlist(store, &entrybuffer, &passes); ++i) {
        if (passes) {
            tklistadd(d, IDC_WORDLIST, entrybuffer.word);
            ++listed;
        }
    }
    tkfillend(d, IDC_WORDLIST);
    tksetnumber(d, IDC_WORDCOUNT, listed);
    // a read that failed left words out: the list is not the whole store
    closestore(d, store);
    tksettext(d, IDC_MEANING, "");
    uncheckalllevels(d);
}

// A text filter: its box's text when the box is enabled and not empty.
struct TextFilter {
    char text[FILTERSIZE];
    size_t length;
    bool on;
};

static void readfilter(Dialog d, int editid, TextFilter *filter)
{
    tkgettext(d, editid, filter->text, FILTERSIZE);
    filter->length = strlen(filter->text);
    filter->on = filter->length > 0 && tkisenabled(d, editid);
}

static bool passestextfilters(const char *word, const TextFilter &prefix,
                              const TextFilter &suffix, const char *reversedsuffix,
                              const TextFilter &contains)
{
    if (prefix.on && strncmp(word, prefix.text, prefix.length) != 0) return false;
    if (suffix.on) {
        char reversedword[WORDSIZE];
        reversestring(word, reversedword, sizeof reversedword);
        if (strncmp(reversedword, reversedsuffix, suffix.length) != 0) return false;
    }
    if (contains.on && strstr(word, contains.text) == nullptr) return false;
    return true;
}

void filterwordlist(Dialog d)
{
    DataFile *store = openstore(d, "rb");
    if (!store) return;
    TextFilter prefix, suffix, contains;
    readfilter(d, IDC_PREFIX, &prefix);
    readfilter(d, IDC_SUFFIX, &suffix);
    readfilter(d, IDC_CONTAINS, &contains);
    char reversedsuffix[FILTERSIZE];
    reversestring(suffix.text, reversedsuffix, sizeof reversedsuffix);

    int count = countrecords(RECORDSIZE, STOREFILE);
    if (count == 0) {
        tellstoremissing(d);
        fileclose(store);
        return;
    }
    tksetnumber(d, IDC_STATUS, (unsigned)count);
    tkfillbegin(d, IDC_WORDLIST);
    unsigned listed = 0;
    DictEntry entry;
    // The word first: the level is read only for a word that passes.
    for (int i = 0; i < count && readword(store, &entry); ++i) {
        if (!passestextfilters(entry.word, prefix, suffix, reversedsuffix, contains)) {
            if (!skiprest(store)) break;
            continue;
        }
        bool passes = false;
        if (!readforlist(store, &entry, &passes)) break;
        if (!passes) continue;
        tklistadd(d, IDC_WORDLIST, entry.word);
        ++listed;
    }
    tkfillend(d, IDC_WORDLIST);
    bool whole = fileclose(store);
    tksetnumber(d, IDC_WORDCOUNT, listed);
    tksettext(d, IDC_WORD, "");
    if (!whole) tellstoremissing(d);
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
