// The user's actions on the real main dialog, built from the real template 100
// with the real dialog procedure.  Every action goes through the real controls
// (keys, mouse messages, BM_CLICK) and the real dialog manager, so the
// notifications the tests see are the platform's own.  Message boxes, the
// search menu and the shell go to the toolkit's hooks instead of waiting.
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "dictionary/resource.h"
#include "tests/driver.h"
#include "tests/setup/wine/realregistry.h"
#include "tests/toolkithooks.h"
#include "tests/support/pump.h"
#include "ui/mainwindow.h"

namespace {

HWND dialog = nullptr;
std::vector<RaisedCommand> commands;
std::vector<ShownMessage> messages;
std::deque<int> answers;
int menushown = 0;
std::vector<std::string> documents;
bool ended = false;
int endresult = 0;
HWND box = nullptr;  // the review box while the user's part in it plays
std::function<void(Dialog)> reviewscript;

int recordbox(const char *text, const char *caption, int style)
{
    messages.push_back(ShownMessage{text, caption, style});
    if ((style & MB_TYPEMASK) == MB_OK)
        return IDOK;
    if (answers.empty())
        return IDNO;
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

void countmenu() { ++menushown; }

void recorddocument(const char *file) { documents.push_back(file); }

void ignorecredits() {}

void recordend(Dialog d, int result)
{
    if (reinterpret_cast<HWND>(d) != dialog)
        return;  // the review box
    ended = true;
    endresult = result;
}

// A procedure that leaves the dialog as its template made it.
INT_PTR CALLBACK templateonly(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Hands every pending message to the dialog manager, as the modal loop would.
// The window the user acts on: the review box while it is open.
HWND front() { return box != nullptr ? box : dialog; }

void pump() { pumpmessages(front()); }

HWND control(int id) { return GetDlgItem(front(), id); }

// A user can reach only a control that is shown and enabled.
bool reachable(HWND window)
{
    return window != nullptr && IsWindowVisible(window) && IsWindowEnabled(window);
}

// Moves the focus as Tab or a click does: through the dialog manager, which
// also selects an edit box's text and moves the default button.
void focuson(HWND window)
{
    SendMessageA(front(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
    pump();
}

void presskey(WPARAM key)
{
    HWND target = GetFocus();
    if (target == nullptr || (target != front() && !IsChild(front(), target)))
        target = front();
    UINT scan = MapVirtualKeyA(static_cast<UINT>(key), 0);
    PostMessageA(target, WM_KEYDOWN, key, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
    pump();
}

// The centre of an item of the list, scrolled into sight first if the user
// would have to scroll to see it.  False for an item that doesn't exist.
bool itempoint(HWND list, int index, LPARAM *point)
{
    RECT item;
    RECT client;
    GetClientRect(list, &client);
    if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item)) == LB_ERR)
        return false;
    if (item.top < 0 || item.bottom > client.bottom) {
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item));
    }
    int bottom = item.bottom < client.bottom ? item.bottom : client.bottom;
    *point = MAKELPARAM((item.left + item.right) / 2, (item.top + bottom) / 2);
    return true;
}

void playreview(HWND shown)
{
    box = shown;
    pump();
    if (reviewscript) reviewscript(reinterpret_cast<Dialog>(shown));
    if (IsWindowVisible(shown)) presskey(VK_ESCAPE);
    box = nullptr;
}

// Lets everything that the last change made invalid paint.
void settle()
{
    pump();
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

} // namespace

Dialog startdialog(const char *tail)
{
    commands.clear();
    messages.clear();
    answers.clear();
    menushown = 0;
    documents.clear();
    ended = false;
    endresult = 0;
    messageboxhook = recordbox;
    searchmenuhook = countmenu;
    opendocumenthook = recorddocument;
    enddialoghook = recordend;
    creditshook = ignorecredits;
    reviewhook = playreview;
    reviewscript = nullptr;
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAINDIALOG),
                                nullptr, recordingproc<DialogFunc, commands>, reinterpret_cast<LPARAM>(tail));
    if (dialog == nullptr)
        return nullptr;
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    pump();
    return reinterpret_cast<Dialog>(dialog);
}

Dialog templatedialog()
{
    commands.clear();
    ended = false;
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAINDIALOG),
                                nullptr, templateonly, 0);
    pump();
    return reinterpret_cast<Dialog>(dialog);
}

