// The real main dialog resized and maximised by the window manager's own
// calls: the controls' real rectangles, what overlaps, and what is painted
// where, read back from the window.  The placement at each size, which the
// model shares, is in the contract suite
// (tests/scenarios/toolkit_contract_test.cpp).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tests/scenarios/scenario.h"
#include "tests/support/pump.h"
#include "tests/support/capture.h"
#include "ui/layout.h"
#include "ui/reviewbox.h"
#include "ui/toolkitwin32.h"

namespace {

// The visible controls and their rectangles in the client area.
std::vector<std::pair<int, RECT>> visibleplaces(HWND window)
{
    std::vector<std::pair<int, RECT>> shown;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        if (!IsWindowVisible(child) || !GetWindowRect(child, &place)) continue;
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT *>(&place), 2);
        shown.push_back({GetDlgCtrlID(child), place});
    }
    return shown;
}

// The first row of the client area that a visible control reaches, at most
// `most`.
int toprow(HWND window, int most = 10)
{
    int top = most;
    for (const auto &control : visibleplaces(window)) top = std::min(top, (int)control.second.top);
    return top;
}

// The pairs of visible controls that overlap, as "101/128 "; a group box
// holds its own radios, check boxes and filter boxes.  A drop-down list
// counts at its closed height.
std::string overlaps(HWND window)
{
    const std::vector<int> levels = {IDC_LEVEL_UNKNOWN, IDC_LEVEL_VERYHARD, IDC_LEVEL_HARD, IDC_LEVEL_EASY,
                                     IDC_LEVEL_VERYEASY};
    const std::vector<int> shows = {IDC_SHOW_UNKNOWN, IDC_SHOW_HARD, IDC_SHOW_ALL, IDC_MARKEDONLY, IDC_PREFIXON,
                                    IDC_PREFIX, IDC_CONTAINSON, IDC_CONTAINS, IDC_SUFFIXON, IDC_SUFFIX};
    auto holds = [&](int group, int id) {
        const std::vector<int> &members = group == IDC_LEVELGROUP ? levels : shows;
        return (group == IDC_LEVELGROUP || group == IDC_SHOWGROUP) &&
               std::find(members.begin(), members.end(), id) != members.end();
    };
    const std::vector<std::pair<int, RECT>> shown = visibleplaces(window);
    std::string found;
    for (size_t i = 0; i < shown.size(); ++i)
        for (size_t j = i + 1; j < shown.size(); ++j) {
            RECT both;
            int a = shown[i].first, b = shown[j].first;
            if (IntersectRect(&both, &shown[i].second, &shown[j].second) && !holds(a, b) && !holds(b, a))
                found += std::to_string(a) + "/" + std::to_string(b) + " ";
        }
    return found;
}

// The first rows of a picture.
Picture croprows(const Picture &picture, int rows)
{
    Picture part = picture;
    part.height = rows;
    part.bgr.resize(static_cast<size_t>(picture.width) * rows * 3);
    return part;
}

// The text a control shows when it needs more room than it has in the
// control's font, "" when it fits: one line in a static or the closed
// drop-down's text area; in the button one word a line, as Wine wraps it,
// within its frame, and its face clear above the frame.
std::string cutoff(HWND window, int id)
{
    HWND control = GetDlgItem(window, id);
    const bool button = id == IDC_REVISION;
    char text[200] = "";
    RECT room, at, needs = {0, 0, button ? 1 : 0, 0};
    COMBOBOXINFO parts = {sizeof parts, {}, {}, 0, nullptr, nullptr, nullptr};
    GetWindowTextA(control, text, sizeof text);
    GetClientRect(control, &room);
    if (GetComboBoxInfo(control, &parts)) room = parts.rcItem;
    if (button) InflateRect(&room, -3, -3);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text, -1, &needs, DT_CALCRECT | (button ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    GetWindowRect(control, &at);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT *>(&at), 2);
    OffsetRect(&room, at.left, at.top);
    Picture shown = captureclient(window);
    bool clear = !button || plain(shown, room.left, room.bottom - 2, room.right - room.left, 2,
                                  shown.at(room.left, room.top));
    return needs.right <= room.right - room.left && needs.bottom <= room.bottom - room.top && clear ? "" : text;
}

