// Finding a pattern in a text, for the related-word search, which looks for
// the same few query words in every record of the store.  Each pattern is
// made ready once (the skip table of Horspool's search), and each look then
// steps over the text as far as the byte under the pattern's last byte
// allows, instead of trying every place.  C runtimes differ widely in how
// fast their strstr is; this is the same everywhere.
#ifndef VANTREL_FINDTEXT_H
#define VANTREL_FINDTEXT_H

#include <cstddef>

struct FindPattern {
    const char *text;              // the caller's; it must outlive the pattern
    size_t length;
    unsigned short shift[256];     // how far to move on, by the byte under the pattern's end
};

void preparefind(FindPattern *pattern, const char *text);

// True when the pattern occurs in the first length bytes of text, as strstr
// would find it in the same text ended there.  An empty pattern is found in
// every text.
bool findin(const FindPattern *pattern, const char *text, size_t length);

#endif
