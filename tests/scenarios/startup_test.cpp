// The main dialog as the initialisation leaves it.
#include "tests/scenarios/scenario.h"

using Startup = DialogTest;
using std::string;
using std::vector;

TEST_F(Startup, FillsTheListLooksUpTheTailAndDisablesTheFilterBoxes)
{
    startonharbour("harbour wall");
    EXPECT_EQ(tklistcount(dialog, IDC_WORDLIST), 38);
    EXPECT_EQ(textof(dialog, IDC_WORDCOUNT), "38");
    EXPECT_EQ(textof(dialog, IDC_STATUS), "") << "the full fill writes no entry count";
    EXPECT_EQ(textof(dialog, IDC_WORD), "harbour wall");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "The wall that shelters a harbour.");
    EXPECT_EQ(textof(dialog, IDC_ENTRYNO), "6");
    EXPECT_EQ(selecteditem(dialog, IDC_WORDLIST), "harbour wall");
    EXPECT_EQ(tkgetfocus(dialog), IDC_WORD);
    EXPECT_TRUE(tkischecked(dialog, IDC_SHOW_ALL));
    for (int id : {IDC_PREFIX, IDC_CONTAINS, IDC_SUFFIX, IDC_RESULTS})
        EXPECT_FALSE(tkisenabled(dialog, id)) << id;
    EXPECT_TRUE(tkisenabled(dialog, IDC_REVISION)) << "the tail's entry was found";
    EXPECT_TRUE(shownmessages().empty());
}

struct StartTail {
    string tail;
    const char *meaning;
    bool buttons;  // Search and the revision button are enabled
};

// The tail goes whole into the word box (only typing is held to 99
// characters) and is looked up, the switch as a word too; an empty one leaves
// everything empty and both buttons disabled.
TEST_F(Startup, TheTailIsWrittenWholeAndLookedUp)
{
    const StartTail rows[] = {
        {"", "", false},
        {"\\nocount", "<<SEARCHING>>", true},
        {string(150, 'w'), "<<SEARCHING>>", true},
    };
    for (const StartTail &row : rows) {
        startonharbour(row.tail.c_str());
        EXPECT_EQ(textof(dialog, IDC_WORD), row.tail);
        EXPECT_EQ(textof(dialog, IDC_MEANING), row.meaning) << row.tail;
        EXPECT_EQ(tkisenabled(dialog, IDC_SEARCH), row.buttons) << row.tail;
        EXPECT_FALSE(tkisenabled(dialog, IDC_REVISION)) << row.tail;
    }
}

TEST_F(Startup, APartialRecordIsReportedOnceAndTheWholeRecordsWork)
{
    vector<TestEntry> three = {{"anchor", "hook", 0, 3}, {"berth", "place", 0, 3}, {"quay", "landing", 0, 3}};
    writestore(three, 10);
    start();
    EXPECT_EQ(messagetexts(),
              vector<string>{"ERROR: The file dicbin.txt has failed integrity check.\nMay need to be rebuilt."});
    usertype(dialog, IDC_WORD, "quay");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "landing");
    EXPECT_EQ(messagetexts().size(), 1u);
}

TEST_F(Startup, AMissingStoreIsReportedAndTheWindowIsStillFinished)
{
    start("anchor");
    EXPECT_EQ(messagetexts(), vector<string>{STOREMISSINGBOX});
    EXPECT_EQ(textof(dialog, IDC_WORD), "anchor");
    for (int id : {IDC_PREFIX, IDC_CONTAINS, IDC_SUFFIX, IDC_REVISION})
        EXPECT_FALSE(tkisenabled(dialog, id)) << id;
    EXPECT_EQ(tkgetfocus(dialog), IDC_WORD);
}

TEST_F(Startup, ExitAndEscapeEndTheDialogWithZero)
{
    startonharbour();
    int result = -1;
    EXPECT_FALSE(dialogended(dialog, &result));
    userescape(dialog);
    EXPECT_TRUE(dialogended(dialog, &result));
    EXPECT_EQ(result, 0);
    start();
    usermenu(dialog, IDM_EXIT);
    EXPECT_TRUE(dialogended(dialog, &result));
    EXPECT_EQ(result, 0);
}
