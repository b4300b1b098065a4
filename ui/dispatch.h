// The main dialog's commands: one table from control identifier and
// notification code to the operation that runs.
#ifndef VANTREL_DISPATCH_H
#define VANTREL_DISPATCH_H

#include "dictionary/toolkit.h"

void dispatchcommand(Dialog d, int id, int code);

#endif
