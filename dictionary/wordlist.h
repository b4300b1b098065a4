// The word list (list box 128) and the settings and filters that narrow it.
#ifndef VANTREL_WORDLIST_H
#define VANTREL_WORDLIST_H

#include <cstddef>

#include "dictionary/toolkit.h"

// Which levels the list shows: 0 all, 4 levels 3 and 117, 2 level 117 only.
extern int ShowFilter;
const int SHOWALL = 0;
const int SHOWHARD = 4;
const int SHOWUNKNOWN = 2;
// RevisionMark while "marked words only" is checked, else 0.
extern int MarkedOnlyFilter;

bool passesfilter(int markedonly, int show, int level, int mark);

// Writes source backwards into target (size bytes with the NUL), cut to fit.
void reversestring(const char *source, char *target, size_t size);

// The full fill at start-up: every record that passes the two settings.
void fillwordlist(Dialog d);
// The narrowed list: the settings and the enabled, non-empty text filters.
void filterwordlist(Dialog d);
// Every headword of the store, no filter applied, in the list's own order.
void listallwords(Dialog d);

// Commands of the filter controls.
void onfiltercheck(Dialog d, int checkid, int editid);
void onshowradio(Dialog d);
void onmarkedonly(Dialog d);

#endif
