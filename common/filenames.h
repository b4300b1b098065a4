// File names compared as the file system compares them, for setup and its
// uninstaller: two names that Windows takes for one file are equal here.
// On Windows it is the system's own ordinal comparison without regard to
// case, of the names turned from the ANSI code page into UTF-16; elsewhere,
// for the host tests, the same over Windows-1252 with the upper case the
// system gives each of its letters.
#ifndef VANTREL_FILENAMES_H
#define VANTREL_FILENAMES_H

// Less than, equal to or greater than 0 as a comes before, is one name with,
// or comes after b; an order in which equal names stand together.
int comparefilenames(const char *a, const char *b);

#endif
