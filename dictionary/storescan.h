// The frame of every command's scan of the store: it is opened for the one
// command and closed before the command returns, and a store that cannot be
// opened, or whose reads failed, is told in the one message the user knows,
// "The file wl.dic was not found or is unaccessible".
#ifndef VANTREL_STORESCAN_H
#define VANTREL_STORESCAN_H

#include "dictionary/fileio.h"
#include "dictionary/toolkit.h"

// Opens the store in mode ("rb" to read, "rb+" to rewrite a field); null,
// and told, when it cannot be opened.
DataFile *openstore(Dialog d, const char *mode);
// Closes the store; false, and told, when a read, a write or the close failed,
// so that part of the store is never taken for the whole of it.
bool closestore(Dialog d, DataFile *store);
void tellstoremissing(Dialog d);

#endif
