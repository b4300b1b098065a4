// What the dictionary relies on from the Win32 toolkit, checked on the real
// dialog: the notification rules, the bounded reads, the empty prefix, the
// focus outside the dialog, and the pictures the template's resources hold.
// Commands are seen by wrapping the real dialog procedure.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scenarios/scenario.h"
#include "ui/mainwindow.h"
#include "ui/toolkitwin32.h"

namespace {

struct Command {
    int id;
    int code;
    bool operator==(const Command &other) const { return id == other.id && code == other.code; }
};

std::vector<Command> commands;

INT_PTR CALLBACK recordingproc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_COMMAND)
        commands.push_back(Command{LOWORD(wparam), HIWORD(wparam)});
    return DialogFunc(dialog, message, wparam, lparam);
}

// the commands of one id since the last call
std::vector<int> codesof(int id)
{
    std::vector<int> codes;
    for (const Command &c : commands)
        if (c.id == id)
            codes.push_back(c.code);
    commands.clear();
    return codes;
}

class Win32Toolkit : public DialogTest {
protected:
    Dialog open()
    {
        writestore({{"harbour", "Sheltered water.", 0, LevelEasy},
                    {"Harbour master", "Keeps the harbour.", 0, LevelHard},
                    {"quay", "A landing place.", 0, LevelEasy}});
        Dialog d = start("");
        SetWindowLongPtrA(reinterpret_cast<HWND>(d), DWLP_DLGPROC,
                          reinterpret_cast<LONG_PTR>(recordingproc));
        commands.clear();
        return d;
    }
};

TEST_F(Win32Toolkit, WritingTheWordBoxRaisesItsChangeAtOnceEvenWhenUnchanged)
{
    Dialog d = open();
    tksettext(d, IDC_WORD, "quay");
    EXPECT_EQ(codesof(IDC_WORD), (std::vector<int>{EN_UPDATE, NOTIFY_CHANGE}));
    tksettext(d, IDC_WORD, "quay");
    EXPECT_EQ(codesof(IDC_WORD), (std::vector<int>{EN_UPDATE, NOTIFY_CHANGE}));
    tksettext(d, IDC_WORD, "");
    tksettext(d, IDC_WORD, "");
    EXPECT_EQ(codesof(IDC_WORD), (std::vector<int>{EN_UPDATE, NOTIFY_CHANGE, EN_UPDATE, NOTIFY_CHANGE}));
}

TEST_F(Win32Toolkit, SelectionsAndChecksSetByTheProgramRaiseNothing)
{
    Dialog d = open();
    tklistsetsel(d, IDC_WORDLIST, 1);
    tklistsettop(d, IDC_WORDLIST, 1);
    tklistselectprefix(d, IDC_WORDLIST, "qu");
    tklistsetsel(d, IDC_WORDLIST, NOITEM);
    tkcomboinsert(d, IDC_RESULTS, 0, "header");
    tkcombosetsel(d, IDC_RESULTS, 0);
    tkcheckradio(d, IDC_SHOW_UNKNOWN, IDC_SHOW_ALL, IDC_SHOW_HARD);
    tkcheckradio(d, IDC_LEVEL_VERYHARD, IDC_LEVEL_UNKNOWN, IDC_LEVEL_HARD);
    tksetcheck(d, IDC_PREFIXON, true);
    tksetcheck(d, IDC_MARKEDONLY, true);
    EXPECT_TRUE(commands.empty()) << commands.size() << " commands, the first from "
                                  << commands.front().id;
    EXPECT_TRUE(tkischecked(d, IDC_SHOW_HARD));
    EXPECT_FALSE(tkischecked(d, IDC_SHOW_ALL));
    EXPECT_TRUE(tkischecked(d, IDC_PREFIXON));
}

TEST_F(Win32Toolkit, ReadsAreCutToTheBuffer)
{
    Dialog d = open();
    char small[6] = "#####";
    tklistreset(d, IDC_WORDLIST);
    tklistadd(d, IDC_WORDLIST, "harbour wall");
    EXPECT_EQ(tklistgettext(d, IDC_WORDLIST, 0, small, sizeof small), 5);
    EXPECT_STREQ(small, "harbo");
    tkcomboreset(d, IDC_RESULTS);
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
    EXPECT_EQ(tklistgettext(d, IDC_WORDLIST, 7, missing, sizeof missing), 0);
    EXPECT_STREQ(missing, "");
}

TEST_F(Win32Toolkit, PrefixSelectionIgnoresCaseAndAnEmptyTextKeepsTheSelection)
{
    Dialog d = open();
    ASSERT_EQ(tklistcount(d, IDC_WORDLIST), 3);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "HARBOUR M"), 1);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "Q"), 2);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, ""), NOITEM);
    EXPECT_EQ(tklistgetsel(d, IDC_WORDLIST), 2);
    EXPECT_EQ(tklistselectprefix(d, IDC_WORDLIST, "wharf"), NOITEM);
}

TEST_F(Win32Toolkit, FocusOutsideTheDialogIsNoControl)
{
    Dialog d = open();
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
    Dialog d = open();
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
