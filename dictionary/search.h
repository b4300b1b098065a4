// The related-word search: every entry whose word or meaning holds all the
// words of a query, or one exact phrase.
#ifndef VANTREL_SEARCH_H
#define VANTREL_SEARCH_H

#include "dictionary/toolkit.h"

enum SearchMode {
    SearchAllWords = 0,
    SearchPhrase = 2,
    SearchListedWord = -1  // as all words, but a single match counts as none
};

// the result header: one of these and the normalised query
extern const char FOUNDHEADER[];     // "Related words found for "
extern const char NOTFOUNDHEADER[];  // "No Synonyms found for "

const int QUERYSIZE = 500;  // the word box read by a command: 499 characters

void squeezespaces(char *text);
void normalisequery(char *query);
// lower-cases all three in place; true when pattern occurs in meaning or word
bool matchesentry(char *word, char *meaning, char *pattern);
// query is the caller's buffer of QUERYSIZE bytes, normalised in place
void searchrelated(Dialog d, char *query, SearchMode mode);

#endif
