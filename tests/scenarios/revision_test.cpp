// Marking the entry on screen for revision and grading its difficulty.
#include <filesystem>

#include "tests/support/filefaults.h"
#include "dictionary/levels.h"
#include "dictionary/review.h"
#include "dictionary/revision.h"
#include "dictionary/studylog.h"
#include "tests/scenarios/scenario.h"
#include "tests/support/testtoday.h"

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
    startonharbour();
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

struct ShownEntry {
    const char *name;
    void (*edit)(vector<TestEntry> &entries);  // the glossary made for the row
    const char *typed;
    int shown;         // the entry the lookup shows, 0 for none
    void (*behind)();  // another copy of the program changes the store after the lookup
    int acted;         // the entry the clicks change, 0 for none
    int markafter;     // its mark after a click on the revision button
};

// The toggle and the level change once found their entry by the exact text:
// with other capitals than the headword's they did nothing, or changed
// another entry than the one shown; and the toggle flipped what the store
// held, so a mark that another copy of the program had removed came back.
TEST_F(Revision, ToggleAndLevelActOnTheEntryTheLookupShowsAsItsCaptionOffers)
{
    auto twoharbours = [](vector<TestEntry> &e) {
        e[4] = {"Harbour", "The first one.", 0, LevelHard};
        e.insert(e.begin() + 8, {"harbour", "The second one.", RevisionMark, LevelEasy});
    };
    auto addeta = [](vector<TestEntry> &e) { e.push_back({"ETA", "Arrival.", 0, 3}); };
    auto unmarkberth = [] { vector<TestEntry> e = harbourglossary(); e[1].mark = 0; writestore(e); };
    auto harbourgone = [] { vector<TestEntry> e = harbourglossary(); e.erase(e.begin() + 4); writestore(e); };
    const ShownEntry rows[] = {
        {"HARBOUR for harbour", nullptr, "HARBOUR", 5, nullptr, 5, RevisionMark},
        {"eta for ETA", addeta, "eta", 39, nullptr, 39, RevisionMark},
        {"harbour for Harbour, not the later harbour", twoharbours, "harbour", 5, nullptr, 5, RevisionMark},
        {"a word no entry has", nullptr, "harbours", 0, nullptr, 0, 0},
        {"berth unmarked by another copy", nullptr, "berth", 2, unmarkberth, 2, 0},
        {"harbour taken out by another copy", nullptr, "harbour", 5, harbourgone, 0, 0},
    };
    for (const ShownEntry &row : rows) {
        vector<TestEntry> entries = harbourglossary();
        if (row.edit) row.edit(entries);
        writestore(entries);
        start();
        usertype(dialog, IDC_WORD, row.typed);
        if (row.shown) {
            EXPECT_EQ(textof(dialog, IDC_ENTRYNO), std::to_string(row.shown)) << row.name;
        }
        if (row.behind) row.behind();
        string before = readwholefile(STOREFILE);
        vector<int> levels = checkedlevels(dialog);
        if (row.shown) userclick(dialog, IDC_REVISION);
        if (row.acted) {
            EXPECT_EQ(storedrecord(row.acted).mark, row.markafter) << row.name;
            EXPECT_TRUE(sameoutsidefield(before, readwholefile(STOREFILE), row.acted, offsetof(DictEntry, mark)))
                << row.name;
            EXPECT_EQ(textof(dialog, IDC_REVISION), row.markafter ? UNMARKCAPTION : MARKCAPTION)
                << row.name;
            before = readwholefile(STOREFILE);
        }
        userclick(dialog, IDC_LEVEL_UNKNOWN);
        if (row.acted) {
            EXPECT_EQ(storedrecord(row.acted).level, LevelUnknown) << row.name;
            EXPECT_TRUE(sameoutsidefield(before, readwholefile(STOREFILE), row.acted, offsetof(DictEntry, level)))
                << row.name;
            EXPECT_EQ(textof(dialog, IDC_STATUS), LEVELCHANGED) << row.name;
        } else {
            EXPECT_TRUE(readwholefile(STOREFILE) == before) << row.name << ": nothing is written";
            EXPECT_EQ(checkedlevels(dialog), levels) << row.name << ": the radios show again what they showed";
        }
        EXPECT_TRUE(shownmessages().empty()) << row.name;
    }
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
    startonharbour();
    int quay = indexof(dialog, "quay");
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

enum StoreAfter { StoreUnchanged, StoreEither, StoreAbsent };

struct FailedRewrite {
    const char *name;
    void (*inject)();
    StoreAfter after;  // a failed close may still have put the bytes down
};

// A failed in-place write was once not noticed: the caption and the status
// line told of a change that the store did not hold.  A store that is gone
// is told the same way and not created again.
TEST_F(Revision, AFailedRewriteIsReportedAndTheCaptionAndStatusLineStay)
{
    const FailedRewrite cases[] = {
        {"write fails", [] { filefaults.failwrite = 1; }, StoreUnchanged},
        {"half written", [] { filefaults.writelimit = 1; }, StoreEither},
        {"close fails", [] { filefaults.failclose = true; }, StoreEither},
        {"the store is gone", [] { std::filesystem::remove(STOREFILE); }, StoreAbsent},
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
        EXPECT_EQ(checkedlevels(dialog), vector<int>{IDC_LEVEL_EASY}) << c.name;
        if (c.after == StoreUnchanged) {
            EXPECT_TRUE(readwholefile(STOREFILE) == before) << c.name;
        }
        if (c.after == StoreAbsent) {
            EXPECT_FALSE(std::filesystem::exists(STOREFILE)) << c.name << ": nothing created";
        }
    }
}

// The review box as the user sees it, the grades' state and the focus too.
static string reviewshows(Dialog box)
{
    return textof(box, IDC_REVIEWWORD) + " | " + textof(box, IDC_REVIEWPROGRESS) + " | " + textof(box, IDC_REVIEWMEANING) +
           (tkisenabled(box, IDC_REVIEWKNEW) ? " | graded" : " | hidden") + " | focus " + std::to_string(tkgetfocus(box));
}

// anchor, marked Hard and reviewed two days ago, is not due; berth, never
// reviewed, and bollard, Easy seven days ago, are, in store order
class Review : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        writestore({{"anchor", "A heavy hook.", RevisionMark, LevelHard}, {"berth", "A ship's place.", RevisionMark, LevelVeryHard},
                    {"bollard", "A post.", RevisionMark, LevelEasy}, {"quay", "A landing.", 0, LevelEasy}});
        writewholefile(STUDYLOG, LOG);
    }
    const string LOG = "2026-12-02\tbollard\t115\tknew\r\ndamaged line\r\n2026-12-07\tanchor\t114\tknew\r\n";
    vector<string> seen;
    std::function<void(Dialog)> look = [this](Dialog box) { seen.push_back(reviewshows(box)); };
};

