// Placement of the size-following controls, in client pixels, where only the
// model can go: below the window's minimum, at 144 DPI on a 96 DPI screen,
// and with a fixed control moved.  The placement at each size of the window
// is in the contract suite (tests/scenarios/toolkit_contract_test.cpp).
#include <gtest/gtest.h>

#include <vector>

#include "tests/headless.h"
#include "ui/layout.h"
#include "dictionary/resource.h"

static Dialog sized(int width, int height)
{
    Dialog d = headlesscreate();
    d->clientwidth = width;
    d->clientheight = height;
    return d;
}

TEST(Layout, NegativeSizesOfANarrowLowWindowShowAsEmptyControls)
{
    Dialog d = sized(300, 100);
    layoutdialog(d, LAYOUT_RESTORED);
    EXPECT_EQ(placeof(d, IDC_RESULTS), (std::vector<int>{275, 30, 0, 200}));
    EXPECT_EQ(placeof(d, IDC_MEANING), (std::vector<int>{5, 205, 290, 0}));
    layoutdialog(d, LAYOUT_MAXIMISED);
    EXPECT_EQ(placeof(d, IDC_WORDLIST), (std::vector<int>{8, 72, 290, 18}));
    EXPECT_EQ(placeof(d, IDC_MEANING), (std::vector<int>{305, 205, 0, 0}));
    headlessdestroy(d);
}

// The screen's DPI for one test; 96 again afterwards.
struct AtDpi {
    explicit AtDpi(int dpi) { setlayoutdpi(dpi); }
    ~AtDpi() { setlayoutdpi(BASEDPI); }
};

TEST(Layout, At144DpiA1500By900ClientShowsWhat1000By600ShowsAt96)
{
    AtDpi dpi(144);
    Dialog d = sized(1500, 900);
    struct Row {
        int sizetype;
        int id;
        std::vector<int> place;
    };
    // every figure times 1.5, a half rounded up
    const Row rows[] = {
        {LAYOUT_RESTORED, IDC_WORDLIST, {12, 108, 435, 188}},
        {LAYOUT_RESTORED, IDC_MEANING, {8, 308, 1485, 555}},
        {LAYOUT_RESTORED, IDC_RESULTS, {413, 45, 592, 300}},
        {LAYOUT_RESTORED, IDC_PREFIX, {1050, 233, 75, 38}},
        {LAYOUT_RESTORED, IDC_SUFFIX, {1200, 233, 75, 38}},
        {LAYOUT_MAXIMISED, IDC_MEANING, {458, 308, 1029, 555}},
        {LAYOUT_MAXIMISED, IDC_WORDLIST, {12, 108, 435, 777}},
        {LAYOUT_MAXIMISED, IDC_RESULTS, {420, 45, 592, 300}},
    };
    for (const Row &row : rows) {
        layoutdialog(d, row.sizetype);
        EXPECT_EQ(placeof(d, row.id), row.place) << row.id << " size type " << row.sizetype;
    }
    EXPECT_EQ(placeof(d, IDC_LEVEL_VERYEASY)[0], 1342);
    EXPECT_EQ(placeof(d, IDC_LEVEL_VERYEASY)[1], 203);
    EXPECT_EQ(placeof(d, IDC_LEVELGROUP)[0], 1335);
    EXPECT_EQ(placeof(d, IDC_SHOWGROUP)[0], 1042);
    EXPECT_EQ(placeof(d, IDC_SUFFIXON)[0], 1230);
    headlessdestroy(d);
}

TEST(Layout, TheMinimumKeepsTheGroupsClearOfTheControlsLeftOfThemAndTheResultListOpen)
{
    Dialog d = sized(1000, 600);
    int w = 0, h = 0;
    // at 96: the result list's 100 decide, 605 + 100; the meaning box's 60
    minimumclient(d, &w, &h);
    EXPECT_EQ(std::vector<int>({w, h}), std::vector<int>({705, 290}));
    // a control that never moves and ends at 420: the groups start 5 right of it
    int *revision = findcontrol(d, IDC_REVISION)->place;
    revision[0] = 350;
    revision[2] = 70;
    minimumclient(d, &w, &h);
    EXPECT_EQ(w, 420 + 5 + 305);
    {
        AtDpi dpi(144);
        revision[2] = 300;
        minimumclient(d, &w, &h);
        EXPECT_EQ(std::vector<int>({w, h}), std::vector<int>({650 + 8 + 458, 345 + 90}));
        revision[2] = 0;  // the word list's edge, 447, is then the rightmost
        minimumclient(d, &w, &h);
        EXPECT_EQ(w, 908 + 150);
    }
    headlessdestroy(d);
}
