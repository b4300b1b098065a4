// Marking the entry on screen for revision and grading its difficulty.
#include <algorithm>
#include <filesystem>

#include "dictionary/filefaults.h"
#include "tests/scenarios/scenario.h"

using Revision = DialogTest;
using std::string;
using std::vector;


TEST_F(Revision, TogglingChangesOnlyTheTwoMarkBytesAndTogglingTwiceRestoresTheStore)
{
    vector<TestEntry> entries = harbourglossary();
    entries[0].mark = 0x7fff;  // no mark, and both of its bytes change on the toggle
    writestore(entries);
    string before = readwholefile(STOREFILE);
    start();
    usertype(dialog, IDC_WORD, "anchor");
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision") << "a mark other than 148 is no mark";

    userclick(dialog, IDC_REVISION);
    string marked = readwholefile(STOREFILE);
    EXPECT_TRUE(sameoutsidefield(before, marked, 1, offsetof(DictEntry, mark)));
    EXPECT_EQ(storedrecord(1).mark, RevisionMark);
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Unmark from &revision");
    EXPECT_EQ(tkgetfocus(dialog), IDC_WORDLIST);

    userclick(dialog, IDC_REVISION);
    EXPECT_EQ(storedrecord(1).mark, 0);
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision");
    userclick(dialog, IDC_REVISION);
    EXPECT_TRUE(readwholefile(STOREFILE) == marked) << "two toggles give back the store byte for byte";
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Unmark from &revision");
    EXPECT_TRUE(shownmessages().empty());
}

TEST_F(Revision, AMarkedEntryIsUnmarkedAndTheListIsNotNarrowedAgain)
{
    writestore(harbourglossary());
    start();
    userclick(dialog, IDC_MARKEDONLY);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), vector<string>{"berth"});
    usertype(dialog, IDC_WORD, "berth");
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Unmark from &revision");
    userclick(dialog, IDC_REVISION);
    EXPECT_EQ(storedrecord(2).mark, 0);
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision");
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), vector<string>{"berth"}) << "until the list is narrowed again";
    userclick(dialog, IDC_SHOW_ALL);
    EXPECT_TRUE(listitems(dialog, IDC_WORDLIST).empty());
}

TEST_F(Revision, ToggleAndLevelActOnTheFirstExactMatchNotOnTheEntryLookedUp)
{
    vector<TestEntry> entries = harbourglossary();
    entries[4] = {"Harbour", "The first one.", 0, LevelHard};
    entries.insert(entries.begin() + 8, {"harbour", "The second one.", RevisionMark, LevelEasy});
    writestore(entries);
    start();
    usertype(dialog, IDC_WORD, "harbour");
    EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "5");
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision") << "entry 5 is not marked";

    userclick(dialog, IDC_REVISION);
    EXPECT_EQ(storedrecord(5).mark, 0) << "Harbour is not harbour";
    EXPECT_EQ(storedrecord(9).mark, 0);
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision") << "the caption tells entry 9's new mark";

    userclick(dialog, IDC_LEVEL_VERYEASY);
    EXPECT_EQ(storedrecord(5).level, LevelHard);
    EXPECT_EQ(storedrecord(9).level, LevelVeryEasy);
}

TEST_F(Revision, OfTwoEqualHeadwordsOnlyTheFirstIsToggledAndGraded)
{
    vector<TestEntry> entries = harbourglossary();
    entries.insert(entries.begin() + 8, {"harbour", "The second one.", 0, LevelEasy});
    writestore(entries);
    string second = readwholefile(STOREFILE).substr(8 * RECORDSIZE, RECORDSIZE);
    start();
    usertype(dialog, IDC_WORD, "harbour");
    userclick(dialog, IDC_REVISION);
    userclick(dialog, IDC_LEVEL_HARD);
    EXPECT_EQ(storedrecord(5).mark, RevisionMark);
    EXPECT_EQ(storedrecord(5).level, LevelHard);
    EXPECT_TRUE(readwholefile(STOREFILE).substr(8 * RECORDSIZE, RECORDSIZE) == second) << "entry 9 untouched";
}

