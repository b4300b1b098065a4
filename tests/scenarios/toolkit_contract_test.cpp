// What the logic relies on from the toolkit, the same cases on both sides:
// natively against the headless model, under Wine against the real dialog
// from template 100.  The controls as the template makes them, the
// notification rules, the bounded reads, the sorted list's order and its
// prefix selection, the Enter key, and the placement at each size.
#include "tests/scenarios/scenario.h"
#include "tests/support/maintemplate.h"
#include "ui/layout.h"

using std::string;
using std::vector;

namespace {

// how often the dialog got the command since clearraised
int raised(int id, int code)
{
    int times = 0;
    for (const RaisedCommand &c : raisedcommands())
        if (c.id == id && c.code == code) ++times;
    return times;
}

vector<int> firstthree(const vector<int> &place) { return vector<int>(place.begin(), place.begin() + 3); }

using ToolkitContract = DialogTest;

TEST_F(ToolkitContract, TheTemplateMakesEveryControlEnabledButTheResultListAndNothingChecked)
{
    Dialog d = templatedialog();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(dialogtitle(d), "orlavex dictionary");
    for (const TemplateControl &made : MAINTEMPLATE) {
        EXPECT_EQ(textof(d, made.id), made.caption) << made.id;
        EXPECT_EQ(tkisenabled(d, made.id), made.enabled) << made.id;
        EXPECT_FALSE(tkischecked(d, made.id)) << made.id;
    }
    closedialog(d);
}

TEST_F(ToolkitContract, WritingTheWordBoxRaisesItsChangeAtOnceEvenWhenUnchanged)
{
    Dialog d = startonthreewords();
    tksettext(d, IDC_WORD, "quay");
    EXPECT_EQ(raised(IDC_WORD, NOTIFY_CHANGE), 1);
    tksettext(d, IDC_WORD, "quay");
    EXPECT_EQ(raised(IDC_WORD, NOTIFY_CHANGE), 2) << "an unchanged text still raises the change";
    clearraised();
    tksettext(d, IDC_WORD, "");
    ASSERT_FALSE(raisedcommands().empty());
    EXPECT_EQ(raisedcommands().front().id, IDC_WORD) << "and raises it first";
    tksettext(d, IDC_WORD, "");
    EXPECT_EQ(raised(IDC_WORD, NOTIFY_CHANGE), 2);
}

TEST_F(ToolkitContract, SelectionsChecksAndOtherTextsSetByTheProgramRaiseNothing)
{
    Dialog d = startonthreewords();
    tksettext(d, IDC_STATUS, "12");
    tksettext(d, IDC_MEANING, "A multi-line box raises nothing.");
    tklistsetsel(d, IDC_WORDLIST, 1);
    tklistsettop(d, IDC_WORDLIST, 1);
    tklistselectprefix(d, IDC_WORDLIST, "qu");
    tklistsetsel(d, IDC_WORDLIST, NOITEM);
    tklistadd(d, IDC_WORDLIST, "berth");
    tkcomboinsert(d, IDC_RESULTS, 0, "header");
    tkcombosetsel(d, IDC_RESULTS, 0);
    tkcheckradio(d, IDC_SHOW_UNKNOWN, IDC_SHOW_ALL, IDC_SHOW_HARD);
    tkcheckradio(d, IDC_LEVEL_VERYHARD, IDC_LEVEL_UNKNOWN, IDC_LEVEL_HARD);
    tksetcheck(d, IDC_LEVEL_EASY, true);
    tksetcheck(d, IDC_PREFIXON, true);
    tksetcheck(d, IDC_MARKEDONLY, true);
    EXPECT_TRUE(raisedcommands().empty()) << raisedcommands().size() << " commands, the first from "
                                          << raisedcommands().front().id;
    EXPECT_TRUE(tkischecked(d, IDC_SHOW_HARD));
    EXPECT_FALSE(tkischecked(d, IDC_SHOW_ALL));
    EXPECT_TRUE(tkischecked(d, IDC_PREFIXON));
}

TEST_F(ToolkitContract, ReadsAreCutToTheBufferAndAMissingItemReadsAsNone)
{
    Dialog d = startonthreewords();
    char small[6] = "#####";
    tklistreset(d, IDC_WORDLIST);
    tklistadd(d, IDC_WORDLIST, "harbour wall");
    EXPECT_EQ(tklistgettext(d, IDC_WORDLIST, 0, small, sizeof small), 5);
    EXPECT_STREQ(small, "harbo");
    ASSERT_EQ(tkcombocount(d, IDC_RESULTS), 0);
    tkcomboadd(d, IDC_RESULTS, "dry dock");
    EXPECT_EQ(tkcombogettext(d, IDC_RESULTS, 0, small, sizeof small), 5);
    EXPECT_STREQ(small, "dry d");
    tksettext(d, IDC_MEANING, "A basin pumped dry.");
    EXPECT_EQ(tkgettext(d, IDC_MEANING, small, sizeof small), 5);
    EXPECT_STREQ(small, "A bas");

    char one[1] = {'#'};
    EXPECT_EQ(tklistgettext(d, IDC_WORDLIST, 0, one, 1), 0);
    EXPECT_EQ(one[0], '\0');
    char missing[8] = "#######";
    EXPECT_EQ(tklistgettext(d, IDC_WORDLIST, 7, missing, sizeof missing), NOITEM);
    EXPECT_STREQ(missing, "");
    strcpy(missing, "#######");
    EXPECT_EQ(tkcombogettext(d, IDC_RESULTS, 1, missing, sizeof missing), NOITEM);
    EXPECT_STREQ(missing, "");
}

struct SortedAdds {
    vector<string> added;  // in this order
    vector<string> listed;
};

// Case is ignored and hyphens and apostrophes nearly so; items equal but for
// case are placed by the order they came.
TEST_F(ToolkitContract, TheSortedListIgnoresCaseAndNearlyIgnoresHyphensAndApostrophes)
{
    const SortedAdds rows[] = {
        {{"quay", "'tis", "dry-dock", "drydock", "Harbour", "harbour wall", "_x", "anchor", "harbour"},
         {"_x", "anchor", "drydock", "dry-dock", "harbour", "Harbour", "harbour wall", "quay", "'tis"}},
        {{"Harbour", "harbour", "harbour wall", "dry dock", "dry-dock", "drydock", "'tis", "quay", "_x", "Quay",
          "harbour-wall", "harbourwall", "Dry dock", "dry Dock", "anchor", "yawl 01", "yawl 10", "yawl 2"},
         {"_x", "anchor", "Dry dock", "dry Dock", "dry dock", "drydock", "dry-dock", "harbour", "Harbour",
          "harbour wall", "harbourwall", "harbour-wall", "Quay", "quay", "'tis", "yawl 01", "yawl 10", "yawl 2"}},
    };
    Dialog d = startonthreewords();
    for (const SortedAdds &row : rows) {
        tklistreset(d, IDC_WORDLIST);
        for (const string &w : row.added) tklistadd(d, IDC_WORDLIST, w.c_str());
        EXPECT_EQ(listitems(d, IDC_WORDLIST), row.listed);
    }
}

TEST_F(ToolkitContract, PrefixSelectionIgnoresCaseAndAnEmptyOrUnknownTextKeepsTheSelection)
{
    Dialog d = startonthreewords();
    tklistadd(d, IDC_WORDLIST, "harbour wall");
    tklistadd(d, IDC_WORDLIST, "Harbour");
    tklistadd(d, IDC_WORDLIST, "berth");
    ASSERT_EQ(listitems(d, IDC_WORDLIST),
              (vector<string>{"berth", "Harbour", "harbour", "Harbour master", "harbour wall", "quay"}));
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "HAR"), 1);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "HARBOUR M"), 3);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "harbour w"), 4);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "Q"), 5);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "x"), NOITEM);
    EXPECT_EQ(tklistgetsel(d, IDC_WORDLIST), 5) << "a failed search keeps the selection";
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, ""), NOITEM);
    EXPECT_EQ(tklistgetsel(d, IDC_WORDLIST), 5);
}

