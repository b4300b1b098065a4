// The store as a command of the dialog opens, rewrites and closes it, each
// failure told to the user (dictionary/storescan.h); the scan itself needs
// no window, so that setup links it without these.
#include "dictionary/storescan.h"

#include "dictionary/store.h"

void tellstoremissing(Dialog d)
{
    tkmessage(d, STOREMISSING, ERRORCAPTION, BOX_OK);
}

DataFile *openstore(Dialog d, const char *mode)
{
    DataFile *store = fileopen(STOREFILE, mode);
    if (!store) tellstoremissing(d);
    return store;
}

bool closestore(Dialog d, DataFile *store)
{
    bool whole = fileclose(store);
    if (!whole) tellstoremissing(d);
    return whole;
}

bool rewriteandclose(Dialog d, StoreScan *scan, size_t fieldoffset, int value)
{
    bool written = rewritefield(scan->store, fieldoffset, (int16_t)value) && fileflush(scan->store);
    bool closed = fileclose(scan->store);
    if (!written || !closed) tellstoremissing(d);
    return written && closed;
}
