// The headless model must order and select like the platform's list box; the
// same words are checked against the real one under Wine.
#include <gtest/gtest.h>

#include "tests/headless.h"
#include "dictionary/resource.h"

static std::vector<std::string> listed(Dialog d)
{
    return findcontrol(d, IDC_WORDLIST)->items;
}

TEST(HeadlessList, SortsWithoutCaseAndNearlyIgnoresHyphensAndApostrophes)
{
    Dialog d = headlesscreate();
    for (const char *w : {"quay", "'tis", "dry-dock", "drydock", "Harbour", "harbour wall", "_x",
                          "anchor", "harbour"})
        tklistadd(d, IDC_WORDLIST, w);
    std::vector<std::string> expected = {"_x",      "anchor",       "drydock", "dry-dock", "harbour",
                                         "Harbour", "harbour wall", "quay",    "'tis"};
    EXPECT_EQ(listed(d), expected);
    headlessdestroy(d);
}

TEST(HeadlessList, PlacesItemsEqualButForCaseWhereTheRealListDoes)
{
    // the order the real list box gives for these words added in this order
    Dialog d = headlesscreate();
    for (const char *w : {"Harbour", "harbour", "harbour wall", "dry dock", "dry-dock", "drydock", "'tis", "quay",
                          "_x", "Quay", "harbour-wall", "harbourwall", "Dry dock", "dry Dock", "anchor", "yawl 01",
                          "yawl 10", "yawl 2"})
        tklistadd(d, IDC_WORDLIST, w);
    std::vector<std::string> expected = {"_x",      "anchor",       "Dry dock",    "dry Dock",     "dry dock",
                                         "drydock", "dry-dock",     "harbour",     "Harbour",      "harbour wall",
                                         "harbourwall", "harbour-wall", "Quay",    "quay",         "'tis",
                                         "yawl 01", "yawl 10",      "yawl 2"};
    EXPECT_EQ(listed(d), expected);
    headlessdestroy(d);
}

TEST(HeadlessList, SelectsTheFirstItemThatBeginsWithTheTextAndNothingForEmptyText)
{
    Dialog d = headlesscreate();
    for (const char *w : {"harbour wall", "harbour", "Harbour", "berth"}) tklistadd(d, IDC_WORDLIST, w);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "HAR"), 1);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "harbour w"), 3);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "x"), NOITEM);
    EXPECT_EQ(tklistgetsel(d, IDC_WORDLIST), 3) << "a failed search keeps the selection";
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, ""), NOITEM);
    headlessdestroy(d);
}

TEST(HeadlessNotifications, ProgramWritesOfAnEditRaiseItsChangeAndNothingElseDoes)
{
    Dialog d = headlesscreate();
    tksettext(d, IDC_STATUS, "12");
    tksetcheck(d, IDC_LEVEL_EASY, true);
    tkcheckradio(d, IDC_SHOW_UNKNOWN, IDC_SHOW_ALL, IDC_SHOW_ALL);
    tklistadd(d, IDC_WORDLIST, "quay");
    tklistsetsel(d, IDC_WORDLIST, 0);
    EXPECT_TRUE(d->raised.empty());
    tksettext(d, IDC_WORD, "");
    tksettext(d, IDC_WORD, "");
    int wordchanges = 0;
    for (const RaisedCommand &r : d->raised)
        if (r.id == IDC_WORD && r.code == NOTIFY_CHANGE) ++wordchanges;
    EXPECT_EQ(wordchanges, 2) << "an unchanged text still raises the change";
    EXPECT_EQ(d->raised.front().id, IDC_WORD) << "and raises it first";
    headlessdestroy(d);
}
