// Narrowing the word list by level, by mark and by the three text filters.
#include "tests/scenarios/scenario.h"

using Filters = DialogTest;
using std::string;
using std::vector;

// Every word here differs from the others in its letters, so the order of the
// list is the same on every platform.
static vector<TestEntry> filterglossary()
{
    return {
        {"Harbour master", "", 0, LevelVeryHard},
        {"harbour", "", 0, LevelHard},
        {"mooring", "", RevisionMark, LevelUnknown},
        {"ingot", "", 0, LevelVeryEasy},
        {"seafaring", "", 0, LevelEasy},
        {"sealing", "", RevisionMark, LevelVeryHard},
        {"steaming", "", 0, LevelUnknown},
        {"sailing", "", 0, LevelHard},
        {"seamen", "", 0, LevelEasy},
        {"beading", "", 0, LevelVeryHard},
        {"bollard", "", RevisionMark, LevelHard},
    };
}

TEST_F(Filters, TheShowRadiosAndMarkedOnlyPassLevelsAndMarks)
{
    writestore(filterglossary());
    start();
    userclick(dialog, IDC_SHOW_HARD);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST),
              (vector<string>{"beading", "Harbour master", "mooring", "sealing", "steaming"}))
        << "levels 3 and 117, not 114, 115 or 116";
    userclick(dialog, IDC_SHOW_UNKNOWN);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), (vector<string>{"mooring", "steaming"}));

    userclick(dialog, IDC_MARKEDONLY);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), vector<string>{"mooring"});
    userclick(dialog, IDC_SHOW_HARD);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), (vector<string>{"mooring", "sealing"}));
    userclick(dialog, IDC_SHOW_ALL);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), (vector<string>{"bollard", "mooring", "sealing"}));
    userclick(dialog, IDC_MARKEDONLY);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST).size(), 11u);
}

TEST_F(Filters, EveryNarrowingEmptiesTheWordBoxAndWritesBothCounts)
{
    writestore(filterglossary());
    start("sealing");
    userclick(dialog, IDC_SHOW_UNKNOWN);
    EXPECT_EQ(textof(dialog, IDC_WORD), "");
    EXPECT_EQ(textof(dialog, IDC_STATUS), "11");
    EXPECT_EQ(textof(dialog, IDC_WORDCOUNT), "2");
    userclick(dialog, IDC_MARKEDONLY);
    userclick(dialog, IDC_SUFFIXON);
    usertype(dialog, IDC_SUFFIX, "x");
    EXPECT_TRUE(listitems(dialog, IDC_WORDLIST).empty());
    EXPECT_EQ(textof(dialog, IDC_WORDCOUNT), "0");
}

struct TextFilterCase {
    const char *name;
    const char *prefix;  // null: the box stays unchecked
    const char *contains;
    const char *suffix;
    vector<string> listed;
};

TEST_F(Filters, TheTextFiltersCompareTheHeadwordCaseSensitivelyAndCombine)
{
    const TextFilterCase cases[] = {
        {"prefix Har", "Har", nullptr, nullptr, {"Harbour master"}},
        {"prefix har", "har", nullptr, nullptr, {"harbour"}},
        {"suffix ing", nullptr, nullptr, "ing",
         {"beading", "mooring", "sailing", "seafaring", "sealing", "steaming"}},
        {"suffix longer than the word", nullptr, nullptr, "xmooring", {}},
        {"suffix the whole word", nullptr, nullptr, "ingot", {"ingot"}},
        {"contains ea", nullptr, "ea", nullptr, {"beading", "seafaring", "sealing", "seamen", "steaming"}},
        {"s, ea and ing", "s", "ea", "ing", {"seafaring", "sealing", "steaming"}},
        {"contains ster", nullptr, "ster", nullptr, {"Harbour master"}},
    };
    for (const TextFilterCase &c : cases) {
        writestore(filterglossary());
        start();
        const char *texts[] = {c.prefix, c.contains, c.suffix};
        const int boxes[][2] = {{IDC_PREFIXON, IDC_PREFIX}, {IDC_CONTAINSON, IDC_CONTAINS}, {IDC_SUFFIXON, IDC_SUFFIX}};
        for (int i = 0; i < 3; ++i) {
            if (texts[i] == nullptr) continue;
            userclick(dialog, boxes[i][0]);
            usertype(dialog, boxes[i][1], texts[i]);
        }
        EXPECT_EQ(listitems(dialog, IDC_WORDLIST), c.listed) << c.name;
        EXPECT_EQ(textof(dialog, IDC_WORDCOUNT), std::to_string(c.listed.size())) << c.name;
    }
}