TEST_F(Revision, AWordInAnotherCaseIsShownButNeitherToggledNorGraded)
{
    writestore(harbourglossary());
    string before = readwholefile(STOREFILE);
    start();
    usertype(dialog, IDC_WORD, "HARBOUR");
    EXPECT_TRUE(tkisenabled(dialog, IDC_REVISION));
    userclick(dialog, IDC_REVISION);
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision");
    userclick(dialog, IDC_LEVEL_HARD);
    EXPECT_EQ(textof(dialog, IDC_STATUS), "");
    EXPECT_EQ(checkedlevels(dialog), vector<int>{IDC_LEVEL_HARD}) << "the clicked radio stays checked";
    EXPECT_TRUE(readwholefile(STOREFILE) == before);
    EXPECT_TRUE(shownmessages().empty());
}

struct LevelClick {
    int radio;
    int stored;
};

TEST_F(Revision, EachLevelRadioStoresItsOwnIdentifierAndSaysSo)
{
    const LevelClick clicks[] = {
        {IDC_LEVEL_EASY, 115}, {IDC_LEVEL_UNKNOWN, 117}, {IDC_LEVEL_VERYHARD, 3},
        {IDC_LEVEL_HARD, 114}, {IDC_LEVEL_VERYEASY, 116},
    };
    writestore(harbourglossary());
    start();
    vector<string> listed = listitems(dialog, IDC_WORDLIST);
    int quay = (int)(std::find(listed.begin(), listed.end(), "quay") - listed.begin());
    for (const LevelClick &click : clicks) {
        string before = readwholefile(STOREFILE);
        userpick(dialog, IDC_WORDLIST, quay);  // looks quay up and empties the status line
        EXPECT_EQ(textof(dialog, IDC_STATUS), "");
        userclick(dialog, click.radio);
        EXPECT_EQ(storedrecord(8).level, click.stored) << click.radio;
        EXPECT_TRUE(sameoutsidefield(before, readwholefile(STOREFILE), 8, offsetof(DictEntry, level)))
            << click.radio;
        EXPECT_EQ(textof(dialog, IDC_STATUS), "Difficulty level changed.") << click.radio;
        EXPECT_EQ(tkgetfocus(dialog), IDC_WORDLIST) << click.radio;
    }
    usertype(dialog, IDC_WORD, "quay");
    EXPECT_EQ(checkedlevels(dialog), vector<int>{IDC_LEVEL_VERYEASY}) << "the lookup shows the stored level";
}

TEST_F(Revision, ALevelClickWithAnEmptyWordBoxUnchecksEveryRadioAndWritesNothing)
{
    writestore(harbourglossary());
    string before = readwholefile(STOREFILE);
    start();
    usertype(dialog, IDC_WORD, "anchor");
    usertype(dialog, IDC_WORD, "");
    userclick(dialog, IDC_LEVEL_EASY);
    EXPECT_TRUE(checkedlevels(dialog).empty());
    EXPECT_EQ(textof(dialog, IDC_STATUS), "");
    EXPECT_TRUE(readwholefile(STOREFILE) == before);
    EXPECT_TRUE(shownmessages().empty());
}

// The level change once read only 98 characters of the word box, and so
// graded the entry of the 98-character word instead of the one on screen.
TEST_F(Revision, ALevelClickReadsAll99CharactersOfTheWordBox)
{
    string word98(98, 'k'), word99(99, 'k');
    vector<TestEntry> entries = harbourglossary();
    entries.push_back({word98, "Ninety-eight.", 0, LevelVeryHard});
    entries.push_back({word99, "Ninety-nine.", 0, LevelVeryHard});
    writestore(entries);
    start();
    usertype(dialog, IDC_WORD, word99.c_str());
    EXPECT_EQ(textof(dialog, IDC_MEANING), "Ninety-nine.");
    userclick(dialog, IDC_LEVEL_EASY);
    EXPECT_EQ(storedrecord(39).level, LevelVeryHard) << "the 98-character word is untouched";
    EXPECT_EQ(storedrecord(40).level, LevelEasy);
    EXPECT_EQ(textof(dialog, IDC_STATUS), "Difficulty level changed.");
}

