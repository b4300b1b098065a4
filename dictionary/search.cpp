#include "dictionary/search.h"

void squeezespaces(char *) {}
void normalisequery(char *) {}
bool matchesentry(char *, char *, char *) { return false; }
void searchrelated(Dialog, char *, SearchMode) {}
