// The "&About" menu's "Read me" and help on the search.  The credits box is
// tested on its own, under Wine (tests/wine/credits_test.cpp).
#include "tests/scenarios/scenario.h"

using std::string;
using std::vector;

class About : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        startonharbour("quay");
        userfocus(dialog, IDC_WORD);
    }
};

TEST_F(About, TheSearchHelpShowsItsFourLinesRightAlignedThenTheFocusIsInTheWordList)
{
    usermenu(dialog, IDM_ABOUTSEARCH);
    ASSERT_EQ(shownmessages().size(), 1u);
    const ShownMessage &help = shownmessages()[0];
    EXPECT_EQ(help.caption, "About related words");
    EXPECT_EQ(help.text,
              "The search button can search for the possibly related words for the word(s) that you "
              "type in the 'Word' box.\n"
              "You may type upto 10 words with single spaces.\n"
              "For getting more relevant words use more than one word.\n"
              "All the words will be searched. Exact phrases can also be searched.");
    EXPECT_EQ(help.style, BOX_OK | BOX_ICONINFORMATION | BOX_RIGHT);
    EXPECT_EQ(tkgetfocus(dialog), IDC_WORDLIST);
    EXPECT_EQ(textof(dialog, IDC_WORD), "quay") << "the help changes nothing else";
}

TEST_F(About, ReadMeOpensTheHelpPageThenTheFocusIsInTheWordList)
{
    usermenu(dialog, IDM_README);
    EXPECT_EQ(openeddocuments(), vector<string>{"Read me.htm"});
    EXPECT_TRUE(shownmessages().empty()) << "whatever the shell does, the program says nothing";
    EXPECT_EQ(tkgetfocus(dialog), IDC_WORDLIST);
}
