#include "dictionary/levels.h"

#include <cstddef>

#include "dictionary/dictentry.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"

// The level change finds the entry as the lookup finds it (the first whose
// word is the word box's text without regard to case) and rewrites its level
// in place.  Where there is none, nothing is written and the radios show
// again the level they showed before the click.  A write or close that fails
// is reported with the store message, and the status line keeps what it
// showed, so the screen never claims a change the store does not hold.

const char LEVELCHANGED[] = "Difficulty level changed.";

const int LEVELRADIOS[5] = {LevelVeryHard, LevelHard, LevelEasy, LevelVeryEasy, LevelUnknown};

// The level the radios show, 0 for none: a click changes them before the
// level change runs, and they go back to it when nothing was written.
static int levelshown = 0;

bool isdifficultylevel(int level)
{
    for (int radio : LEVELRADIOS)
        if (radio == level) return true;
    return false;
}

void showlevel(Dialog d, int level)
{
    if (isdifficultylevel(level)) {
        tkcheckradio(d, LevelVeryHard, LevelUnknown, level);
        levelshown = level;
    } else {
        uncheckalllevels(d);
    }
}

void uncheckalllevels(Dialog d)
{
    for (int radio : LEVELRADIOS) tksetcheck(d, radio, false);
    levelshown = 0;
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
    StoreScan scan;
    startscan(&scan, store, count);
    DictEntry entry;
    if (level == 0) {
        closestore(d, store);
        return 1;
    }
    if (!findentry(&scan, &entry, entrybuffer.word)) {
        showlevel(d, levelshown);
        closestore(d, store);
        return 1;
    }
    if (!rewriteandclose(d, &scan, offsetof(DictEntry, level), level)) return 1;
    levelshown = level;
    tksettext(d, IDC_STATUS, LEVELCHANGED);
    return 1;
}
