// The real credits box from template 200, modal over the real main dialog.
// Its modal loop runs here; each time the loop falls idle a timer takes the
// next step of a script (a key posted as a user presses it, a look at the box),
// so every step sees the box after the one before was handled.  Message boxes
// go to the toolkit's hook and are recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/scenarios/scenario.h"
#include "tests/support/pump.h"
#include "tests/support/capture.h"
#include "ui/credits.h"

namespace {

typedef std::function<void(HWND box)> Step;

std::vector<Step> script;
size_t nextstep = 0;
int idleafter = 0;  // idle turns since the last step
std::vector<RaisedCommand> commands;

HWND creditsbox()
{
    struct Find {
        static BOOL CALLBACK match(HWND window, LPARAM found)
        {
            if (IsWindowVisible(window) && GetDlgItem(window, IDC_CREDITSTEXT) != nullptr) {
                *reinterpret_cast<HWND *>(found) = window;
                return FALSE;
            }
            return TRUE;
        }
    };
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), Find::match, reinterpret_cast<LPARAM>(&found));
    return found;
}

VOID CALLBACK onidle(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND box = creditsbox();
    if (box == nullptr)
        return;  // not shown yet
    if (nextstep < script.size()) {
        idleafter = 0;
        script[nextstep++](box);
        return;
    }
    // The script is played and the box is still open: end it, so that a box
    // that ignores its keys fails the test instead of hanging it.
    if (++idleafter > 50) {
        KillTimer(nullptr, timer);
        EndDialog(box, -99);
    }
}

void presskey(HWND box, UINT down, UINT up, WPARAM key, LPARAM flags)
{
    UINT scan = MapVirtualKeyA(static_cast<UINT>(key), 0);
    PostMessageA(box, down, key, static_cast<LPARAM>(1 | (scan << 16)) | flags);
    PostMessageA(box, up, key, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u) | flags);
}

void pressenter(HWND box) { presskey(box, WM_KEYDOWN, WM_KEYUP, VK_RETURN, 0); }
void pressescape(HWND box) { presskey(box, WM_KEYDOWN, WM_KEYUP, VK_ESCAPE, 0); }
void pressaltf4(HWND box) { presskey(box, WM_SYSKEYDOWN, WM_SYSKEYUP, VK_F4, KF_ALTDOWN << 16); }

class CreditsBox : public DialogTest {
protected:
    HWND owner = nullptr;

    void SetUp() override
    {
        DialogTest::SetUp();
        owner = reinterpret_cast<HWND>(startonharbour("quay"));
    }

    // Opens the box over the main dialog, as the menu item does, with this
    // picture, plays the script in it and returns the box's result.
    int run(int picture, std::vector<Step> steps)
    {
        script = std::move(steps);
        nextstep = 0;
        idleafter = 0;
        commands.clear();
        UINT_PTR timer = SetTimer(nullptr, 0, 1, onidle);
        INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CREDITS),
                                         owner, recordingproc<CreditsFunc, commands>, picture);
        KillTimer(nullptr, timer);
        EXPECT_EQ(nextstep, script.size()) << "every step was played";
        return static_cast<int>(result);
    }
};

TEST_F(CreditsBox, EscapeDoesNothingAndEnterClosesItWithZero)
{
    userfocus(dialog, IDC_WORDLIST);
    bool openafterescape = false;
    int result = run(IDB_CREDITS, {
        pressescape,
        [&](HWND box) {
            openafterescape = IsWindowVisible(box) != FALSE;
            pressenter(box);
        },
    });
    EXPECT_TRUE(openafterescape);
    ASSERT_EQ(commands.size(), 2u) << "Escape's command was ignored, then Enter's";
    EXPECT_EQ(commands[0].id, IDCANCEL);
    EXPECT_EQ(commands[1].id, IDC_CREDITSCLOSE);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(shownmessages().empty()) << "the missing font file reports nothing";
    EXPECT_EQ(tkgetfocus(dialog), IDC_WORDLIST) << "the focus is back where it was";
}

TEST_F(CreditsBox, AltF4ClosesItWithOne)
{
    EXPECT_EQ(run(IDB_CREDITS, {pressaltf4}), 1);
    EXPECT_TRUE(commands.empty());
}

TEST_F(CreditsBox, TheTextsShowInTheCreditsFontAndThePictureAt60By40AndBothAreReleased)
{
    HFONT font = nullptr;
    HBITMAP picture = nullptr;
    HFONT texts[3] = {};
    LOGFONTA described = {};
    bool drawn = false;
    run(IDB_CREDITS, {
        [&](HWND box) {
            font = creditsfont();
            picture = creditspicture();
            GetObjectA(font, sizeof described, &described);
            int ids[3] = {IDC_CREDITSTEXT, IDC_CREDITSHINT, IDC_DISCLAIMER};
            for (int i = 0; i < 3; ++i)
                texts[i] = reinterpret_cast<HFONT>(SendDlgItemMessageA(box, ids[i], WM_GETFONT, 0, 0));
            RedrawWindow(box, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            drawn = shows(captureclient(box), bitmappixels(picture), CREDITSPICTUREX, CREDITSPICTUREY);
            pressenter(box);
        },
    });
    ASSERT_NE(font, nullptr);
    for (HFONT text : texts) EXPECT_EQ(text, font);
    EXPECT_STREQ(described.lfFaceName, "Lucida Handwriting");
    EXPECT_EQ(described.lfHeight, 15);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(drawn) << "the picture's pixels are in the box at (60, 40)";
    EXPECT_EQ(GetObjectType(font), 0u) << "the font was released";
    EXPECT_EQ(GetObjectType(picture), 0u) << "the picture was released";
    EXPECT_EQ(creditsfont(), nullptr);
    EXPECT_EQ(creditspicture(), nullptr);
}

TEST_F(CreditsBox, AMissingPictureIsToldOnceAndItsDrawingFailureOncePerOpening)
{
    const int NOSUCHPICTURE = 4321;
    auto repaint = [](HWND box) {
        for (int i = 0; i < 3; ++i)
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    };
    EXPECT_EQ(run(NOSUCHPICTURE, {repaint, repaint, pressenter}), 0);
    EXPECT_EQ(messagetexts(), (std::vector<std::string>{"ERROR: FAIL:", "ERROR: ????"}));
    clearmessages();
    EXPECT_EQ(run(NOSUCHPICTURE, {repaint, pressenter}), 0);
    EXPECT_EQ(messagetexts(), (std::vector<std::string>{"ERROR: FAIL:", "ERROR: ????"}))
        << "told again at the next opening";
}

} // namespace
