// How the lines of the text source become records: the headword cut, the
// meaning lines, the field bounds and the 8000-byte line bound.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dictionary/rebuild.h"
#include "dictionary/store.h"
#include "tests/headless.h"
#include "tests/support/scratch.h"

using std::string;

using SourceLines = ScratchTest;

// Rebuilds from the source, answering Yes, and returns every stored record.
static std::vector<DictEntry> rebuiltfrom(const string &source)
{
    writewholefile(SOURCEFILE, source);
    Dialog d = headlesscreate();
    d->answers.push_back(ANSWER_YES);
    rebuildstore(d);
    headlessdestroy(d);
    std::vector<DictEntry> records;
    int count = countrecords(RECORDSIZE, STOREFILE);
    for (int i = 1; i <= count; ++i) records.push_back(storedrecord(i));
    return records;
}

struct HeadwordCase {
    const char *line;
    const char *word;
};

TEST_F(SourceLines, AHeadwordIsItsLineLessSevenCharactersAndOneTrailingSpace)
{
    const HeadwordCase cases[] = {
        {"Anchor marvoc\n", "Anchor"},
        {"Anchor  marvoc\n", "Anchor "},  // two spaces before the marker leave one
        {"marvoc\n", ""},
        {" marvoc\n", ""},
        {"dry dock marvoc\n", "dry dock"},
        {"marvoc sits first\n", "marvoc sits"},  // the cut is made wherever the marker stands
        {"Anchor marvoc", "Anchor"},            // a last line without a line feed
        {"marvoc", ""},                         // shorter than the cut
        {"xmarvoc", ""},
    };
    for (const HeadwordCase &c : cases) {
        std::vector<DictEntry> records = rebuiltfrom(c.line);
        ASSERT_EQ(records.size(), 1u) << c.line;
        EXPECT_STREQ(records[0].word, c.word) << "the line \"" << c.line << '"';
    }
}

struct FieldCase {
    const char *name;
    string source;
    string word;
    string meaning;
    bool last;  // the source ends in this entry's last line, without a line feed
};

// Meaning lines end in CR LF, a blank one too; a last line without a line
// feed stays as it is.
TEST_F(SourceLines, ALongHeadwordOrMeaningIsCutAtItsFieldAndTheRecordStaysWhole)
{
    const FieldCase cases[] = {
        {"a blank line stays", "anchor marvoc\nA hook.\n\nIt holds.\n", "anchor", "A hook.\r\n\r\nIt holds.\r\n",
         false},
        {"a last line without its line feed", "berth marvoc\nA place.\nAt a quay.", "berth", "A place.\r\nAt a quay.",
         true},
        {"headword of 99, exact fit", string(99, 'w') + " marvoc\n", string(99, 'w'), "", false},
        {"headword of 100, one over", string(100, 'w') + " marvoc\n", string(99, 'w'), "", false},
        {"empty meaning line", "w marvoc\n\n", "w", "\r\n", false},
        {"meaning of 7999, exact fit", "w marvoc\n" + string(7997, 'm') + "\n", "w",
         string(7997, 'm') + "\r\n", false},
        {"meaning of 8000, one over: no lone CR at the cut", "w marvoc\n" + string(7998, 'm') + "\n", "w",
         string(7998, 'm'), false},
        {"meaning of 7998 at a line end: the next line once glued on", "w marvoc\n" + string(7998, 'm') + "\nxy\n",
         "w", string(7998, 'm'), false},
        // a meaning line of 8000 bytes or more arrives in pieces
        {"meaning line of 8000: its line feed arrives alone and no longer fits",
         "w marvoc\n" + string(7999, 'm') + "\n", "w", string(7999, 'm'), false},
        {"meaning line of 8001: \"m\" and its line feed arrive alone", "w marvoc\n" + string(8000, 'm') + "\n", "w",
         string(7999, 'm'), false},
        {"last line of 7999, exact fit", "w marvoc\n" + string(7999, 'm'), "w", string(7999, 'm'), true},
        {"last line of 8000, one over", "w marvoc\n" + string(8000, 'm'), "w", string(7999, 'm'), true},
        {"three lines over the field", "w marvoc\n" + string(3000, 'a') + "\n" + string(3000, 'b') + "\n" +
                                           string(3000, 'c') + "\n",
         "w", string(3000, 'a') + "\r\n" + string(3000, 'b') + "\r\n" + string(1995, 'c'), false},
    };
    for (const FieldCase &c : cases) {
        std::vector<DictEntry> records = rebuiltfrom(c.last ? c.source : c.source + "next marvoc\nafter\n");
        ASSERT_EQ(records.size(), c.last ? 1u : 2u) << c.name;
        EXPECT_EQ(records[0].word, c.word) << c.name;
        EXPECT_EQ(records[0].meaning, c.meaning) << c.name;
        if (c.last) continue;
        EXPECT_STREQ(records[1].word, "next") << c.name << ": the next entry starts clean";
        EXPECT_STREQ(records[1].meaning, "after\r\n") << c.name;
    }
}

struct LineBoundCase {
    size_t bytes;  // the whole line with its line feed
    size_t records;
    const char *meaningofsecond;
};

// The line holds x's, one space and the marker: cut in two, its first piece
// keeps the marker only while the line feed alone is left over.
TEST_F(SourceLines, ALineOfMoreThan7999BytesArrivesInPiecesEachALineOfItsOwn)
{
    const LineBoundCase cases[] = {
        {7999, 3, ""},      // one piece: a headword line
        {8000, 3, "\r\n"},  // the line feed arrives alone, as a blank meaning line
        {8001, 2, "A place.\r\n"},  // "marvo" and "c\n": no headword at all
    };
    for (const LineBoundCase &c : cases) {
        string line = string(c.bytes - 8, 'x') + " marvoc\n";
        std::vector<DictEntry> records = rebuiltfrom("anchor marvoc\n" + line + "berth marvoc\nA place.\n");
        ASSERT_EQ(records.size(), c.records) << c.bytes << " bytes";
        EXPECT_STREQ(records[1].meaning, c.meaningofsecond) << c.bytes << " bytes";
        if (c.records == 3) {
            EXPECT_EQ(records[1].word, string(99, 'x')) << c.bytes << " bytes";
        }
    }
}

TEST_F(SourceLines, EveryRecordIsClearedSoNothingOfTheEntryBeforeItRemains)
{
    std::vector<DictEntry> records = rebuiltfrom("a long headword marvoc\n" + string(500, 'm') + "\nb marvoc\nx\n");
    ASSERT_EQ(records.size(), 2u);
    DictEntry expected = makeentry({"b", "x\r\n", 0, LevelVeryHard});
    EXPECT_EQ(memcmp(&records[1], &expected, sizeof expected), 0) << "every byte after the NULs is zero";
}