TEST_F(Revision, AStoreThatIsGoneIsReportedByBothAndChangesNothing)
{
    writestore(harbourglossary());
    start();
    usertype(dialog, IDC_WORD, "anchor");
    std::filesystem::remove(STOREFILE);
    userclick(dialog, IDC_REVISION);
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision");
    userclick(dialog, IDC_LEVEL_EASY);
    EXPECT_EQ(messagetexts(), (vector<string>{STOREMISSINGBOX, STOREMISSINGBOX}));
    EXPECT_EQ(checkedlevels(dialog), vector<int>{IDC_LEVEL_EASY});
    EXPECT_FALSE(std::filesystem::exists(STOREFILE)) << "nothing created";
}

#ifdef VANTREL_FAULTS
TEST_F(Revision, AReadOnlyStoreIsLookedUpButNeitherToggledNorGraded)
{
    writestore(harbourglossary());
    string before = readwholefile(STOREFILE);
    filefaults.path = STOREFILE;
    filefaults.readonly = true;
    start();
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST).size(), 38u) << "the list is filled from a read-only store";
    usertype(dialog, IDC_WORD, "berth");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A ship's place at a quay.\r\nAlso a bunk.");
    userclick(dialog, IDC_REVISION);
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Unmark from &revision");
    userclick(dialog, IDC_LEVEL_EASY);
    EXPECT_EQ(textof(dialog, IDC_STATUS), "");
    EXPECT_EQ(messagetexts(), (vector<string>{STOREMISSINGBOX, STOREMISSINGBOX}));
    EXPECT_TRUE(readwholefile(STOREFILE) == before);
}

struct FailedRewrite {
    const char *name;
    void (*inject)();
    bool storeunchanged;  // a failed close may still have put the bytes down
};

// A failed in-place write was once not noticed: the caption and the status
// line told of a change that the store did not hold.
TEST_F(Revision, AFailedRewriteIsReportedAndTheCaptionAndStatusLineStay)
{
    const FailedRewrite cases[] = {
        {"write fails", [] { filefaults.failwrite = 1; }, true},
        {"half written", [] { filefaults.writelimit = 1; }, false},
        {"close fails", [] { filefaults.failclose = true; }, false},
    };
    for (const FailedRewrite &c : cases) {
        writestore(harbourglossary());
        string before = readwholefile(STOREFILE);
        start();
        userclick(dialog, IDC_SHOW_ALL);  // the status line shows the count
        usertype(dialog, IDC_WORD, "anchor");
        clearmessages();
        clearfilefaults();
        filefaults.path = STOREFILE;
        c.inject();
        userclick(dialog, IDC_REVISION);
        EXPECT_EQ(messagetexts(), vector<string>{STOREMISSINGBOX}) << c.name;
        EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision") << c.name;

        clearfilefaults();
        writewholefile(STOREFILE, before);
        filefaults.path = STOREFILE;
        c.inject();
        userclick(dialog, IDC_LEVEL_EASY);
        clearfilefaults();
        EXPECT_EQ(messagetexts(), (vector<string>{STOREMISSINGBOX, STOREMISSINGBOX})) << c.name;
        EXPECT_EQ(textof(dialog, IDC_STATUS), "38") << c.name;
        if (c.storeunchanged) {
            EXPECT_TRUE(readwholefile(STOREFILE) == before) << c.name;
        }
    }
}
#endif