// Enter presses GO from the word box, the word list, a filter box and a check
// box, a focused push button instead of GO, and nothing in the meaning box.
TEST_F(ToolkitContract, EnterPressesGoButInTheMeaningBoxAndOnAPushButton)
{
    Dialog d = startonthreewords();
    userclick(d, IDC_PREFIXON);  // enables the prefix box
    usertype(d, IDC_WORD, "quay");
    for (int id : {IDC_WORD, IDC_WORDLIST, IDC_PREFIXON, IDC_PREFIX}) {
        userfocus(d, id);
        ASSERT_EQ(tkgetfocus(d), id);
        clearraised();
        userenter(d);
        EXPECT_EQ(raised(IDC_GO, NOTIFY_CLICKED), 1) << id;
    }
    userfocus(d, IDC_MEANING);
    string meaning = textof(d, IDC_MEANING);
    clearraised();
    userenter(d);
    EXPECT_TRUE(raisedcommands().empty()) << raisedcommands().size() << " commands, the first from "
                                          << raisedcommands().front().id;
    EXPECT_EQ(textof(d, IDC_MEANING), meaning);
    userfocus(d, IDC_SEARCH);
    clearraised();
    userenter(d);
    EXPECT_EQ(raised(IDC_SEARCH, NOTIFY_CLICKED), 1);
    EXPECT_EQ(raised(IDC_GO, NOTIFY_CLICKED), 0);
    EXPECT_GT(tkcombocount(d, IDC_RESULTS), 0) << "the search ran";
}

