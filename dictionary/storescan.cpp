#include "dictionary/storescan.h"

#include "dictionary/store.h"
#include "common/text.h"

void startscan(StoreScan *scan, DataFile *store, int count)
{
    scan->store = store;
    scan->count = count;
    scan->number = 0;
    scan->restdue = false;
}

// No record comes after a read or a skip that failed.
static bool endrecords(StoreScan *scan)
{
    scan->count = scan->number;
    scan->restdue = false;
    return false;
}

bool nextword(StoreScan *scan, DictEntry *entry)
{
    if (scan->restdue) {
        scan->restdue = false;
        if (!skiprest(scan->store)) return endrecords(scan);
    }
    if (scan->number >= scan->count || !readword(scan->store, entry)) return endrecords(scan);
    ++scan->number;
    scan->restdue = true;
    return true;
}

bool scanrest(StoreScan *scan, DictEntry *entry)
{
    scan->restdue = false;
    return readrest(scan->store, entry) || endrecords(scan);
}

bool scanlevel(StoreScan *scan, DictEntry *entry)
{
    scan->restdue = false;
    return readlevel(scan->store, entry) || endrecords(scan);
}

bool nextrecord(StoreScan *scan, DictEntry *entry)
{
    if (scan->number >= scan->count || !readrecord(scan->store, entry)) return endrecords(scan);
    ++scan->number;
    return true;
}

bool findentry(StoreScan *scan, DictEntry *entry, const char *text)
{
    while (nextword(scan, entry))
        if (sameword(entry->word, text)) return scanrest(scan, entry);
    return false;
}

bool endscan(StoreScan *scan)
{
    return fileclose(scan->store);
}
