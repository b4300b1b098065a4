// The search's own pattern finder answers as strstr does, in a text given by
// its length, and never looks past that length.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dictionary/findtext.h"

using std::string;

static bool found(const string &pattern, const string &text)
{
    FindPattern prepared;
    preparefind(&prepared, pattern.c_str());
    return findin(&prepared, text.data(), text.size());
}

TEST(FindText, AnswersAsStrstrDoes)
{
    struct Case {
        const char *what;
        string pattern;
        string text;
        bool found;
    } cases[] = {
        {"an empty pattern is in every text", "", "quay", true},
        {"an empty pattern is in the empty text", "", "", true},
        {"nothing else is in the empty text", "a", "", false},
        {"the pattern is the whole text", "harbour", "harbour", true},
        {"a text one shorter than the pattern", "harbour", "harbou", false},
        {"at the start", "sea", "sea wall", true},
        {"at the very end", "wall", "sea wall", true},
        {"cut off by the text's end", "walls", "sea wall", false},
        {"after a false start", "aab", "aaab", true},
        {"a repeated byte ahead of the end", "abab", "abaabab", true},
        {"bytes from 128 up", "caf\xe9", "un caf\xe9 noir", true},
        {"a byte from 128 up that differs", "caf\xe9", "un caf\xc9 noir", false},
        {"a phrase with its space", "harbour wall", "the harbour wall.", true},
        {"not across a line break", "harbour wall", "harbour\r\nwall", false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(found(c.pattern, c.text), c.found) << c.what;
        EXPECT_EQ(found(c.pattern, c.text), strstr(c.text.c_str(), c.pattern.c_str()) != nullptr) << c.what;
    }
}

TEST(FindText, LooksNoFurtherThanTheLengthItIsGiven)
{
    FindPattern prepared;
    preparefind(&prepared, "wall");
    const char text[] = "sea wall";
    EXPECT_FALSE(findin(&prepared, text, 7)) << "the last byte is not part of the text";
    EXPECT_TRUE(findin(&prepared, text, 8));
}

TEST(FindText, AgreesWithStrstrOnRandomTextsOfFewLetters)
{
    unsigned seed = 12345;
    auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % range;
    };
    for (int round = 0; round < 20000; ++round) {
        string text, pattern;
        unsigned letters = 2 + next(3);
        for (unsigned n = next(40); n > 0; --n) text += (char)('a' + next(letters));
        for (unsigned n = 1 + next(6); n > 0; --n) pattern += (char)('a' + next(letters));
        ASSERT_EQ(found(pattern, text), strstr(text.c_str(), pattern.c_str()) != nullptr)
            << "\"" << pattern << "\" in \"" << text << "\"";
    }
}
