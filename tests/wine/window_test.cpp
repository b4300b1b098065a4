// The real main dialog resized, maximised and minimised by the window manager's
// own calls: the controls' real rectangles, the title, and what is painted
// where, read back from the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/scenarios/scenario.h"
#include "tests/wine/capture.h"
#include "ui/toolkitwin32.h"

namespace {

std::vector<int> placeof(Dialog d, int id)
{
    int place[4];
    tkgetplace(d, id, place);
    return {place[0], place[1], place[2], place[3]};
}

std::string title(HWND window)
{
    char text[100] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The first row of the client area that a visible control reaches, at most 10.
int toprow(HWND window)
{
    int top = 10;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        if (!IsWindowVisible(child) || !GetWindowRect(child, &place)) continue;
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT *>(&place), 2);
        if (place.top < top) top = place.top;
    }
    return top;
}

// The first rows of a picture.
Picture croprows(const Picture &picture, int rows)
{
    Picture part = picture;
    part.height = rows;
    part.bgr.resize(static_cast<size_t>(picture.width) * rows * 3);
    return part;
}

class Window : public DialogTest {
protected:
    HWND window = nullptr;

    void SetUp() override
    {
        DialogTest::SetUp();
        writestore(harbourglossary());
        window = reinterpret_cast<HWND>(start("harbour"));
    }

    // Sizes the window at the top-left of the screen so that its client
    // area is width x height, as a user's drag of the frame does; then lets
    // everything that became invalid paint.
    void sizeclient(int width, int height)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            RECT outer, client;
            GetWindowRect(window, &outer);
            GetClientRect(window, &client);
            if (client.right == width && client.bottom == height && outer.left == 0 && outer.top == 0)
                break;
            SetWindowPos(window, nullptr, 0, 0, width + (outer.right - outer.left) - client.right,
                         height + (outer.bottom - outer.top) - client.bottom,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        settle();
    }

    void settle()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        // only what is invalid is painted: nothing is invalidated here
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }

    void expectclient(int width, int height)
    {
        RECT client;
        GetClientRect(window, &client);
        ASSERT_EQ(client.right, width);
        ASSERT_EQ(client.bottom, height);
    }
};

TEST_F(Window, RestoredAt1000By600TheControlsTakeTheirPlacesInPixels)
{
    sizeclient(1000, 600);
    ASSERT_NO_FATAL_FAILURE(expectclient(1000, 600));
    EXPECT_EQ(placeof(dialog, IDC_WORDLIST), (std::vector<int>{8, 72, 290, 125}));
    EXPECT_EQ(placeof(dialog, IDC_MEANING), (std::vector<int>{5, 205, 990, 370}));
    // a drop-down list's own height is its closed height; the 200 it is
    // given is the height it may drop to
    std::vector<int> results = placeof(dialog, IDC_RESULTS);
    EXPECT_EQ(std::vector<int>(results.begin(), results.begin() + 3), (std::vector<int>{275, 30, 395}));
    int levels[] = {IDC_LEVEL_UNKNOWN, IDC_LEVEL_VERYHARD, IDC_LEVEL_HARD, IDC_LEVEL_EASY, IDC_LEVEL_VERYEASY};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(placeof(dialog, levels[i])[0], 895) << levels[i];
        EXPECT_EQ(placeof(dialog, levels[i])[1], 35 + 25 * i) << levels[i];
    }
    EXPECT_EQ(placeof(dialog, IDC_LEVELGROUP)[0], 890);
    int shows[] = {IDC_SHOW_UNKNOWN, IDC_SHOW_HARD, IDC_SHOW_ALL, IDC_MARKEDONLY};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(placeof(dialog, shows[i])[1], 35 + 25 * i) << shows[i];
    EXPECT_EQ(placeof(dialog, IDC_SHOW_ALL)[0], 700);
    EXPECT_EQ(placeof(dialog, IDC_PREFIX), (std::vector<int>{700, 155, 50, 25}));
    EXPECT_EQ(placeof(dialog, IDC_CONTAINS), (std::vector<int>{750, 155, 50, 25}));
    EXPECT_EQ(placeof(dialog, IDC_SUFFIX), (std::vector<int>{800, 155, 50, 25}));
    EXPECT_EQ(placeof(dialog, IDC_SUFFIXON)[0], 820);
    EXPECT_EQ(placeof(dialog, IDC_SHOWGROUP)[0], 695);
    EXPECT_EQ(title(window), "Orlavex Dictionary");
}

