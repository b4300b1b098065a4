// Looking up the word box on every keystroke, on Enter and on a pick in the list.
#include "dictionary/revision.h"
#include "tests/scenarios/scenario.h"

using Lookup = DialogTest;
using std::string;
using std::vector;

struct Completed {
    const char *typed;
    const char *word;
    const char *meaning;
    const char *entryno;
    int level;
};

// Enter runs the word box's lookup nested inside its own: the word box takes
// the highlighted headword, whose change looks it up.
TEST_F(Lookup, TypingTheStartOfAHeadwordSearchesAndHighlightsItThenEnterTakesIt)
{
    const Completed rows[] = {
        {"har", "harbour", "Sheltered water where vessels lie.", "5", IDC_LEVEL_VERYEASY},
        {"bol", "bollard", "A short post on a quay for mooring lines.", "3", IDC_LEVEL_EASY},
    };
    startonharbour();
    for (const Completed &row : rows) {
        SCOPED_TRACE(row.typed);
        usertype(dialog, IDC_WORD, row.typed);
        EXPECT_EQ(textof(dialog, IDC_MEANING), "<<SEARCHING>>");
        EXPECT_TRUE(checkedlevels(dialog).empty());
        EXPECT_FALSE(tkisenabled(dialog, IDC_REVISION));
        EXPECT_TRUE(tkisenabled(dialog, IDC_SEARCH));
        EXPECT_EQ(selecteditem(dialog, IDC_WORDLIST), row.word);
        EXPECT_EQ(topitem(dialog, IDC_WORDLIST), row.word) << "scrolled to the top while typing";

        userenter(dialog);
        EXPECT_EQ(textof(dialog, IDC_WORD), row.word);
        EXPECT_EQ(textof(dialog, IDC_MEANING), row.meaning);
        EXPECT_EQ(textof(dialog, IDC_ENTRYNO), row.entryno);
        EXPECT_EQ(checkedlevels(dialog), vector<int>{row.level});
        EXPECT_TRUE(tkisenabled(dialog, IDC_REVISION));
        EXPECT_EQ(textof(dialog, IDC_REVISION), MARKCAPTION);
        EXPECT_EQ(selecteditem(dialog, IDC_WORDLIST), row.word);
        EXPECT_EQ(topitem(dialog, IDC_WORDLIST), row.word);
        EXPECT_TRUE(shownmessages().empty());
    }
}

TEST_F(Lookup, IgnoresCaseButLeavesTheWordBoxAsTyped)
{
    startonharbour();
    usertype(dialog, IDC_WORD, "BERTH");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A ship's place at a quay.\r\nAlso a bunk.");
    EXPECT_EQ(textof(dialog, IDC_WORD), "BERTH");
    EXPECT_EQ(textof(dialog, IDC_REVISION), "Unmark from &revision") << "berth is marked";
    EXPECT_EQ(checkedlevels(dialog), vector<int>{IDC_LEVEL_VERYHARD});
}

TEST_F(Lookup, FindsTheFirstOfTwoEntriesThatDifferOnlyInCase)
{
    vector<TestEntry> entries = harbourglossary();
    entries[4] = {"Harbour", "The first one.", 0, LevelHard};
    entries.insert(entries.begin() + 8, {"harbour", "The second one.", 0, LevelEasy});
    writestore(entries);
    start();
    usertype(dialog, IDC_WORD, "harbour");
    EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "5");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "The first one.");
    usertype(dialog, IDC_WORD, "Harbour");
    EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "5");
}

// Each reserved name is also a headword here, marked and easy, and is picked
// in the list, so that the whole name reaches the lookup at once: the greeting
// is shown and the entry left unread, so the entry number, the radios and the
// caption still tell of anchor (entry 1, hard, not marked).
TEST_F(Lookup, ReservedNamesGreetAndNeverReadTheStore)
{
    const char *const names[] = {"Marvocian", "MARVOC", "tiberlin", "Ostrevanic", "lumbrasker", "zqv", "XKQ1",
                                 "quelt", "QUELT"};
    vector<TestEntry> entries = harbourglossary();
    for (const char *name : names) entries.push_back({name, "Never shown.", RevisionMark, LevelEasy});
    writestore(entries);
    start();
    for (const char *name : names) {
        usertype(dialog, IDC_WORD, "anchor");
        userpick(dialog, IDC_WORDLIST, indexof(dialog, name));
        EXPECT_EQ(textof(dialog, IDC_WORD), name);
        EXPECT_EQ(textof(dialog, IDC_MEANING), "hey, you typed my name!!") << name;
        EXPECT_FALSE(tkisenabled(dialog, IDC_REVISION)) << name;
        EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "1") << name;
        EXPECT_EQ(checkedlevels(dialog), vector<int>{IDC_LEVEL_HARD}) << name;
        EXPECT_EQ(textof(dialog, IDC_REVISION), "Mark for &revision") << name;
    }
    for (const char *word : {"quelts", "marvo", "zq"}) {
        usertype(dialog, IDC_WORD, word);
        EXPECT_EQ(textof(dialog, IDC_MEANING), "<<SEARCHING>>") << word;
    }
}

