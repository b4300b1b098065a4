// The search lower-cases a record eight bytes at a time: every byte value,
// at every place in those eight and in the bytes left over after them, must
// come out as the plain one-byte rule gives it (A to Z only).
#include <gtest/gtest.h>

#include <string>

#include "dictionary/search.h"

static char onebyone(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

TEST(LowerCase, EveryByteValueAtEveryPlaceComesOutAsTheOneByteRuleGivesIt)
{
    for (int value = 1; value < 256; ++value) {
        for (size_t length = 1; length <= 19; ++length) {
            for (size_t at = 0; at < length; ++at) {
                std::string text(length, 'M');
                text[at] = (char)value;
                std::string expected = text;
                for (char &c : expected) c = onebyone(c);
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