TEST_F(Window, TheWordBoxButtonsAndLabelsNeverMove)
{
    int fixed[] = {IDC_WORD, IDC_SEARCH, IDC_REVISION, IDC_WORDLABEL, IDC_LISTLABEL, IDC_MEANINGLABEL,
                   IDC_WORDCOUNT, IDC_ENTRYNO, IDC_STATUS};
    std::vector<std::vector<int>> before;
    for (int id : fixed) before.push_back(placeof(dialog, id));
    sizeclient(1000, 600);
    ShowWindow(window, SW_MAXIMIZE);
    settle();
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(placeof(dialog, fixed[i]), before[i]) << fixed[i];
}

TEST_F(Window, MaximisedTheMeaningBoxStandsRightOfATallWordList)
{
    ShowWindow(window, SW_MAXIMIZE);
    settle();
    RECT client;
    GetClientRect(window, &client);
    int w = client.right, h = client.bottom;
    ASSERT_GT(w, 605) << "the screen is 1280 x 1024";
    EXPECT_EQ(placeof(dialog, IDC_MEANING), (std::vector<int>{305, 205, w - 314, h - 230}));
    EXPECT_EQ(placeof(dialog, IDC_WORDLIST), (std::vector<int>{8, 72, 290, h - 82}));
    std::vector<int> results = placeof(dialog, IDC_RESULTS);
    EXPECT_EQ(std::vector<int>(results.begin(), results.begin() + 3), (std::vector<int>{280, 30, w - 605}));
    EXPECT_EQ(placeof(dialog, IDC_LEVEL_HARD)[0], w - 105);
    EXPECT_EQ(title(window), "Orlavex Dictionary");
}

TEST_F(Window, MinimisedTheTitleIsTheShortNameAndRestoringBringsBackTheLongOne)
{
    sizeclient(1000, 600);
    ShowWindow(window, SW_MINIMIZE);
    settle();
    EXPECT_EQ(title(window), "VanTrel");
    EXPECT_EQ(placeof(dialog, IDC_MEANING), (std::vector<int>{5, 205, 990, 370}))
        << "the size-following controls stay while minimised";
    ShowWindow(window, SW_RESTORE);
    settle();
    EXPECT_EQ(title(window), "Orlavex Dictionary");
    EXPECT_EQ(placeof(dialog, IDC_LEVEL_HARD)[0], 895) << "restoring places everything again";
}

TEST_F(Window, ANarrowLowWindowShowsEmptyControlsAndKeepsWorking)
{
    sizeclient(400, 150);
    ASSERT_NO_FATAL_FAILURE(expectclient(400, 150));
    EXPECT_EQ(placeof(dialog, IDC_RESULTS)[2], 0) << "a width below zero is an empty control";
    EXPECT_EQ(placeof(dialog, IDC_MEANING), (std::vector<int>{5, 205, 390, 0}));
    usertype(dialog, IDC_WORD, "quay");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A landing place along the water.");
    sizeclient(1000, 600);
    EXPECT_EQ(placeof(dialog, IDC_MEANING), (std::vector<int>{5, 205, 990, 370}));
}

TEST_F(Window, TheBandIsAtTheTopAndTheLogoFollowsTheCornerWithNoTraceLeft)
{
    Picture logo = bitmappixels(logobitmap());
    Picture band = bitmappixels(bandbitmap());
    ASSERT_EQ(logo.width, 37);
    ASSERT_EQ(band.width, 1024);
    COLORREF background = GetSysColor(COLOR_BTNFACE);

    sizeclient(1000, 600);
    Picture shown = captureclient(window);
    EXPECT_TRUE(shows(shown, logo, 950, 580)) << "50 from the right, 20 from the bottom";
    // growing wider invalidates the whole client area: the old corner is wiped
    sizeclient(1100, 600);
    shown = captureclient(window);
    EXPECT_TRUE(shows(shown, logo, 1050, 580));
    EXPECT_TRUE(plain(shown, 950, 580, 37, 13, background)) << "no trace at the old corner";
    // the controls paint over the band where they reach into it
    int free = toprow(window);
    ASSERT_GE(free, 4);
    EXPECT_TRUE(shows(shown, croprows(band, free), 0, 0)) << "the band across the top";
    EXPECT_TRUE(plain(shown, 1024, 0, 76, free, background)) << "and beyond its 1024 pixels, nothing";
    // and shrinking brings it back in
    sizeclient(900, 500);
    shown = captureclient(window);
    EXPECT_TRUE(shows(shown, logo, 850, 480));
}

} // namespace