// Whether the control's text shows whole in its font: a button's on one line
// inside its frame, a static's in the lines it wraps to.
bool fitswhole(HWND control)
{
    char text[200] = "", kind[16] = "";
    GetWindowTextA(control, text, sizeof text);
    bool button = GetClassNameA(control, kind, sizeof kind) > 0 && lstrcmpiA(kind, "Button") == 0;
    RECT room;
    GetClientRect(control, &room);
    if (button) InflateRect(&room, -2 * GetSystemMetrics(SM_CXEDGE), -2 * GetSystemMetrics(SM_CYEDGE));
    RECT needed = {0, 0, room.right - room.left, 0};
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text, -1, &needed, DT_CALCRECT | (button ? DT_SINGLELINE : DT_WORDBREAK | DT_NOPREFIX));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return text[0] != '\0' && needed.right <= room.right - room.left && needed.bottom <= room.bottom - room.top;
}

class Window : public DialogTest {
protected:
    HWND window = nullptr;

    void SetUp() override
    {
        DialogTest::SetUp();
        window = reinterpret_cast<HWND>(startonharbour("harbour"));
    }

    // Lets everything that became invalid paint; nothing is invalidated here.
    void settle()
    {
        pumpmessages(nullptr);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
};

// Run at 96 DPI with the others and again on a screen of 144 DPI.
TEST_F(Window, TheProportionsOf1000By600At96HoldAtAnyDpi)
{
    const int dpi = layoutdpi();
    auto px = [dpi](int figure) { return scaled(figure, dpi); };
    const int w = px(1000), h = px(600);
    // as the window opens, every text shows whole: the level's note, a
    // header for a query the word box shows whole, each revision caption
    userclick(dialog, IDC_LEVEL_EASY);
    usertype(dialog, IDC_WORD, "harbour wall mooring quay");
    usermenu(dialog, IDM_SEARCHALL);
    for (const char *caption : {"Unmark from &Revision", "Mark for &revision", "Unmark from &revision"}) {
        tksettext(dialog, IDC_REVISION, caption);
        settle();
        EXPECT_EQ(cutoff(window, IDC_REVISION), "");
    }
    EXPECT_EQ(cutoff(window, IDC_STATUS), "");
    EXPECT_EQ(cutoff(window, IDC_RESULTS), "");
    ASSERT_NO_FATAL_FAILURE(expectrestoredlayout(dialog));
    EXPECT_EQ(overlaps(window), "");

    // the logo at the scaled corner and no larger; the band as deep as scaled
    Picture shown = captureclient(window);
    COLORREF background = GetSysColor(COLOR_BTNFACE);
    int x = w - px(50), y = h - px(20), logowidth = px(37), logoheight = px(13);
    EXPECT_FALSE(plain(shown, x, y, logowidth, logoheight, background));
    EXPECT_TRUE(plain(shown, x + logowidth, y - 1, w - x - logowidth, h - y + 1, background));
    EXPECT_TRUE(plain(shown, x - 1, y + logoheight, w - x + 1, h - y - logoheight, background));
    int free = toprow(window, px(12));
    ASSERT_GE(free, px(4));
    Picture band = bitmappixels(bandbitmap());
    ASSERT_GT(band.width, 0);
    EXPECT_TRUE(plain(shown, 0, 0, w, free < px(10) ? free : px(10), band.at(0, 0)));
    EXPECT_TRUE(free <= px(10) || plain(shown, 0, px(10), w, free - px(10), background)) << "no deeper";
}

// Sizing the window as small as one can drag it stops at the minimum, where
// nothing overlaps and everything works; run at 144 DPI as well.
TEST_F(Window, ADragBelowTheMinimumStopsThereWithNoOverlapAtAnyDpi)
{
    usersize(dialog, 400, 150);
    RECT client;
    GetClientRect(window, &client);
    int w = 0, h = 0;
    minimumclient(dialog, &w, &h);
    EXPECT_GE(client.right, w);
    EXPECT_GE(client.bottom, h);
    EXPECT_LE(client.right, w + 2) << "no wider than the minimum asks";
    EXPECT_GT(placeof(dialog, IDC_RESULTS)[2], 0);
    EXPECT_GT(placeof(dialog, IDC_MEANING)[3], 0);
    EXPECT_EQ(overlaps(window), "");
    usertype(dialog, IDC_WORD, "quay");
    EXPECT_EQ(textof(dialog, IDC_MEANING), "A landing place along the water.");

    // the narrow result list drops down as wide as its header needs
    int closed = placeof(dialog, IDC_RESULTS)[2];
    usermenu(dialog, IDM_SEARCHALL);
    HWND results = GetDlgItem(window, IDC_RESULTS);
    char header[200] = "";
    SendMessageA(results, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(header));
    ASSERT_EQ(std::string(header).rfind("Related words found for quay", 0), 0u) << header;
    HDC dc = GetDC(results);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(results, WM_GETFONT, 0, 0)));
    SIZE text = {};
    GetTextExtentPoint32A(dc, header, static_cast<int>(strlen(header)), &text);
    SelectObject(dc, old);
    ReleaseDC(results, dc);
    SendMessageA(results, CB_SHOWDROPDOWN, TRUE, 0);
    settle();
    COMBOBOXINFO parts = {};
    parts.cbSize = sizeof parts;
    RECT dropped = {};
    ASSERT_TRUE(GetComboBoxInfo(results, &parts) && GetWindowRect(parts.hwndList, &dropped));
    SendMessageA(results, CB_SHOWDROPDOWN, FALSE, 0);
    settle();
    EXPECT_GT(text.cx, closed);
    EXPECT_GT(dropped.right - dropped.left, text.cx) << "the header fits";
    EXPECT_LE(dropped.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(placeof(dialog, IDC_RESULTS)[2], closed) << "the closed box keeps its width";

    usermaximise(dialog);
    EXPECT_EQ(overlaps(window), "") << "maximised";
    userrestore(dialog);
    const int dpi = layoutdpi();
    usersize(dialog, scaled(1000, dpi), scaled(600, dpi));
    EXPECT_EQ(placeof(dialog, IDC_MEANING)[2], scaled(1000, dpi) - scaled(10, dpi));
}

