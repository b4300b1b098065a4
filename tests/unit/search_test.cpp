// The string logic of the related-word search: squeezing, normalising and
// matching one query word against a record; and the lower-casing of a
// record eight bytes at a time, which must give what the plain one-byte rule
// gives (A to Z only) for every byte value at every place in those eight and
// in the bytes left over after them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/text.h"
#include "dictionary/search.h"

struct TextCase {
    const char *given;
    const char *expected;
};

// The text as the step leaves it, in a buffer of a query's size.
static std::string applied(void (*step)(char *), const char *text)
{
    char buffer[QUERYSIZE];
    copytext(buffer, sizeof buffer, text);
    step(buffer);
    return buffer;
}

TEST(SqueezeSpaces, KeepsTheFirstOfEveryRunOfWhitespaceAndNoneAtEitherEnd)
{
    const TextCase cases[] = {
        {"", ""},
        {"   ", ""},
        {"\t\n\v\f\r ", ""},
        {"dock", "dock"},
        {"  dry   dock  ", "dry dock"},
        {"dry\t \n dock", "dry\tdock"},  // the run keeps its first character, a tab
        {"dry \t", "dry"},
        {"a b", "a b"},
        {"dry\x1f""dock", "dry\x1f""dock"},  // 31 is no whitespace
    };
    for (const TextCase &c : cases) EXPECT_EQ(applied(squeezespaces, c.given), c.expected) << "squeezing \"" << c.given << '"';
}

TEST(NormaliseQuery, LeavesOnlyLowerCaseLettersAndSingleSpaces)
{
    const TextCase cases[] = {
        {"", ""},
        {"Harbour-Wall", "harbour wall"},
        {"  DRY   dock ", "dry dock"},
        {"123", ""},
        {"!?., ;", ""},
        {"berth2quay", "berth quay"},
        {"\xC9tal quay", "tal quay"},  // bytes from 128 upwards are no letters
        {"bo\xFFllard", "bo llard"},
        {"a\tb\r\nc", "a b c"},
        {"[Z]@`{a}", "z a"},  // the neighbours of A-Z and a-z are no letters
    };
    for (const TextCase &c : cases)
        EXPECT_EQ(applied(normalisequery, c.given), c.expected) << "normalising \"" << c.given << '"';
}

TEST(NormaliseQuery, WorksOnAFullBufferOf499Characters)
{
    std::string query(QUERYSIZE - 1, 'Q');
    query[200] = '-';
    std::string expected = std::string(200, 'q') + " " + std::string(QUERYSIZE - 1 - 201, 'q');
    EXPECT_EQ(applied(normalisequery, query.c_str()), expected);
}

struct MatchCase {
    const char *word;
    const char *meaning;
    const char *pattern;
    bool matches;
};

TEST(MatchesEntry, FindsThePatternAsASubstringOfTheMeaningOrTheWordInAnyCase)
{
    const MatchCase cases[] = {
        {"arm", "", "arm", true},
        {"armour", "", "arm", true},            // no regard to word boundaries
        {"quay", "a farm by the water", "arm", true},
        {"quay", "A FARM", "arm", true},
        {"HARBOUR WALL", "", "harbour wall", true},
        {"quay", "harbour, wall", "harbour wall", false},
        {"quay", "harbour  wall", "harbour wall", false},
        {"quay", "harbour\r\nwall", "harbour wall", false},
        {"quay", "wall harbour", "harbour wall", false},
        {"quay", "", "harbour", false},
        {"", "", "x", false},
    };
    for (const MatchCase &c : cases) {
        char word[100], meaning[100], pattern[100];
        strcpy(word, c.word);
        strcpy(meaning, c.meaning);
        strcpy(pattern, c.pattern);
        EXPECT_EQ(matchesentry(word, meaning, pattern), c.matches)
            << '"' << c.pattern << "\" in \"" << c.word << "\" / \"" << c.meaning << '"';
    }
}

TEST(MatchesEntry, LowerCasesTheRecordAndThePatternInPlaceAndOnlyAToZ)
{
    char word[] = "Harbour WALL";
    char meaning[] = "\xC9tang, QUAY";
    char pattern[] = "Quay";
    EXPECT_TRUE(matchesentry(word, meaning, pattern));
    EXPECT_STREQ(word, "harbour wall");
    EXPECT_STREQ(meaning, "\xC9tang, quay") << "a byte above 127 keeps its case";
    EXPECT_STREQ(pattern, "quay");
}

TEST(LowerCase, EveryByteValueAtEveryPlaceComesOutAsTheOneByteRuleGivesIt)
{
    for (int value = 1; value < 256; ++value) {
        for (size_t length = 1; length <= 19; ++length) {
            for (size_t at = 0; at < length; ++at) {
                std::string text(length, 'M');
                text[at] = (char)value;
                std::string expected = text;
                for (char &c : expected) c = lowerascii(c);
                char word[32];
                char meaning[32];
                char pattern[] = "x";
                snprintf(word, sizeof word, "%s", text.c_str());
                snprintf(meaning, sizeof meaning, "%s", text.c_str());
                matchesentry(word, meaning, pattern);
                ASSERT_EQ(std::string(meaning), expected) << "byte " << value << " at " << at << " of " << length;
                ASSERT_EQ(std::string(word), expected) << "byte " << value << " at " << at << " of " << length;
            }
        }
    }
}
