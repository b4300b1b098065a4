#include "dictionary/rebuild.h"

int rebuildstore(Dialog) { return 0; }