TEST_F(Review, TheDueMarkedWordsShowOneAtATimeAndEachGradeIsWrittenToTheStoreAndTheLog)
{
    start("berth");
    whilereviewing([&](Dialog box) {
        look(box);
        userenter(box);
        look(box);
        userclick(box, IDC_REVIEWKNEW);
        look(box);
        userclick(box, IDC_REVIEWSHOW);
        userclick(box, IDC_REVIEWNOTYET);
    });
    usermenu(dialog, IDM_REVIEW);
    EXPECT_EQ(seen, (vector<string>{"berth | 1 of 2 due today |  | hidden | focus 304",
                                    "berth | 1 of 2 due today | A ship's place. | graded | focus 305",
                                    "bollard | 2 of 2 due today |  | hidden | focus 304"}));
    EXPECT_EQ(storedrecord(2).level, LevelHard) << "I knew it moves Very Hard on to Hard";
    EXPECT_EQ(storedrecord(3).level, LevelVeryHard) << "Not yet puts Easy back in Very Hard";
    EXPECT_EQ(readwholefile(STUDYLOG), LOG + "2026-12-09\tberth\t114\tknew\r\n2026-12-09\tbollard\t3\tnot yet\r\n");
    EXPECT_EQ(messagetexts(), vector<string>{"Review: Reviewed: 2 (known: 1, not yet: 1)\nDue tomorrow: 2"});
    EXPECT_EQ(checkedlevels(dialog), vector<int>{IDC_LEVEL_HARD}) << "the main dialog shows the store";

}

TEST_F(Review, NothingMarkedOrNothingDueIsToldAndYesReviewsEveryMarkedWord)
{
    writewholefile(STUDYLOG, "2026-12-09\tberth\t3\tnot yet\r\n2026-12-09\tanchor\t114\tknew\r\n2026-12-09\tbollard\t115\tknew\r\n");
    start();
    whilereviewing(look);
    usermenu(dialog, IDM_REVIEW);
    answernext(ANSWER_YES);
    usermenu(dialog, IDM_REVIEW);
    const string question = "Review: No marked word is due today; the next is due on 2026-12-10.\n\nReview them anyway?";
    EXPECT_EQ(messagetexts(), (vector<string>{question, question, "Review: Reviewed: 0 (known: 0, not yet: 0)\nDue tomorrow: 1"}));
    EXPECT_EQ(shownmessages()[0].style, BOX_YESNO | BOX_ICONQUESTION | BOX_DEFBUTTON2) << "No is the default";
    EXPECT_EQ(seen, vector<string>{"anchor | 1 of 3 marked words |  | hidden | focus 304"}) << "No reviews nothing, Yes all";

    writestore({{"quay", "A landing.", 0, LevelEasy}});
    usermenu(dialog, IDM_REVIEW);
    EXPECT_EQ(messagetexts().back(), string(REVIEWCAPTION) + ": " + NOTHINGMARKED);
}

TEST_F(Review, AWordMovedInTheStoreIsFoundByItsHeadwordAndOneNoLongerThereIsSkippedAndTold)
{
    start();
    whilereviewing([&](Dialog box) {
        // rebuilt meanwhile: berth is the first record now, bollard gone
        writestore({{"berth", "A ship's place, rebuilt.", 0, LevelEasy}, {"anchor", "A heavy hook.", 0, LevelHard}});
        userfocus(box, IDC_REVIEWMEANING);  // Enter in the meaning box presses "&Show meaning"
        userenter(box);
        look(box);
        userclick(box, IDC_REVIEWKNEW);
        userenter(box);
    });
    usermenu(dialog, IDM_REVIEW);
    EXPECT_EQ(seen, vector<string>{"berth | 1 of 2 due today | A ship's place, rebuilt. | graded | focus 305"});
    EXPECT_EQ(storedrecord(1).level, LevelVeryEasy) << "graded as the record holds it now";
    EXPECT_EQ(storedrecord(2).level, LevelHard);
    EXPECT_EQ(messagetexts(), vector<string>{"Review: Reviewed: 1 (known: 1, not yet: 0)\nDue tomorrow: 1\n"
                                             "Skipped, no longer in the dictionary: 1"});
}
