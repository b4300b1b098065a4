#include "dictionary/search.h"

#include <cstdint>
#include <cstring>

#include "dictionary/findtext.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"
#include "common/text.h"

// The query words: at most MAXWORDS, each searched whole however long it is
// (a word of more than 104 letters can come from a long start-up text).
//
// A query of more than ten words is searched with its first ten; the rest are
// left out of the search (the help tells the user of the limit) but stay in
// the header.
//
// A query of more than 99 characters is searched whole; only the header of
// the all-words search shows no more than its first 99, since it is taken
// from the header copy.  The phrase search's header shows up to 105.
static const int MAXWORDS = 10;
static const int HEADERCOPY = 100;
static const size_t HEADERQUERY = 105;  // characters of the query a header shows at most

const char FOUNDHEADER[] = "Related words found for ";
const char NOTFOUNDHEADER[] = "No Synonyms found for ";
static const char NOSEARCH[] =
    "No Search can be performed\n\n"
    "Reasons this can happen: You typed only numbers or spaces or special characters";

static bool iswhitespace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void squeezespaces(char *text)
{
    const char *from = text;
    char *to = text;
    while (iswhitespace(*from)) ++from;
    for (; *from; ++from) {
        if (iswhitespace(*from) && to > text && iswhitespace(to[-1])) continue;
        *to++ = *from;
    }
    if (to > text && iswhitespace(to[-1])) --to;
    *to = '\0';
}

void normalisequery(char *query)
{
    lowercase(query);
    for (char *c = query; *c; ++c)
        if (*c < 'a' || *c > 'z') *c = ' ';
    squeezespaces(query);
}

// The lengths of the lower-cased word and meaning of the record being tested.
struct Lowered {
    size_t word;
    size_t meaning;
};

static bool occursin(const char *word, const char *meaning, const Lowered &lengths, const FindPattern &pattern)
{
    return findin(&pattern, meaning, lengths.meaning) || findin(&pattern, word, lengths.word);
}

bool matchesentry(char *word, char *meaning, char *pattern)
{
    Lowered lengths = {lowercase(word), lowercase(meaning)};
    lowercase(pattern);
    FindPattern prepared;
    preparefind(&prepared, pattern);
    return occursin(word, meaning, lengths, prepared);
}

// Splits the normalised query in place at its single spaces; words[i] points
// at the i-th word, whole.  Returns the number of words kept.
static int splitquery(char *query, const char *words[MAXWORDS])
{
    int count = 0;
    while (*query && count < MAXWORDS) {
        size_t length = strcspn(query, " ");
        words[count++] = query;
        query += length;
        if (*query == ' ') *query++ = '\0';
    }
    return count;
}

// The record in the entry buffer is lower-cased once, not once for each
// query word; the query words are lower case already, being normalised, and
// were made ready for the search once for all records.  Every record is
// lower-cased, as matching it against the first word would do.
static bool matchesall(const FindPattern *patterns, int count)
{
    Lowered lengths = {lowercase(entrybuffer.word), lowercase(entrybuffer.meaning)};
    for (int i = 0; i < count; ++i)
        if (!occursin(entrybuffer.word, entrybuffer.meaning, lengths, patterns[i])) return false;
    return true;
}

static void insertheader(Dialog d, bool found, const char *query)
{
    char shown[HEADERQUERY + 1];
    copytext(shown, sizeof shown, query);
    char header[sizeof FOUNDHEADER + HEADERQUERY];
    copytext(header, sizeof header, found ? FOUNDHEADER : NOTFOUNDHEADER);
    appendtext(header, sizeof header, shown);
    tkcomboinsert(d, IDC_RESULTS, 0, header);
}

// Lists the word of every record that holds all count patterns; true when
// one did.
static bool listmatches(Dialog d, StoreScan *scan, const FindPattern *patterns, int count)
{
    bool found = false;
    tkfillbegin(d, IDC_RESULTS);
    while (nextrecord(scan, &entrybuffer)) {
        if (!matchesall(patterns, count)) continue;
        tkcomboadd(d, IDC_RESULTS, entrybuffer.word);
        found = true;
    }
    tkfillend(d, IDC_RESULTS);
    return found;
}

static void searchallwords(Dialog d, StoreScan *scan, const char *query, bool singleisnone)
{
    char header[HEADERCOPY];
    copytext(header, sizeof header, query);
    char split[QUERYSIZE];
    copytext(split, sizeof split, query);
    const char *words[MAXWORDS];
    int wordcount = splitquery(split, words);
    FindPattern patterns[MAXWORDS];
    for (int i = 0; i < wordcount; ++i) preparefind(&patterns[i], words[i]);

    bool found = listmatches(d, scan, patterns, wordcount);
    // a listed word always finds itself: only a second entry is related to it
    if (singleisnone && tkcombocount(d, IDC_RESULTS) == 1) found = false;
    insertheader(d, found, header);
}

static void searchphrase(Dialog d, StoreScan *scan, char *query)
{
    FindPattern phrase;
    preparefind(&phrase, query);
    insertheader(d, listmatches(d, scan, &phrase, 1), query);
}

void searchrelated(Dialog d, char *query, SearchMode mode)
{
    if (query[0] == '\0') return;
    normalisequery(query);
    if (query[0] == '\0') {
        tkmessage(d, NOSEARCH, "Vantrel", BOX_OK | BOX_ICONINFORMATION);
        return;
    }

    DataFile *store = openstore(d, "rb");
    if (!store) return;
    int count = countrecords(RECORDSIZE, STOREFILE);
    if (count == 0) {
        tellstoremissing(d);
        fileclose(store);
        return;
    }
    tkenable(d, IDC_RESULTS, true);

    StoreScan scan;
    startscan(&scan, store, count);
    if (mode == SearchPhrase)
        searchphrase(d, &scan, query);
    else
        searchallwords(d, &scan, query, mode == SearchListedWord);

    // a read that failed left entries unsearched: the results are not all
    bool whole = endscan(&scan);
    tkcombosetsel(d, IDC_RESULTS, 0);
    if (!whole) tellstoremissing(d);
}
