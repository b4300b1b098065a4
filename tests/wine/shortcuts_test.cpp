// The toolkit's shortcuts (a multi-line edit written once per command, the
// word list's prefix found in the toolkit's copy of its items) leave the real
// dialog exactly as the plain calls do.
// One script of keystrokes, picks, GO, scrolling, searches and narrowings is
// replayed twice on the same store, with the shortcuts off and on; after each
// step every control's state, the commands the dialog got, the messages
// shown and the pixels of the list and the meaning box are compared.  The
// words are made to be hard: case twins, hyphens, apostrophes, brackets,
// bytes above 127, an empty and a 99-character prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dictionary/store.h"
#include "dictionary/wordlist.h"
#include "tests/scenarios/scenario.h"
#include "tests/support/capture.h"
#include "tests/support/pump.h"
#include "ui/mainwindow.h"
#include "tests/toolkithooks.h"

namespace {

HWND shown = nullptr;   // the dialog under test
std::vector<RaisedCommand> commands;  // every WM_COMMAND since the last step
// Other codes than EN_VSCROLL from the meaning box.  Setting a multi-line
// edit's text raises nothing else, and that one only as the box scrolls back
// to its top, so it comes once per write that moves the box and fewer times
// when the box is written fewer times; the dispatch has no row for the box.
std::string meaningcodes;

// How often the word list was asked to find a prefix and the meaning box
// was written, seen by subclassing the two controls.
int selectstrings = 0;
int meaningwrites = 0;
WNDPROC listproc = nullptr;
WNDPROC meaningproc = nullptr;

LRESULT CALLBACK countinglist(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == LB_SELECTSTRING) ++selectstrings;
    return CallWindowProcA(listproc, window, message, wparam, lparam);
}

LRESULT CALLBACK countingmeaning(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_SETTEXT) ++meaningwrites;
    return CallWindowProcA(meaningproc, window, message, wparam, lparam);
}

