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
