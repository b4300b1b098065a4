#include "dictionary/revision.h"

#include <cstddef>
#include <cstring>

#include "dictionary/store.h"
#include "dictionary/storescan.h"

// The toggle finds the first record whose word is exactly the text, byte for
// byte, and rewrites its mark in place.  A write or close that fails is
// reported with the store message, and the caption keeps what it showed, so
// the screen never claims a change the store does not hold.

void showmark(Dialog d, int mark)
{
    tksettext(d, IDC_REVISION, mark == RevisionMark ? "Unmark from &revision" : "Mark for &revision");
}

int togglemark(Dialog d, const char *text)
{
    int count = countrecords(RECORDSIZE, STOREFILE);
    DataFile *store = openstore(d, "rb+");
    if (!store) return 0;
    StoreScan scan;
    startscan(&scan, store, count);
    if (!findexact(&scan, &entrybuffer, text)) {
        // a read that failed is no proof that the entry is not there
        closestore(d, store);
        return 0;
    }
    int mark = entrybuffer.mark == RevisionMark ? 0 : RevisionMark;
    if (!rewriteandclose(d, &scan, offsetof(DictEntry, mark), mark)) return entrybuffer.mark;
    entrybuffer.mark = (int16_t)mark;
    showmark(d, mark);
    return mark;
}