TEST_F(Filters, AHundredCharacterPrefixOrSuffixIsUsedWithoutItsLastCharacter)
{
    writestore({{string(99, 'p'), "", 0, 3}, {string(99, 's'), "", 0, 3}, {"quay", "", 0, 3}});
    start();
    userclick(dialog, IDC_PREFIXON);
    usertype(dialog, IDC_PREFIX, string(100, 'p').c_str());
    EXPECT_EQ(textof(dialog, IDC_PREFIX), string(100, 'p')) << "the box takes 100 characters";
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), vector<string>{string(99, 'p')});
    userclick(dialog, IDC_PREFIXON);
    userclick(dialog, IDC_SUFFIXON);
    usertype(dialog, IDC_SUFFIX, string(100, 's').c_str());
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), vector<string>{string(99, 's')});
}

TEST_F(Filters, CheckingAnEmptyFilterBoxOnlyEnablesAndFocusesIt)
{
    writestore(filterglossary());
    start("sealing");
    vector<string> listed = listitems(dialog, IDC_WORDLIST);
    userclick(dialog, IDC_CONTAINSON);
    EXPECT_TRUE(tkisenabled(dialog, IDC_CONTAINS));
    EXPECT_EQ(tkgetfocus(dialog), IDC_CONTAINS);
    EXPECT_EQ(textof(dialog, IDC_WORD), "sealing") << "no narrowing ran";
    EXPECT_EQ(textof(dialog, IDC_STATUS), "");
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), listed);

    usertype(dialog, IDC_CONTAINS, "ea");
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST).size(), 5u);
    usertype(dialog, IDC_CONTAINS, "");
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), listed) << "an enabled empty box filters nothing";
}

TEST_F(Filters, UncheckingABoxWithTextNarrowsWithoutItAndKeepsTheText)
{
    writestore(filterglossary());
    start();
    vector<string> listed = listitems(dialog, IDC_WORDLIST);
    userclick(dialog, IDC_PREFIXON);
    usertype(dialog, IDC_PREFIX, "sea");
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), (vector<string>{"seafaring", "sealing", "seamen"}));
    userclick(dialog, IDC_PREFIXON);
    EXPECT_FALSE(tkisenabled(dialog, IDC_PREFIX));
    EXPECT_EQ(textof(dialog, IDC_PREFIX), "sea");
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), listed);
    EXPECT_NE(tkgetfocus(dialog), IDC_PREFIX);
    userclick(dialog, IDC_SHOW_ALL);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), listed) << "a disabled box filters nothing, whatever it holds";
}

TEST_F(Filters, TwoEntriesWithOneHeadwordAreListedTwice)
{
    writestore({{"quay", "first", 0, 3}, {"quay", "second", 0, 3}, {"berth", "", 0, 3}});
    start();
    userclick(dialog, IDC_SUFFIXON);
    usertype(dialog, IDC_SUFFIX, "ay");
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), (vector<string>{"quay", "quay"}));
    EXPECT_EQ(textof(dialog, IDC_WORDCOUNT), "2");
}

TEST_F(Filters, AStoreEmptiedAfterStartUpIsReportedAndEverythingStays)
{
    writestore(filterglossary());
    start();
    userclick(dialog, IDC_SHOW_HARD);
    usertype(dialog, IDC_WORD, "sealing");
    vector<string> listed = listitems(dialog, IDC_WORDLIST);
    writestore({});
    clearmessages();
    userclick(dialog, IDC_SHOW_ALL);
    userclick(dialog, IDC_MARKEDONLY);
    EXPECT_EQ(messagetexts(), vector<string>(2, STOREMISSINGBOX));
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), listed);
    EXPECT_EQ(textof(dialog, IDC_STATUS), "11");
    EXPECT_EQ(textof(dialog, IDC_WORDCOUNT), "5");
    EXPECT_EQ(textof(dialog, IDC_WORD), "sealing");
}
