// The related-word search from the search button, the search menu and a
// double-click in the word list, and choosing a line of its results.
#include <algorithm>

#include "tests/scenarios/scenario.h"

class Search : public DialogTest {
protected:
    // types the word into the word box and clicks Search
    void typeandsearch(const char *word)
    {
        usertype(dialog, IDC_WORD, word);
        userclick(dialog, IDC_SEARCH);
    }
};
using std::string;
using std::vector;

static const char NOSEARCH[] =
    "Vantrel: No Search can be performed\n\n"
    "Reasons this can happen: You typed only numbers or spaces or special characters";

// Entries that hold harbour and wall in every way the two searches tell apart.
static vector<TestEntry> wallglossary()
{
    return {
        {"Breakwater", "A HARBOUR WALL against the sea.", 0, LevelHard},
        {"mole", "A stone wall harbour side.", 0, LevelHard},
        {"jetty", "It runs out from the harbour, wall and all.", 0, LevelHard},
        {"pier", "harbour  wall with two spaces.", 0, LevelHard},
        {"sea wall", "Keeps the water out of the harbour\r\nwall on the next line.", 0, LevelHard},
        {"quay", "A landing place.", 0, LevelHard},
    };
}

TEST_F(Search, AHyphenatedWordGoesStraightToTheAllWordsSearch)
{
    startonharbour();
    typeandsearch("Harbour-Wall");
    EXPECT_EQ(searchmenushown(), 0);
    EXPECT_TRUE(tkisenabled(dialog, IDC_RESULTS));
    EXPECT_EQ(listitems(dialog, IDC_RESULTS), (vector<string>{"Related words found for harbour wall", "harbour wall"}));
    EXPECT_EQ(selecteditem(dialog, IDC_RESULTS), "Related words found for harbour wall");
    EXPECT_EQ(textof(dialog, IDC_WORD), "Harbour-Wall") << "the word box keeps what was typed";
    EXPECT_TRUE(shownmessages().empty());
}

TEST_F(Search, AllWordsFindsTheWordsInAnyOrderAndThePhraseOnlyAsTyped)
{
    writestore(wallglossary());
    start();
    vector<string> allwords = {"Related words found for harbour wall", "breakwater", "jetty", "mole", "pier",
                               "sea wall"};
    typeandsearch("harbour wall");
    EXPECT_EQ(searchmenushown(), 1);
    EXPECT_TRUE(listitems(dialog, IDC_RESULTS).empty()) << "only a choice from the menu searches";
    usermenu(dialog, IDM_SEARCHALL);
    EXPECT_EQ(listitems(dialog, IDC_RESULTS), allwords);

    usertype(dialog, IDC_WORD, "wall harbour");
    usermenu(dialog, IDM_SEARCHALL);
    allwords[0] = "Related words found for wall harbour";
    EXPECT_EQ(listitems(dialog, IDC_RESULTS), allwords);

    usertype(dialog, IDC_WORD, "harbour wall");
    usermenu(dialog, IDM_SEARCHPHRASE);
    EXPECT_EQ(listitems(dialog, IDC_RESULTS), (vector<string>{"Related words found for harbour wall", "breakwater"}))
        << "a comma, two spaces, a line break or the other order is no phrase";
    EXPECT_EQ(selecteditem(dialog, IDC_RESULTS), "Related words found for harbour wall");
}

TEST_F(Search, ResultsAreSortedAndInLowerCaseWhateverTheStoredCase)
{
    writestore({{"Quay", "By the WATER.", 0, 3}, {"ANCHOR", "Under water.", 0, 3}, {"berth", "Water side.", 0, 3},
                {"Dock", "Dry.", 0, 3}});
    start();
    typeandsearch("Water");
    EXPECT_EQ(listitems(dialog, IDC_RESULTS),
              (vector<string>{"Related words found for water", "anchor", "berth", "quay"}));
}

TEST_F(Search, ASearchThatFindsNothingLeavesOnlyTheNoSynonymsHeader)
{
    startonharbour();
    typeandsearch("anchor");
    typeandsearch("kedge");
    EXPECT_EQ(listitems(dialog, IDC_RESULTS), vector<string>{"No Synonyms found for kedge"});
    EXPECT_EQ(selecteditem(dialog, IDC_RESULTS), "No Synonyms found for kedge");
}

TEST_F(Search, AQueryWithoutLettersCannotBeSearchedAndLeavesThePreviousResults)
{
    startonharbour();
    typeandsearch("123");
    EXPECT_EQ(messagetexts(), vector<string>{NOSEARCH});
    EXPECT_EQ(shownmessages()[0].style, BOX_OK | BOX_ICONINFORMATION);
    EXPECT_FALSE(tkisenabled(dialog, IDC_RESULTS)) << "the result list is not touched";

    typeandsearch("bollard");
    vector<string> previous = listitems(dialog, IDC_RESULTS);
    typeandsearch("   ");
    EXPECT_EQ(searchmenushown(), 1) << "spaces open the menu";
    EXPECT_EQ(messagetexts().size(), 1u);
    usermenu(dialog, IDM_SEARCHALL);
    usermenu(dialog, IDM_SEARCHPHRASE);
    EXPECT_EQ(messagetexts(), (vector<string>{NOSEARCH, NOSEARCH, NOSEARCH}));
    EXPECT_EQ(listitems(dialog, IDC_RESULTS), previous);
}

