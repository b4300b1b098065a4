#include "dictionary/lookup.h"

#include <cstring>

#include "dictionary/levels.h"
#include "dictionary/revision.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"
#include "common/text.h"

struct ReservedName {
    const char *name;
    bool whole;  // the word must equal the name; otherwise it begins with it
};

static const ReservedName RESERVEDNAMES[] = {
    {"marvoc", false},   {"tiberl", false}, {"ostrevanic", false}, {"lumbrask", false},
    {"zqv", false},      {"xkq", false},    {"quelt", true},
};

bool isreservedname(const char *word)
{
    for (const ReservedName &reserved : RESERVEDNAMES) {
        if (reserved.whole ? sameword(word, reserved.name)
                           : beginswithnocase(word, reserved.name))
            return true;
    }
    return false;
}

// The word to look up: for GO the highlighted headword, else the word box.
static void takeword(Dialog d, int trigger, char *word)
{
    word[0] = '\0';
    if (trigger == TRIGGER_GO) {
        int selected = tklistgetsel(d, IDC_WORDLIST);
        if (selected != NOITEM)
            tklistgettext(d, IDC_WORDLIST, selected, word, WORDSIZE);
        else
            tkgettext(d, IDC_WORD, word, WORDSIZE);
        // raises the word box's own lookup, nested, before this one goes on
        tksettext(d, IDC_WORD, word);
    } else {
        tkgettext(d, IDC_WORD, word, WORDSIZE);
    }
    copytext(entrybuffer.word, WORDSIZE, word);
}

static void showentry(Dialog d, const DictEntry &entry, int number)
{
    tkenable(d, IDC_REVISION, true);
    showmark(d, entry.mark);
    tksetnumber(d, IDC_ENTRYNO, (unsigned)number);
    tksettext(d, IDC_MEANING, entry.meaning);
    showlevel(d, entry.level);
}

int lookupword(Dialog d, int trigger)
{
    tksettext(d, IDC_MEANING, "");
    int count = countrecords(RECORDSIZE, STOREFILE);
    if (count == 0 && trigger == TRIGGER_GO) {
        tkmessage(d, "NOREACH", ERRORCAPTION, BOX_OK);
        return 0;
    }

    char word[WORDSIZE];
    takeword(d, trigger, word);

    tkenable(d, IDC_REVISION, false);
    if (word[0] == '\0') {
        tksettext(d, IDC_MEANING, "");
        tkenable(d, IDC_SEARCH, false);
        uncheckalllevels(d);
        return 0;
    }
    tkenable(d, IDC_SEARCH, true);

    if (isreservedname(word)) {
        tksettext(d, IDC_MEANING, "hey, you typed my name!!");
        return 1;
    }

    // a store that cannot be opened is no word found, and says nothing
    DataFile *store = fileopen(STOREFILE, "rb");
    if (!store) return 1;

    StoreScan scan;
    startscan(&scan, store, count);
    DictEntry entry;
    // only the words are read until one matches; a record cut short is no entry
    bool found = findentry(&scan, &entry, word);
    if (found) {
        showentry(d, entry, scan.number);
    } else {
        tksettext(d, IDC_MEANING, trigger == TRIGGER_GO ? "<<NOT FOUND>>" : "<<SEARCHING>>");
        uncheckalllevels(d);
    }
    // a read that failed left entries unread: "no entry" is not known then
    bool whole = endscan(&scan);
    if (!found && !whole) tellstoremissing(d);
    return 1;
}

void positionwordlist(Dialog d, const char *text, bool scroll)
{
    int index = tklistselectprefix(d, IDC_WORDLIST, text);
    if (index == NOITEM)
        tklistsetsel(d, IDC_WORDLIST, NOITEM);
    else if (scroll)
        tklistsettop(d, IDC_WORDLIST, index);
}