TEST_F(ToolkitContract, RestoredAt1000By600TheControlsTakeTheirPlacesInPixels)
{
    Dialog d = startonharbour("harbour");
    expectrestoredlayout(d);
    EXPECT_EQ(dialogtitle(d), "Orlavex Dictionary");
}

TEST_F(ToolkitContract, MaximisedTheMeaningBoxStandsRightOfATallWordList)
{
    Dialog d = startonharbour("harbour");
    usermaximise(d);
    int w = 0, h = 0;
    tkclientsize(d, &w, &h);
    ASSERT_GT(w, 605);
    EXPECT_EQ(placeof(d, IDC_MEANING), (vector<int>{305, 205, w - 314, h - 230}));
    EXPECT_EQ(placeof(d, IDC_WORDLIST), (vector<int>{8, 72, 290, h - 82}));
    EXPECT_EQ(firstthree(placeof(d, IDC_RESULTS)), (vector<int>{280, 30, w - 605}));
    EXPECT_EQ(placeof(d, IDC_LEVEL_HARD)[0], w - 105);
    EXPECT_EQ(dialogtitle(d), "Orlavex Dictionary");
}

TEST_F(ToolkitContract, TheWordBoxButtonsAndLabelsNeverMove)
{
    Dialog d = startonharbour("harbour");
    int fixed[] = {IDC_WORD, IDC_SEARCH, IDC_REVISION, IDC_WORDLABEL, IDC_LISTLABEL, IDC_MEANINGLABEL,
                   IDC_WORDCOUNT, IDC_ENTRYNO, IDC_STATUS};
    vector<vector<int>> before;
    for (int id : fixed) before.push_back(placeof(d, id));
    usersize(d, 1000, 600);
    usermaximise(d);
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(placeof(d, fixed[i]), before[i]) << fixed[i];
}

TEST_F(ToolkitContract, MinimisedTheTitleIsTheShortNameAndRestoringBringsBackTheLongOne)
{
    Dialog d = startonharbour("harbour");
    usersize(d, 1000, 600);
    userminimise(d);
    EXPECT_EQ(dialogtitle(d), "VanTrel");
    EXPECT_EQ(placeof(d, IDC_MEANING), (vector<int>{5, 205, 990, 370}))
        << "the size-following controls stay while minimised";
    EXPECT_EQ(placeof(d, IDC_LEVEL_HARD)[0], -105) << "the common ones follow the minimised size";
    userrestore(d);
    EXPECT_EQ(dialogtitle(d), "Orlavex Dictionary");
    EXPECT_EQ(placeof(d, IDC_LEVEL_HARD)[0], 895) << "restoring places everything again";
}

} // namespace
