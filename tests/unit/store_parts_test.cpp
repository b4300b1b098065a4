// A record read in parts (its word first, then its rest, only its level, or
// nothing more) holds what readrecord would have given, keeps every field
// terminated, and never takes a part that came up short.
#include <cstring>
#include <string>

#include "tests/support/filefaults.h"
#include "dictionary/store.h"
#include "tests/support/scratch.h"

using std::string;

using RecordParts = ScratchTest;

// A record with no NUL in its word or meaning, as a damaged store may hold.
static DictEntry unterminated()
{
    DictEntry entry;
    memset(&entry, 'z', sizeof entry);
    entry.mark = (int16_t)RevisionMark;
    entry.level = (int16_t)LevelUnknown;
    return entry;
}

TEST_F(RecordParts, TheWordThenTheRestGiveWhatTheWholeRecordGives)
{
    struct Case {
        const char *what;
        DictEntry entry;
    } cases[] = {
        {"an empty word", makeentry({"", "A meaning.", 0, LevelEasy})},
        {"a word of 99 characters", makeentry({string(99, 'w'), "Fits exactly.", RevisionMark, LevelHard})},
        {"a word and a meaning without their NUL", unterminated()},
    };
    for (const Case &c : cases) {
        writewholefile(STOREFILE, recordbytes(c.entry) + recordbytes(c.entry));
        DataFile *store = fileopen(STOREFILE, "rb");
        ASSERT_NE(store, nullptr);
        DictEntry whole, parts;
        ASSERT_TRUE(readrecord(store, &whole)) << c.what;
        ASSERT_TRUE(readword(store, &parts)) << c.what;
        EXPECT_EQ(parts.meaning[0], '\0') << c.what << ": the meaning is empty until it is read";
        ASSERT_TRUE(readrest(store, &parts)) << c.what;
        fileclose(store);
        EXPECT_EQ(parts.mark, whole.mark) << c.what;
        EXPECT_STREQ(parts.word, whole.word) << c.what;
        EXPECT_STREQ(parts.meaning, whole.meaning) << c.what;
        EXPECT_EQ(parts.level, whole.level) << c.what;
        EXPECT_LE(strlen(parts.word), (size_t)WORDSIZE - 1) << c.what;
    }
}

TEST_F(RecordParts, TheLevelOrNothingMoreLeavesTheNextRecordNext)
{
    writestore({{"anchor", "A heavy hook.", RevisionMark, LevelEasy},
                {"berth", "A ship's place.", 0, LevelUnknown},
                {"quay", "A landing.", 0, LevelHard}});
    DataFile *store = fileopen(STOREFILE, "rb");
    ASSERT_NE(store, nullptr);
    DictEntry entry;
    ASSERT_TRUE(readword(store, &entry) && readlevel(store, &entry));
    EXPECT_STREQ(entry.word, "anchor");
    EXPECT_EQ(entry.mark, RevisionMark);
    EXPECT_EQ(entry.level, LevelEasy) << "the level is read without the meaning";
    EXPECT_EQ(entry.meaning[0], '\0');
    ASSERT_TRUE(readword(store, &entry) && skiprest(store));
    EXPECT_STREQ(entry.word, "berth");
    ASSERT_TRUE(readword(store, &entry) && readrest(store, &entry));
    EXPECT_STREQ(entry.word, "quay") << "after a level and a skip the third record is next";
    EXPECT_STREQ(entry.meaning, "A landing.");
    EXPECT_FALSE(readword(store, &entry)) << "the store ends there";
    fileclose(store);
}

TEST_F(RecordParts, APartThatComesUpShortIsNeverTaken)
{
    struct Case {
        const char *what;
        size_t bytes;  // of the cut record after one whole one
        bool word;
    } cases[] = {
        {"cut inside the word", 50, false},
        {"cut right after the word", 102, true},
        {"cut inside the meaning", 4000, true},
        {"cut one byte before its end", RECORDSIZE - 1, true},
    };
    DictEntry first = makeentry({"anchor", "A heavy hook.", 0, LevelEasy});
    DictEntry second = makeentry({"berth", "A ship's place.", 0, LevelHard});
    for (const Case &c : cases) {
        for (int way = 0; way < 2; ++way) {
            writewholefile(STOREFILE, recordbytes(first) + recordbytes(second).substr(0, c.bytes));
            DataFile *store = fileopen(STOREFILE, "rb");
            ASSERT_NE(store, nullptr);
            DictEntry entry;
            ASSERT_TRUE(readword(store, &entry) && skiprest(store));
            EXPECT_EQ(readword(store, &entry), c.word) << c.what;
            if (c.word) {
                bool rest = way == 0 ? readrest(store, &entry) : readlevel(store, &entry);
                EXPECT_FALSE(rest) << c.what << (way == 0 ? ": the rest" : ": the level") << " is not there";
                EXPECT_EQ(entry.meaning[0], '\0') << c.what;
                EXPECT_EQ(entry.level, 0) << c.what;
            }
            fileclose(store);
        }
    }
}

TEST_F(RecordParts, TheFaultSeamCountsARecordReadInPartsAsOneRead)
{
    writestore({{"anchor", "A heavy hook.", 0, LevelEasy}, {"berth", "A ship's place.", 0, LevelHard}});
    clearfilefaults();
    DataFile *store = fileopen(STOREFILE, "rb");
    ASSERT_NE(store, nullptr);
    DictEntry entry;
    EXPECT_TRUE(readword(store, &entry) && readrest(store, &entry));
    EXPECT_TRUE(readword(store, &entry) && readlevel(store, &entry));
    EXPECT_EQ(filefaults.reads, 2);
    fileclose(store);
    clearfilefaults();
    filefaults.failread = 2;
    store = fileopen(STOREFILE, "rb");
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(readword(store, &entry) && skiprest(store));
    EXPECT_FALSE(readword(store, &entry)) << "the second record's read fails";
    EXPECT_FALSE(fileclose(store)) << "and the failure is told at the close";
    clearfilefaults();
}