TEST_F(Search, DoubleClickingAWordThatOnlyFindsItselfSaysNoSynonyms)
{
    startonharbour();
    userdoubleclick(dialog, IDC_WORDLIST, indexof(dialog, "bollard"));
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A short post on a quay for mooring lines.") << "looked up first";
    EXPECT_EQ(listitems(dialog, IDC_RESULTS), (vector<string>{"No Synonyms found for bollard", "bollard"}));

    userdoubleclick(dialog, IDC_WORDLIST, indexof(dialog, "mooring"));
    EXPECT_EQ(listitems(dialog, IDC_RESULTS),
              (vector<string>{"Related words found for mooring", "bollard", "mooring"}));

    userdoubleclick(dialog, IDC_WORDLIST, indexof(dialog, "dry dock"));
    EXPECT_EQ(listitems(dialog, IDC_RESULTS), (vector<string>{"No Synonyms found for dry dock", "dry dock"}));
    EXPECT_EQ(searchmenushown(), 0);
}

TEST_F(Search, ChoosingAResultLooksItUpAndTheHeaderGivesBackTheLastMenuSearch)
{
    startonharbour();
    typeandsearch("dry dock");
    usermenu(dialog, IDM_SEARCHPHRASE);
    ASSERT_EQ(listitems(dialog, IDC_RESULTS), (vector<string>{"Related words found for dry dock", "dry dock"}));

    userchoose(dialog, IDC_RESULTS, 1);
    EXPECT_EQ(textof(dialog, IDC_WORD), "dry dock");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A basin pumped dry to work on a hull.");
    EXPECT_EQ(selecteditem(dialog, IDC_RESULTS), "Related words found for dry dock") << "line 0 is current again";

    typeandsearch("Anchor");  // no menu: the query holder keeps "dry dock"
    userchoose(dialog, IDC_RESULTS, 1);
    EXPECT_EQ(textof(dialog, IDC_WORD), "anchor");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A heavy hook that holds a vessel to the bottom.");
    userchoose(dialog, IDC_RESULTS, 0);
    EXPECT_EQ(textof(dialog, IDC_WORD), "dry dock");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A basin pumped dry to work on a hull.");
}

TEST_F(Search, TheHeaderWithNoMenuSearchSinceStartEmptiesTheWordBox)
{
    startonharbour();
    typeandsearch("quay");
    userchoose(dialog, IDC_RESULTS, 0);
    EXPECT_EQ(textof(dialog, IDC_WORD), "");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "");
    EXPECT_FALSE(tkisenabled(dialog, IDC_SEARCH));
}

TEST_F(Search, AStoreThatCannotBeSearchedIsReportedAndTheResultListStaysAsItWas)
{
    start("anchor");
    clearmessages();
    userclick(dialog, IDC_SEARCH);
    EXPECT_EQ(messagetexts(), vector<string>{STOREMISSINGBOX});
    EXPECT_FALSE(tkisenabled(dialog, IDC_RESULTS)) << "a missing store enables nothing";

    writestore(harbourglossary());
    clearmessages();
    typeandsearch("quay");
    vector<string> previous = listitems(dialog, IDC_RESULTS);
    writestore({});
    userclick(dialog, IDC_SEARCH);
    EXPECT_EQ(messagetexts(), vector<string>{STOREMISSINGBOX});
    EXPECT_EQ(listitems(dialog, IDC_RESULTS), previous);
}

TEST_F(Search, MoreThanTenWordsAreSearchedWithTheFirstTenAndAllShownInTheHeader)
{
    startonharbour();
    string query = "wall";
    for (int i = 0; i < 9; ++i) query += " harbour";
    usertype(dialog, IDC_WORD, (query + " kedge").c_str());
    usermenu(dialog, IDM_SEARCHALL);
    EXPECT_EQ(listitems(dialog, IDC_RESULTS),
              (vector<string>{"Related words found for " + query + " kedge", "harbour wall"}))
        << "the eleventh word is left out";
}

struct LongQuery {
    const char *name;
    int menuitem;
    string tail;
    string stored;  // the meaning of the one entry besides the glossary
    string header;
};

// The word box holds more than 99 characters only when the start-up text put
// them there; the search uses them all.
TEST_F(Search, AQueryOverNinetyNineCharactersIsSearchedWholeAndCutOnlyInTheHeader)
{
    const string q91(91, 'q'), q95(95, 'q'), q97(97, 'q'), q100(100, 'q'), q104(104, 'q');
    const LongQuery cases[] = {
        {"all words, 103 characters", IDM_SEARCHALL, "harbour " + q95, "harbour " + q91 + ".",
         "No Synonyms found for harbour " + q91},
        {"all words, 103 characters found", IDM_SEARCHALL, "harbour " + q95, "harbour " + q95 + ".",
         "Related words found for harbour " + q91},
        {"phrase, 108 characters", IDM_SEARCHPHRASE, "harbour " + q100, "harbour " + q100 + ".",
         "Related words found for harbour " + q97},
        // the word was once cut to its first 104 letters, and matched them
        {"a word of 110 letters is not in 104 of them", IDM_SEARCHALL, string(110, 'q'), q104 + ".",
         "No Synonyms found for " + string(99, 'q')},
        {"a word of 110 letters found whole", IDM_SEARCHALL, string(110, 'q'), string(110, 'q') + ".",
         "Related words found for " + string(99, 'q')},
    };
    for (const LongQuery &c : cases) {
        vector<TestEntry> entries = harbourglossary();
        entries.push_back({"qanat", c.stored, 0, LevelHard});
        writestore(entries);
        start(c.tail.c_str());
        ASSERT_EQ(textof(dialog, IDC_WORD), c.tail) << c.name;
        usermenu(dialog, c.menuitem);
        vector<string> results = listitems(dialog, IDC_RESULTS);
        ASSERT_FALSE(results.empty()) << c.name;
        EXPECT_EQ(results[0], c.header) << c.name;
        EXPECT_EQ(std::count(results.begin(), results.end(), "qanat"), c.header[0] == 'R' ? 1 : 0) << c.name;
    }
}
