// Start-up of the main dialog: the command-line tail and the initialisation.
#ifndef VANTREL_STARTUP_H
#define VANTREL_STARTUP_H

#include "dictionary/toolkit.h"

#include "common/commandline.h"

// "\NOCOUNT" in any case, and nothing else, suppresses the usage count.
bool isnocount(const char *tail);

// The initialisation steps of the main dialog, run while it is still hidden.
void initdialog(Dialog d, const char *tail);

// Counts this start in the registry unless the tail says not to.
void countstart(const char *tail);

#endif