TEST_F(Window, TheBandIsAtTheTopAndTheLogoFollowsTheCornerWithNoTraceLeft)
{
    Picture logo = bitmappixels(logobitmap());
    Picture band = bitmappixels(bandbitmap());
    ASSERT_EQ(logo.width, 37);
    ASSERT_EQ(band.width, 1024);
    COLORREF background = GetSysColor(COLOR_BTNFACE);

    usersize(dialog, 1000, 600);
    Picture shown = captureclient(window);
    EXPECT_TRUE(shows(shown, logo, 950, 580)) << "50 from the right, 20 from the bottom";
    // growing wider invalidates the whole client area: the old corner is wiped
    usersize(dialog, 1100, 600);
    shown = captureclient(window);
    EXPECT_TRUE(shows(shown, logo, 1050, 580));
    EXPECT_TRUE(plain(shown, 950, 580, 37, 13, background)) << "no trace at the old corner";
    // the controls paint over the band where they reach into it
    int free = toprow(window);
    ASSERT_GE(free, 4);
    EXPECT_TRUE(shows(shown, croprows(band, free), 0, 0)) << "the band across the top";
    EXPECT_TRUE(plain(shown, 1024, 0, 76, free, background)) << "and beyond its 1024 pixels, nothing";
    // and shrinking brings it back in
    usersize(dialog, 900, 500);
    shown = captureclient(window);
    EXPECT_TRUE(shows(shown, logo, 850, 480));
}

// The command after a separator below the rebuilds; berth, marked and never
// reviewed, in the review box with its meaning shown.
TEST_F(Window, TheReviewBoxShowsEveryTextWholeInItsFontsAndNothingOverlapsAtAnyDpi)
{
    HMENU dictionary = GetSubMenu(GetMenu(window), 0);
    EXPECT_EQ(GetMenuState(dictionary, 3, MF_BYPOSITION) & MF_SEPARATOR, (UINT)MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(dictionary, 4), (UINT)IDM_REVIEW);
    std::string unfit, overlapping;
    LOGFONTA word = {}, text = {};
    whilereviewing([&](Dialog box) {
        userclick(box, IDC_REVIEWSHOW);
        HWND shown = reinterpret_cast<HWND>(box);
        for (int id : {IDC_REVIEWWORD, IDC_REVIEWPROGRESS, IDC_REVIEWSHOW, IDC_REVIEWKNEW, IDC_REVIEWNOTYET, IDC_REVIEWSTOP})
            if (!fitswhole(GetDlgItem(shown, id))) unfit += std::to_string(id) + " ";
        overlapping = overlaps(shown);
        GetObjectA(reviewwordfont(), sizeof word, &word);
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(shown, WM_GETFONT, 0, 0)), sizeof text, &text);
    });
    usermenu(dialog, IDM_REVIEW);
    EXPECT_EQ(unfit, "") << "at " << layoutdpi() << " DPI";
    EXPECT_EQ(overlapping, "");
    EXPECT_TRUE(text.lfHeight != 0 && word.lfHeight == REVIEWWORDGROWTH * text.lfHeight) << "the headword in the larger font";
}

} // namespace
