#include <cstring>

#include "dictionary/store.h"
#include "common/text.h"
#include "tests/support/scratch.h"

using StoreTest = ScratchTest;

TEST_F(StoreTest, CountsOnlyWholeRecordsAndNothingForAMissingStore)
{
    EXPECT_EQ(countrecords(RECORDSIZE, STOREFILE), 0) << "a missing store has no records";
    EXPECT_FALSE(storefailsintegrity()) << "a missing store does not fail the integrity test";
    writewholefile(STOREFILE, "");
    EXPECT_EQ(countrecords(RECORDSIZE, STOREFILE), 0) << "an empty store has no records";
    EXPECT_FALSE(storefailsintegrity()) << "an empty store is intact";
    writestore({{"anchor", "", 0, 3}, {"berth", "", 0, 3}, {"quay", "", 0, 3}}, 10);
    EXPECT_EQ(countrecords(RECORDSIZE, STOREFILE), 3) << "a partial record is not counted";
    EXPECT_TRUE(storefailsintegrity()) << "3 records and 10 bytes fail the integrity test";
    writestore({{"anchor", "", 0, 3}});
    EXPECT_FALSE(storefailsintegrity());
}

TEST_F(StoreTest, RecordsAreReadWholeAndAlwaysTerminated)
{
    DictEntry hostile;
    memset(&hostile, 'z', sizeof hostile);  // no NUL anywhere
    std::string bytes = recordbytes(hostile);
    writewholefile(STOREFILE, bytes + bytes.substr(0, 500));
    DataFile *store = fileopen(STOREFILE, "rb");
    ASSERT_NE(store, nullptr);
    DictEntry entry;
    ASSERT_TRUE(readrecord(store, &entry));
    EXPECT_EQ(strlen(entry.word), (size_t)WORDSIZE - 1) << "an unterminated word stops at its field";
    EXPECT_EQ(strlen(entry.meaning), (size_t)MEANINGSIZE - 1);
    EXPECT_FALSE(readrecord(store, &entry)) << "a half record is never used";
    fileclose(store);
}

TEST_F(StoreTest, RewritingAFieldChangesOnlyItsTwoBytes)
{
    writestore({{"anchor", "a heavy hook", 0, 3}, {"berth", "a ship's place", 0, 3}});
    std::string before = readwholefile(STOREFILE);
    DataFile *store = fileopen(STOREFILE, "rb+");
    ASSERT_NE(store, nullptr);
    DictEntry entry;
    ASSERT_TRUE(readrecord(store, &entry));
    ASSERT_TRUE(readrecord(store, &entry));
    ASSERT_TRUE(rewritefield(store, offsetof(DictEntry, level), LevelEasy));
    ASSERT_TRUE(fileclose(store));
    EXPECT_TRUE(sameoutsidefield(readwholefile(STOREFILE), before, 2, offsetof(DictEntry, level)))
        << "the store keeps its size and every byte outside the field";
    EXPECT_EQ(storedrecord(2).level, LevelEasy);
}

TEST(SameWord, ComparesWholeWordsWithAsciiLettersAsOneCase)
{
    EXPECT_TRUE(sameword("HARBOUR", "harbour"));
    EXPECT_FALSE(sameword("harbour", "harbour wall"));
    EXPECT_FALSE(sameword("harbour wall", "harbour"));
    EXPECT_TRUE(sameword("", ""));
    EXPECT_FALSE(sameword("\xC9tal", "\xE9tal")) << "bytes above 127 keep their case";
}

struct CopyCase {
    const char *source;
    size_t size;
    const char *expected;
    bool fits;
};

TEST(CopyText, CutsAtTheBufferAndSaysSo)
{
    const CopyCase cases[] = {
        {"", 4, "", true},          // empty
        {"abc", 4, "abc", true},    // exact fit
        {"abcd", 4, "abc", false},  // one over
        {"abcd", 1, "", false},
    };
    for (const CopyCase &c : cases) {
        char buffer[8];
        memset(buffer, 'q', sizeof buffer);
        EXPECT_EQ(copytext(buffer, c.size, c.source), c.fits) << c.source;
        EXPECT_STREQ(buffer, c.expected);
        EXPECT_EQ(buffer[c.size], 'q') << "nothing written past the buffer";
    }
}

TEST(AppendText, FillsToTheLastByteAndNoFurther)
{
    char buffer[6] = "ab";
    EXPECT_TRUE(appendtext(buffer, sizeof buffer, "cde"));
    EXPECT_STREQ(buffer, "abcde");
    EXPECT_FALSE(appendtext(buffer, sizeof buffer, "f"));
    EXPECT_STREQ(buffer, "abcde");
}
