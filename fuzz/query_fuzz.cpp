// The related-word search's string logic: any bytes as a query, a headword,
// a meaning and a pattern, and a whole search over a small store.
//
// squeezespaces keeps every run of other characters and the first character
// of every run of whitespace between them; normalisequery leaves the letters
// a to z, lower-cased, in words separated by single spaces; matchesentry
// lower-cases its three strings and finds the pattern in either; a search of
// any query lists only lower-case headwords under one header line.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>

#include "common/text.h"
#include "dictionary/search.h"
#include "dictionary/store.h"
#include "fuzz/fuzzfolder.h"
#include "tests/headless.h"
#include "tests/support/storebytes.h"
#include "dictionary/resource.h"

static const int RECORDS = 4;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    enterscratch("query");
    std::string store = storebytes({{"Anchor", "A heavy hook.\r\nIt holds a vessel.", 0, LevelVeryHard},
                                    {"harbour wall", "A wall of the harbour.", 0, LevelVeryHard},
                                    {"Quay", "A harbour wall to moor at.", 0, LevelVeryHard},
                                    {"dry-dock", "A dock pumped dry.", 0, LevelVeryHard}});
    writebytes(STOREFILE, store.data(), store.size());
    return 0;
}

static bool iswhite(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

static std::string lowered(std::string text)
{
    for (char &c : text) c = lowerascii(c);
    return text;
}

static std::string expectedsqueeze(const std::string &text)
{
    std::string out;
    bool pending = false;
    char first = ' ';
    for (char c : text) {
        if (iswhite(c)) {
            if (!pending && !out.empty()) first = c;
            if (!out.empty()) pending = true;
            continue;
        }
        if (pending) out += first;
        pending = false;
        out += c;
    }
    return out;
}

static std::string expectednormalised(const std::string &query)
{
    std::string letters = lowered(query);
    for (char &c : letters)
        if (c < 'a' || c > 'z') c = ' ';
    return expectedsqueeze(letters);
}

// a string of at most size - 1 bytes, cut at its first NUL, in a buffer of size
static std::string takestring(FuzzedDataProvider &input, size_t size)
{
    std::string text = input.ConsumeRandomLengthString(size - 1);
    return text.substr(0, text.find('\0'));
}

static void checksqueeze(const std::string &text)
{
    char buffer[QUERYSIZE];
    memcpy(buffer, text.c_str(), text.size() + 1);
    squeezespaces(buffer);
    REQUIRE(buffer == expectedsqueeze(text), "squeezespaces keeps the first of each inner run of whitespace");
}

static void checknormalise(const std::string &text)
{
    char query[QUERYSIZE];
    memcpy(query, text.c_str(), text.size() + 1);
    normalisequery(query);
    std::string once = query;
    REQUIRE(once == expectednormalised(text), "normalisequery leaves words of a to z and single spaces");
    normalisequery(query);
    REQUIRE(once == query, "a normalised query normalises to itself");
}

static void checkmatch(const std::string &word, const std::string &meaning, const std::string &pattern)
{
    char w[WORDSIZE], m[MEANINGSIZE], p[QUERYSIZE];
    memcpy(w, word.c_str(), word.size() + 1);
    memcpy(m, meaning.c_str(), meaning.size() + 1);
    memcpy(p, pattern.c_str(), pattern.size() + 1);
    bool expected = lowered(meaning).find(lowered(pattern)) != std::string::npos ||
                    lowered(word).find(lowered(pattern)) != std::string::npos;
    REQUIRE(matchesentry(w, m, p) == expected, "the pattern matches where it occurs, letters as one case");
    REQUIRE(w == lowered(word) && m == lowered(meaning) && p == lowered(pattern),
            "all three are lower-cased in place, nothing else changes");
}

static void checksearch(const std::string &text, SearchMode mode)
{
    Dialog d = headlesscreate();
    char query[QUERYSIZE];
    memcpy(query, text.c_str(), text.size() + 1);
    searchrelated(d, query, mode);
    const Control *results = findcontrol(d, IDC_RESULTS);
    REQUIRE(results->items.size() <= RECORDS + 1, "at most every record and the header are listed");
    bool searched = !results->items.empty();
    REQUIRE(searched == !expectednormalised(text).empty(), "a query with letters is searched, others not");
    for (size_t i = 0; searched && i < results->items.size(); ++i) {
        const std::string &line = results->items[i];
        bool header = line.rfind("Related words found for ", 0) == 0 || line.rfind("No Synonyms found for ", 0) == 0;
        REQUIRE(header == (i == 0), "the header is the first line, and only it");
        REQUIRE(header || line == lowered(line), "every result is lower case");
    }
    headlessdestroy(d);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    std::string query = takestring(input, QUERYSIZE);
    std::string word = takestring(input, WORDSIZE);
    std::string meaning = takestring(input, MEANINGSIZE);
    int mode = input.ConsumeIntegralInRange(0, 2);
    checksqueeze(query);
    checknormalise(query);
    checkmatch(word, meaning, query);
    checksearch(query, mode == 0 ? SearchAllWords : mode == 1 ? SearchPhrase : SearchListedWord);
    return 0;
}
