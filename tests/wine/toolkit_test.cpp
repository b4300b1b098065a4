// What only the real dialog has: the Tab key's path through the template,
// the focus outside the dialog, and the pictures the template's resources
// hold.  What both toolkits share is in the contract suite
// (tests/scenarios/toolkit_contract_test.cpp).
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/scenarios/scenario.h"
#include "tests/support/pump.h"
#include "ui/toolkitwin32.h"

namespace {

// The focus after each press of Tab, as the dialog manager moves it.
std::vector<int> tabpath(Dialog d, int presses)
{
    HWND dialog = reinterpret_cast<HWND>(d);
    std::vector<int> path;
    for (int i = 0; i < presses; ++i) {
        HWND focus = GetFocus();
        PostMessageA(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
        PostMessageA(focus, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001u));
        pumpmessages(dialog);
        path.push_back(tkgetfocus(d));
    }
    return path;
}

using Win32Toolkit = DialogTest;

// Template order, through the enabled controls that are tab stops, and of
// each radio group the checked button (a radio button takes the tab stop
// when it is checked); never a label, a group box or the hidden GO.
TEST_F(Win32Toolkit, TabWalksTheEnabledTabStopsInTemplateOrder)
{
    Dialog d = startonthreewords();
    usertype(d, IDC_WORD, "quay");  // enables Search and the revision button, checks Easy
    userfocus(d, IDC_WORD);
    EXPECT_EQ(tabpath(d, 11), (std::vector<int>{IDC_WORDLIST, IDC_MEANING, IDC_SEARCH, IDC_LEVEL_EASY, IDC_PREFIXON,
                                                IDC_CONTAINSON, IDC_SUFFIXON, IDC_SHOW_ALL, IDC_REVISION,
                                                IDC_MARKEDONLY, IDC_WORD}));
    userclick(d, IDC_PREFIXON);  // enables the prefix box
    userclick(d, IDC_SUFFIXON);
    usertype(d, IDC_WORD, "");  // disables both buttons, unchecks every level
    userfocus(d, IDC_WORD);
    EXPECT_EQ(tabpath(d, 10), (std::vector<int>{IDC_WORDLIST, IDC_MEANING, IDC_PREFIXON, IDC_PREFIX, IDC_CONTAINSON,
                                                IDC_SUFFIXON, IDC_SUFFIX, IDC_SHOW_ALL, IDC_MARKEDONLY, IDC_WORD}));
}

TEST_F(Win32Toolkit, FocusOutsideTheDialogIsNoControl)
{
    Dialog d = startonthreewords();
    tksetfocus(d, IDC_WORDLIST);
    EXPECT_EQ(tkgetfocus(d), IDC_WORDLIST);
    HWND other = CreateWindowA("Edit", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetFocus(other);
    EXPECT_EQ(tkgetfocus(d), 0);
    DestroyWindow(other);
}

TEST_F(Win32Toolkit, PicturesLoadAtTheirSizesAndAreReleased)
{
    Dialog d = startonthreewords();
    BITMAP logo = {};
    BITMAP band = {};
    ASSERT_NE(logobitmap(), nullptr);
    ASSERT_NE(bandbitmap(), nullptr);
    GetObjectA(logobitmap(), sizeof logo, &logo);
    GetObjectA(bandbitmap(), sizeof band, &band);
    EXPECT_EQ(logo.bmWidth, 37);
    EXPECT_EQ(logo.bmHeight, 13);
    EXPECT_EQ(band.bmWidth, 1024);
    EXPECT_EQ(band.bmHeight, 10);
    HICON icon = reinterpret_cast<HICON>(
        SendMessageA(reinterpret_cast<HWND>(d), WM_GETICON, ICON_BIG, 0));
    EXPECT_NE(icon, nullptr);

    tkreleaseresources(d);
    EXPECT_EQ(logobitmap(), nullptr);
    EXPECT_EQ(bandbitmap(), nullptr);
}

} // namespace