TEST_F(Lookup, KeepsTheEntryNumberAfterAMissAndClearsTheRadios)
{
    startonharbour();
    usertype(dialog, IDC_WORD, "mooring");
    EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "7");
    EXPECT_TRUE(checkedlevels(dialog).empty()) << "level 0 is no radio";
    usertype(dialog, IDC_WORD, "quay");
    EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "8");
    EXPECT_TRUE(checkedlevels(dialog).empty()) << "level 999 is no radio";
    usertype(dialog, IDC_WORD, "dry");
    usertype(dialog, IDC_WORD, "dry dock");
    EXPECT_EQ(checkedlevels(dialog), vector<int>{IDC_LEVEL_UNKNOWN});
    usertype(dialog, IDC_WORD, "dry docks");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "<<SEARCHING>>");
    EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "4");
    EXPECT_TRUE(checkedlevels(dialog).empty());
}

TEST_F(Lookup, EnterWithATextNoHeadwordBeginsWithIsNotFound)
{
    startonharbour();
    usertype(dialog, IDC_WORD, "kedge");
    EXPECT_EQ(selecteditem(dialog, IDC_WORDLIST), "(none)");
    userenter(dialog);
    EXPECT_EQ(textof(dialog, IDC_MEANING), "<<NOT FOUND>>");
    EXPECT_EQ(textof(dialog, IDC_WORD), "kedge");
    EXPECT_EQ(selecteditem(dialog, IDC_WORDLIST), "(none)");
}

TEST_F(Lookup, AnEmptyWordBoxShowsNothingAndDisablesBothButtons)
{
    startonharbour();
    usertype(dialog, IDC_WORD, "anchor");
    usertype(dialog, IDC_WORD, "");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "");
    EXPECT_FALSE(tkisenabled(dialog, IDC_SEARCH));
    EXPECT_FALSE(tkisenabled(dialog, IDC_REVISION));
    EXPECT_TRUE(checkedlevels(dialog).empty());
    EXPECT_EQ(selecteditem(dialog, IDC_WORDLIST), "(none)");
}

TEST_F(Lookup, PickingAWordInTheListLooksItUpWithoutScrollingTheList)
{
    startonharbour();
    int top = tklistgettop(dialog, IDC_WORDLIST);
    userpick(dialog, IDC_WORDLIST, 2);  // bollard
    EXPECT_EQ(textof(dialog, IDC_WORD), "bollard");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A short post on a quay for mooring lines.");
    EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "3");
    EXPECT_EQ(textof(dialog, IDC_STATUS), "");
    EXPECT_EQ(selecteditem(dialog, IDC_WORDLIST), "bollard");
    EXPECT_EQ(tklistgettop(dialog, IDC_WORDLIST), top) << "a pick leaves the list where it stands";

    usertype(dialog, IDC_WORD, "bollard");
    EXPECT_EQ(topitem(dialog, IDC_WORDLIST), "bollard") << "typing scrolls the word to the top";
}

TEST_F(Lookup, AWordTheFiltersHideIsStillFound)
{
    startonharbour();
    userclick(dialog, IDC_SHOW_UNKNOWN);
    EXPECT_EQ(listitems(dialog, IDC_WORDLIST), vector<string>{"dry dock"});
    usertype(dialog, IDC_WORD, "anchor");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A heavy hook that holds a vessel to the bottom.");
    EXPECT_EQ(selecteditem(dialog, IDC_WORDLIST), "(none)");
}

TEST_F(Lookup, AHeadwordOfNinetyNineCharactersTypedInFullIsFound)
{
    string longword(99, 'k');
    vector<TestEntry> entries = harbourglossary();
    entries.push_back({longword, "The longest headword.", 0, LevelEasy});
    writestore(entries);
    start();
    usertype(dialog, IDC_WORD, longword.c_str());
    EXPECT_EQ(textof(dialog, IDC_WORD), longword);
    EXPECT_EQ(textof(dialog, IDC_MEANING), "The longest headword.");
    usertype(dialog, IDC_WORD, (longword + "k").c_str());
    EXPECT_EQ(textof(dialog, IDC_WORD), longword) << "the word box takes 99 characters";
}

TEST_F(Lookup, MissingStoreIsSilentWhileTypingAndNoReachOnEnter)
{
    start();
    EXPECT_EQ(messagetexts(), vector<string>{STOREMISSINGBOX});
    clearmessages();
    usertype(dialog, IDC_WORD, "anchor");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "");
    EXPECT_TRUE(tkisenabled(dialog, IDC_SEARCH));
    EXPECT_FALSE(tkisenabled(dialog, IDC_REVISION));
    EXPECT_TRUE(shownmessages().empty());
    userenter(dialog);
    EXPECT_EQ(messagetexts(), vector<string>{"ERROR: NOREACH"});
    EXPECT_EQ(textof(dialog, IDC_MEANING), "");
}

TEST_F(Lookup, EmptyStoreSearchesWhileTypingAndNoReachOnEnter)
{
    writestore({});
    start();
    clearmessages();
    usertype(dialog, IDC_WORD, "anchor");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "<<SEARCHING>>");
    EXPECT_TRUE(shownmessages().empty());
    userenter(dialog);
    EXPECT_EQ(messagetexts(), vector<string>{"ERROR: NOREACH"});
}