void pump()
{
    pumpmessages(shown);
    RedrawWindow(shown, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HWND control(int id) { return GetDlgItem(shown, id); }
LRESULT ask(int id, UINT message, WPARAM w = 0, LPARAM l = 0) { return SendMessageW(control(id), message, w, l); }

std::string utf8(const wchar_t *text)
{
    char bytes[40000];
    int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
    return n > 0 ? std::string(bytes, static_cast<size_t>(n - 1)) : std::string("?");
}

std::string windowtext(HWND window)
{
    static wchar_t text[10000];
    text[0] = 0;
    SendMessageW(window, WM_GETTEXT, 10000, reinterpret_cast<LPARAM>(text));
    return utf8(text);
}

std::string items(HWND window, bool combo)
{
    std::string all;
    LRESULT count = SendMessageW(window, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        static wchar_t text[512];
        text[0] = 0;
        SendMessageW(window, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        all += utf8(text) + "|";
    }
    return all;
}

std::string scrollbar(HWND window)
{
    SCROLLINFO info = {sizeof info, SIF_ALL};
    if (!GetScrollInfo(window, SB_VERT, &info)) return " noscroll";
    return " scroll=" + std::to_string(info.nMin) + "," + std::to_string(info.nMax) + "," +
           std::to_string(info.nPage) + "," + std::to_string(info.nPos);
}

// The screen's pixels of a control, as painted.
std::string pixels(int id)
{
    RECT r;
    GetWindowRect(control(id), &r);
    HDC screen = GetDC(nullptr);
    Picture painted = capturedc(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ReleaseDC(nullptr, screen);
    unsigned long long hash = 1469598103934665603ull;
    for (unsigned char b : painted.bgr) hash = (hash ^ b) * 1099511628211ull;
    return std::to_string(hash);
}

// Everything a user or a program can see of the dialog now.
std::string state()
{
    std::string s;
    for (HWND c = GetWindow(shown, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[32] = "";
        GetClassNameA(c, name, sizeof name);
        std::string kind = name;
        s += std::to_string(GetDlgCtrlID(c)) + " " + kind + " '" + windowtext(c) + "'" +
             (IsWindowVisible(c) ? " visible" : "") + (IsWindowEnabled(c) ? " enabled" : "");
        if (kind == "Button") s += " check=" + std::to_string(SendMessageW(c, BM_GETCHECK, 0, 0));
        if (kind == "Edit") {
            DWORD start = 0, end = 0;
            SendMessageW(c, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            s += " sel=" + std::to_string(start) + "," + std::to_string(end) +
                 " line=" + std::to_string(SendMessageW(c, EM_GETFIRSTVISIBLELINE, 0, 0)) +
                 " modified=" + std::to_string(SendMessageW(c, EM_GETMODIFY, 0, 0)) +
                 " undo=" + std::to_string(SendMessageW(c, EM_CANUNDO, 0, 0)) + scrollbar(c);
        }
        if (kind == "ListBox")
            s += " sel=" + std::to_string(SendMessageW(c, LB_GETCURSEL, 0, 0)) +
                 " top=" + std::to_string(SendMessageW(c, LB_GETTOPINDEX, 0, 0)) +
                 " caret=" + std::to_string(SendMessageW(c, LB_GETCARETINDEX, 0, 0)) +
                 " anchor=" + std::to_string(SendMessageW(c, LB_GETANCHORINDEX, 0, 0)) + scrollbar(c) +
                 " items=" + items(c, false);
        if (kind == "ComboBox")
            s += " sel=" + std::to_string(SendMessageW(c, CB_GETCURSEL, 0, 0)) +
                 " dropped=" + std::to_string(SendMessageW(c, CB_GETDROPPEDWIDTH, 0, 0)) + " items=" + items(c, true);
        s += "\n";
    }
    s += "focus " + std::to_string(GetDlgCtrlID(GetFocus())) + "\ncommands ";
    for (const RaisedCommand &c : commands) {
        if (c.id != IDC_MEANING)
            s += std::to_string(c.id) + ":" + std::to_string(c.code) + " ";
        else if (c.code != EN_VSCROLL)
            meaningcodes += std::to_string(c.code) + " ";
    }
    s += "\nmessages";
    for (const std::string &m : messagetexts()) s += " [" + m + "]";
    s += "\npixels " + pixels(IDC_WORDLIST) + " " + pixels(IDC_MEANING) + "\n";
    commands.clear();
    return s;
}

// With brackets, words that begin with "[" as a drive or folder is listed,
// which the list box also tests past the bracket: the copy of the list then
// leaves the search to the list box, until a narrowing leaves them out.
std::vector<TestEntry> hardwords(bool brackets)
{
    std::string longmeaning;
    for (int i = 1; i <= 40; ++i) longmeaning += "Line " + std::to_string(i) + " of a long meaning.\r\n";
    std::vector<TestEntry> entries = {
        {"harbour", "Sheltered water.", 0, LevelEasy},
        {"Harbour", "The same, upper case.", RevisionMark, LevelVeryHard},
        {"HARBOUR", "The same, shouting.", 0, LevelUnknown},
        {"harbour wall", longmeaning, 0, LevelHard},
        {"harbour-wall", "Hyphened.", 0, LevelEasy},
        {"harbourwall", "Run together.", RevisionMark, LevelUnknown},
        {"dry-dock", "A basin.", 0, LevelVeryEasy},
        {"drydock", "A basin, one word.", 0, LevelEasy},
        {"dry dock", "A basin, two words.", 0, LevelVeryHard},
        {"'tis", "Apostrophe first.", 0, LevelEasy},
        {"tis", "No apostrophe.", 0, LevelEasy},
        {"o'neill", "Apostrophe inside.", 0, LevelEasy},
        {"O'Neill", "Its case twin.", 0, LevelHard},
        {"co-op", "Hyphen inside.", 0, LevelEasy},
        {"coop", "A pen.", 0, LevelEasy},
        {brackets ? "[harbour]" : "harbour]", "A bracket first.", 0, LevelEasy},
        {brackets ? "[-a-]" : "-a-]", "As a drive is listed.", 0, LevelEasy},
        {"a[b]", "A bracket inside.", 0, LevelEasy},
        {"caf\xe9", "An accent.", 0, LevelEasy},
        {"cafe", "No accent.", 0, LevelEasy},
        {"CAF\xc9", "An accent, upper case.", 0, LevelUnknown},
        {"\xc5ngstr\xf6m", "Accents.", 0, LevelEasy},
        {"angstrom", "No accents.", 0, LevelEasy},
        {"quay", "A landing place.", 0, LevelVeryHard},
        {"quay2", "A digit.", 0, LevelEasy},
        {"quay10", "Two digits.", 0, LevelEasy},
        {"_x", "Underscore first.", 0, LevelEasy},
        {"-", "A hyphen alone.", 0, LevelEasy},
        {"ab\x7f", "A control byte.", 0, LevelEasy},
        {std::string(99, 'w'), "Ninety-nine letters.", 0, LevelEasy},
    };
    for (int i = 1; i <= 150; ++i) {
        char word[16];
        snprintf(word, sizeof word, "yawl %03d", i);
        entries.push_back({word, "Filler " + std::to_string(i) + ".", i % 7 == 0 ? RevisionMark : 0,
                           i % 3 == 0 ? LevelVeryHard : LevelEasy});
    }
    return entries;
}

void key(int id, char c)
{
    SendMessageA(control(id), WM_CHAR, static_cast<unsigned char>(c), 1);
    pump();
}

void press(WPARAM vk)
{
    PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
    PostMessageA(GetFocus(), WM_KEYUP, vk, 0xC0000001);
    pump();
}

class ToolkitShortcuts : public DialogTest {
protected:
    std::vector<std::string> states;
    std::vector<std::string> steps;

    void step(const std::string &what)
    {
        steps.push_back(what);
        states.push_back(state());
    }
    // replaces the box's text by typing it, a state after each key
    void type(int id, const std::string &text)
    {
        userfocus(dialog, id);
        SendMessageA(control(id), EM_SETSEL, 0, -1);
        if (text.empty()) key(id, '\b');
        for (char c : text) key(id, c);
        step("type " + std::to_string(id) + " '" + text + "'");
    }
    void keys(int id, const std::string &text)  // typed one by one, a state after each
    {
        userfocus(dialog, id);
        SendMessageA(control(id), EM_SETSEL, 0, -1);
        for (char c : text) {
            key(id, c);
            step(std::string("key ") + std::to_string(id) + " '" + c + "'");
        }
    }
    void act(const std::string &what, const std::function<void()> &action)
    {
        action();
        pump();
        step(what);
    }

    std::vector<std::string> replay(bool shortcuts, bool brackets)
    {
        toolkitshortcuts = shortcuts;
        ShowFilter = SHOWALL;
        MarkedOnlyFilter = 0;
        states.clear();
        steps.clear();
        writestore(hardwords(brackets));
        Dialog d = start("");
        shown = reinterpret_cast<HWND>(d);
        SetWindowLongPtrA(shown, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(recordingproc<DialogFunc, commands>));
        listproc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            control(IDC_WORDLIST), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countinglist)));
        meaningproc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            control(IDC_MEANING), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(countingmeaning)));
        selectstrings = 0;
        meaningwrites = 0;
        commands.clear();
        step("start");
        script(d);
        toolkitshortcuts = true;
        return states;
    }

    void script(Dialog d)
    {
        keys(IDC_WORD, "harbour wall");
        for (int i = 0; i < 5; ++i) act("backspace", [] { key(IDC_WORD, '\b'); });
        keys(IDC_WORD, "HARB");
        act("enter", [&] { userenter(d); });
        act("scroll the meaning down", [] { ask(IDC_MEANING, WM_VSCROLL, SB_PAGEDOWN); });
        type(IDC_WORD, "harbour wall");
        act("scroll the meaning down", [] { ask(IDC_MEANING, WM_VSCROLL, SB_PAGEDOWN); });
        act("enter on the same meaning", [&] { userenter(d); });
        act("select in the meaning", [] { ask(IDC_MEANING, EM_SETSEL, 3, 9); });
        act("enter", [&] { userenter(d); });
        for (int index : {5, 1, 2, 0, 3, 40, 41})
            act("pick " + std::to_string(index), [&] { userpick(d, IDC_WORDLIST, index); });
        for (int i = 0; i < 4; ++i) act("down in the list", [] { press(VK_DOWN); });
        act("page down the list", [] { ask(IDC_WORDLIST, WM_VSCROLL, SB_PAGEDOWN); });
        act("page down the list", [] { ask(IDC_WORDLIST, WM_VSCROLL, SB_PAGEDOWN); });
        keys(IDC_WORD, "quay");
        act("search", [&] { userclick(d, IDC_SEARCH); });
        act("list to the top", [] { ask(IDC_WORDLIST, WM_VSCROLL, SB_TOP); });
        act("choose result 1", [&] { userchoose(d, IDC_RESULTS, 1); });
        act("list to the bottom", [] { ask(IDC_WORDLIST, WM_VSCROLL, SB_BOTTOM); });
        act("choose result 1 again", [&] { userchoose(d, IDC_RESULTS, 1); });
        act("choose the header", [&] { userchoose(d, IDC_RESULTS, 0); });
        for (const char *text : {"caf", "caf\xe9", "CAF\xc9", "'t", "dry-", "dry d", "co-o", "o'n", "O'N",
                                 "[h", "[-", "a[", "_", "-", "ab", "tis", "yawl 1", "YAWL 15", "quelt",
                                 "marvocian", "\xc5ng", "nothing like it", ""})
            type(IDC_WORD, text);
        type(IDC_WORD, std::string(99, 'w'));
        act("enter", [&] { userenter(d); });
        type(IDC_WORD, "");
        act("enter on nothing", [&] { userenter(d); });
        act("double-click 3", [&] { userdoubleclick(d, IDC_WORDLIST, 3); });
        type(IDC_WORD, "harbour");
        act("revision", [&] { userclick(d, IDC_REVISION); });
        act("level", [&] { userclick(d, IDC_LEVEL_VERYEASY); });
        // narrowed lists: without the bracketed words the copy of the list answers
        act("prefix box on", [&] { userclick(d, IDC_PREFIXON); });
        keys(IDC_PREFIX, "ha");
        keys(IDC_WORD, "har");
        type(IDC_WORD, "HARBOUR W");
        act("enter", [&] { userenter(d); });
        act("prefix emptied", [&] { usertype(d, IDC_PREFIX, ""); });
        keys(IDC_PREFIX, "[");
        type(IDC_WORD, "[h");
        act("prefix box off", [&] { userclick(d, IDC_PREFIXON); });
        act("contains box on", [&] { userclick(d, IDC_CONTAINSON); });
        keys(IDC_CONTAINS, "ou");
        keys(IDC_WORD, "yaw");
        act("suffix box on", [&] { userclick(d, IDC_SUFFIXON); });
        keys(IDC_SUFFIX, "r");
        act("contains box off", [&] { userclick(d, IDC_CONTAINSON); });
        act("suffix box off", [&] { userclick(d, IDC_SUFFIXON); });
        act("hard words only", [&] { userclick(d, IDC_SHOW_HARD); });
        keys(IDC_WORD, "yawl 01");
        act("marked only", [&] { userclick(d, IDC_MARKEDONLY); });
        keys(IDC_WORD, "har");
        act("marked only off", [&] { userclick(d, IDC_MARKEDONLY); });
        act("all words", [&] { userclick(d, IDC_SHOW_ALL); });
        keys(IDC_WORD, "yawl 149");
        act("enter", [&] { userenter(d); });
    }
};

TEST_F(ToolkitShortcuts, LeaveEveryControlAsThePlainCallsDo)
{
    for (bool brackets : {false, true}) {
        std::vector<std::string> plain = replay(false, brackets);
        int plainselects = selectstrings, plainwrites = meaningwrites;
        std::vector<std::string> quick = replay(true, brackets);
        // the shortcuts were taken: the same states with fewer calls
        if (!brackets) {
            EXPECT_LT(selectstrings * 10, plainselects) << selectstrings << " of " << plainselects;
        }
        EXPECT_LT(meaningwrites * 2, plainwrites) << meaningwrites << " of " << plainwrites;
        ASSERT_EQ(plain.size(), quick.size());
        EXPECT_GT(plain.size(), 120u);
        int differences = 0;
        for (size_t i = 0; i < plain.size() && differences < 3; ++i)
            if (plain[i] != quick[i]) {
                ++differences;
                ADD_FAILURE() << (brackets ? "with" : "without") << " brackets, after step " << i << " ("
                              << steps[i] << ")\nplain calls:\n" << plain[i] << "shortcuts:\n" << quick[i];
            }
    }
    EXPECT_EQ(meaningcodes, "");
}

} // namespace
