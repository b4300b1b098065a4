// A refill of the real word list and result list, placed all at once, holds
// its items in exactly the order that adding them one by one to a sorted
// list box gives: checked against a second list box of the same style that
// gets each item with LB_ADDSTRING or CB_ADDSTRING, on words that the
// platform's sort weighs in unusual ways (case, hyphens, apostrophes, marks,
// digits, accented letters) and that come in groups equal but for case.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scenarios/scenario.h"

namespace {

const char *const STEMS[] = {
    "harbour", "harbour wall", "harbour-wall", "harbourwall", "dry-dock", "drydock", "dry dock",
    "'tis", "tis", "_x", "x", "co-op", "coop", "o'neill", "oneill", "quay", "quay2", "quay10",
    "caf\xe9", "cafe", "\xc5ngstr\xf6m", "angstrom", "na\xefve", "naive", "a", "b", "-", "",
};

// Words from the stems in random case, shuffled: many equal but for case.
std::vector<std::string> trickywords(unsigned seed, int count)
{
    std::vector<std::string> words;
    int stems = static_cast<int>(sizeof STEMS / sizeof STEMS[0]);
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        std::string word = STEMS[(seed >> 16) % static_cast<unsigned>(stems)];
        for (char &c : word) {
            seed = seed * 1103515245u + 12345u;
            if ((seed >> 16) % 2 == 0) CharUpperBuffA(&c, 1);
        }
        words.push_back(word);
    }
    return words;
}

std::vector<std::wstring> itemsof(HWND control, bool combo)
{
    std::vector<std::wstring> items;
    LRESULT count = SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// A hidden twin of a control of the dialog: the same class and style.
HWND twinof(HWND dialog, int id, int twinid)
{
    HWND original = GetDlgItem(dialog, id);
    char name[32] = "";
    GetClassNameA(original, name, sizeof name);
    DWORD style = static_cast<DWORD>(GetWindowLongA(original, GWL_STYLE)) & ~WS_VISIBLE;
    return CreateWindowExA(0, name, "", style, 0, 0, 200, 200, dialog,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(twinid)), GetModuleHandleA(nullptr), nullptr);
}

class SortedRefill : public DialogTest {};

TEST_F(SortedRefill, AListRefilledAtOnceHoldsTheOrderOfOneByOneAdds)
{
    Dialog d = startonthreewords();
    HWND dialog = reinterpret_cast<HWND>(d);
    struct Case {
        const char *what;
        int id;
        bool combo;
        int count;
    } cases[] = {
        {"word list, no item", IDC_WORDLIST, false, 0},
        {"word list, one item", IDC_WORDLIST, false, 1},
        {"word list, 3000 items", IDC_WORDLIST, false, 3000},
        {"result list, 1500 items", IDC_RESULTS, true, 1500},
    };
    int twinid = 9000;
    for (const Case &c : cases) {
        std::vector<std::string> words = trickywords(static_cast<unsigned>(c.count) + 17u, c.count);
        HWND twin = twinof(dialog, c.id, ++twinid);
        ASSERT_NE(twin, nullptr) << c.what;
        tkfillbegin(d, c.id);
        for (const std::string &word : words) c.combo ? tkcomboadd(d, c.id, word.c_str()) : tklistadd(d, c.id, word.c_str());
        tkfillend(d, c.id);
        for (const std::string &word : words)
            SendMessageA(twin, c.combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
        std::vector<std::wstring> refilled = itemsof(GetDlgItem(dialog, c.id), c.combo);
        EXPECT_EQ(refilled.size(), words.size()) << c.what;
        EXPECT_TRUE(refilled == itemsof(twin, c.combo)) << c.what << ": the same items in the same order";
        DestroyWindow(twin);
    }
}

TEST_F(SortedRefill, ItemsAddedOutsideARefillAreSortedInOneByOne)
{
    Dialog d = startonthreewords();
    tkfillbegin(d, IDC_WORDLIST);
    tklistadd(d, IDC_WORDLIST, "quay");
    tklistadd(d, IDC_WORDLIST, "berth");
    tkfillend(d, IDC_WORDLIST);
    tklistadd(d, IDC_WORDLIST, "harbour");
    EXPECT_EQ(listitems(d, IDC_WORDLIST), (std::vector<std::string>{"berth", "harbour", "quay"}));
}

} // namespace
