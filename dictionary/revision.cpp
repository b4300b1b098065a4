#include "dictionary/revision.h"

#include <cstddef>
#include <cstring>

#include "dictionary/store.h"
#include "dictionary/storescan.h"
#include "common/text.h"

// The toggle finds the entry as the lookup finds it, and rewrites its mark
// in place only when the store does not hold already what the caption
// offers: another copy of the program may have changed it behind this one's
// back, and a click must never flip it the other way.  A write or close that
// fails is reported with the store message, and the caption keeps what it
// showed, so the screen never claims a change the store does not hold.

const char MARKCAPTION[] = "Mark for &revision";
const char UNMARKCAPTION[] = "Unmark from &revision";

void showmark(Dialog d, int mark)
{
    tksettext(d, IDC_REVISION, mark == RevisionMark ? UNMARKCAPTION : MARKCAPTION);
}

int togglemark(Dialog d, const char *text)
{
    char word[WORDSIZE];
    copytext(word, sizeof word, text);
    // the template's "Unmark from &Revision" offers the same as the program's caption
    char caption[sizeof UNMARKCAPTION + 1];
    tkgettext(d, IDC_REVISION, caption, sizeof caption);
    int mark = sameword(caption, UNMARKCAPTION) ? 0 : RevisionMark;

    int count = countrecords(RECORDSIZE, STOREFILE);
    DataFile *store = openstore(d, "rb+");
    if (!store) return 0;
    StoreScan scan;
    startscan(&scan, store, count);
    if (!findentry(&scan, &entrybuffer, word)) {
        // a read that failed is no proof that the entry is not there
        closestore(d, store);
        return 0;
    }
    if ((entrybuffer.mark == RevisionMark) == (mark == RevisionMark)) {
        closestore(d, store);
        showmark(d, entrybuffer.mark);
        return entrybuffer.mark;
    }
    if (!rewriteandclose(d, &scan, offsetof(DictEntry, mark), mark)) return entrybuffer.mark;
    entrybuffer.mark = (int16_t)mark;
    showmark(d, mark);
    return mark;
}