void closedialog(Dialog d)
{
    HWND window = reinterpret_cast<HWND>(d);
    if (window != nullptr && IsWindow(window)) {
        if (!ended)
            tkreleaseresources(d);
        DestroyWindow(window);
    }
    pump();
    if (dialog == window)
        dialog = nullptr;
}

bool dialogended(Dialog, int *result)
{
    if (ended && result != nullptr)
        *result = endresult;
    return ended;
}

void usertype(Dialog, int id, const char *text)
{
    HWND edit = control(id);
    if (!reachable(edit))
        return;
    focuson(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    if (text[0] == '\0') {
        // emptying the box: one Backspace over the selected text
        if (GetWindowTextLengthA(edit) > 0)
            SendMessageA(edit, WM_CHAR, VK_BACK, 1);
        pump();
        return;
    }
    for (const char *key = text; *key != '\0'; ++key) {
        SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(*key), 1);
        pump();
    }
}

void userenter(Dialog) { presskey(VK_RETURN); }

void userescape(Dialog) { presskey(VK_ESCAPE); }

static void clickitem(int id, int index, bool twice)
{
    HWND list = control(id);
    LPARAM point;
    if (!reachable(list) || !itempoint(list, index, &point))
        return;
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(list, WM_LBUTTONUP, 0, point);
    if (twice) {
        SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        SendMessageA(list, WM_LBUTTONUP, 0, point);
    }
    pump();
}

void userpick(Dialog, int id, int index) { clickitem(id, index, false); }

void userdoubleclick(Dialog, int id, int index) { clickitem(id, index, true); }

void userclick(Dialog, int id)
{
    HWND button = control(id);
    if (!reachable(button))
        return;
    SendMessageA(button, BM_CLICK, 0, 0);
    pump();
}

void userchoose(Dialog, int id, int index)
{
    // drop the list down, then click the line in it, as a user does
    HWND combo = control(id);
    if (!reachable(combo))
        return;
    focuson(combo);
    COMBOBOXINFO parts = {};
    parts.cbSize = sizeof parts;
    if (!GetComboBoxInfo(combo, &parts) || parts.hwndList == nullptr)
        return;
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    pump();
    LPARAM point;
    if (itempoint(parts.hwndList, index, &point)) {
        SendMessageA(parts.hwndList, WM_MOUSEMOVE, 0, point);
        SendMessageA(parts.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(parts.hwndList, WM_LBUTTONUP, 0, point);
    }
    if (SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0))
        SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    pump();
}

void userfocus(Dialog, int id)
{
    HWND window = control(id);
    if (reachable(window))
        focuson(window);
}

void usermenu(Dialog, int id)
{
    // a menu choice arrives as a posted WM_COMMAND with code 0 and no control
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    pump();
}

// Sized at the top-left of the screen as a user's drag of the frame sizes it,
// so that the client area is width x height unless the dialog's minimum stops
// the drag first.
void usersize(Dialog, int width, int height)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT outer, client;
        GetWindowRect(dialog, &outer);
        GetClientRect(dialog, &client);
        if (client.right == width && client.bottom == height && outer.left == 0 && outer.top == 0)
            break;
        SetWindowPos(dialog, nullptr, 0, 0, width + (outer.right - outer.left) - client.right,
                     height + (outer.bottom - outer.top) - client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    settle();
}

static void showas(int how)
{
    ShowWindow(dialog, how);
    settle();
}

void usermaximise(Dialog) { showas(SW_MAXIMIZE); }

void userminimise(Dialog) { showas(SW_MINIMIZE); }

void userrestore(Dialog) { showas(SW_RESTORE); }

const std::vector<RaisedCommand> &raisedcommands() { return commands; }

void clearraised() { commands.clear(); }

std::string dialogtitle(Dialog d)
{
    char text[100] = "";
    GetWindowTextA(reinterpret_cast<HWND>(d), text, sizeof text);
    return text;
}

const std::vector<ShownMessage> &shownmessages() { return messages; }

void clearmessages() { messages.clear(); }

void answernext(int answer) { answers.push_back(answer); }

int searchmenushown() { return menushown; }

const std::vector<std::string> &openeddocuments() { return documents; }

void forgetrecords(const char *name) { forget(name); }

void whilereviewing(std::function<void(Dialog box)> script) { reviewscript = script; }
