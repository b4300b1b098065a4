// The deferred writes of a multi-line edit: see ui/heldtext.h.
#include "ui/heldtext.h"

#include <cstring>

#include "dictionary/dictentry.h"
#include "ui/toolkitseam.h"
#include "ui/toolkitwin32.h"

static int commanddepth = 0;  // commands being handled, nested
struct HeldText {
    HWND dialog;              // null when nothing is held
    int id;
    char text[MEANINGSIZE];   // a longer text is written at once
};
static HeldText held = {nullptr, 0, ""};

static bool ismultilineedit(HWND control)
{
    char name[8] = "";
    return control != nullptr && (GetWindowLongA(control, GWL_STYLE) & ES_MULTILINE) != 0 &&
           GetClassNameA(control, name, sizeof name) > 0 && lstrcmpiA(name, "Edit") == 0;
}

// Whether the control's text is text, compared as the control holds it, in
// UTF-16.  A text of MEANINGSIZE characters or more is taken as different.
static bool holdstext(HWND control, const char *text)
{
    static WCHAR wanted[MEANINGSIZE];
    static WCHAR shown[MEANINGSIZE];
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, wanted, MEANINGSIZE) - 1;
    if (length < 0 || GetWindowTextLengthW(control) != length)
        return false;
    return GetWindowTextW(control, shown, MEANINGSIZE) == length &&
           memcmp(shown, wanted, sizeof(WCHAR) * static_cast<size_t>(length)) == 0;
}

// What setting the text leaves: that text, nothing selected and the caret at
// its start, its first line at the top, not modified, nothing to undo.  A box
// that scrolls sideways is always written.
static bool showsalready(HWND box, const char *text)
{
    if ((GetWindowLongA(box, GWL_STYLE) & (ES_AUTOHSCROLL | WS_HSCROLL)) != 0)
        return false;
    DWORD start = 1, end = 1;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start != 0 || end != 0 || SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0) != 0 ||
        SendMessageA(box, EM_GETMODIFY, 0, 0) != 0 || SendMessageA(box, EM_CANUNDO, 0, 0) != 0)
        return false;
    return holdstext(box, text);
}

// A static text or a button keeps nothing of a write but its text and raises
// nothing for it: writing the text it already shows would only repaint it.
bool captionalready(HWND control, const char *text)
{
    char name[8] = "";
    if (!tkshortcuts() || control == nullptr || GetClassNameA(control, name, sizeof name) == 0 ||
        (lstrcmpiA(name, "Static") != 0 && lstrcmpiA(name, "Button") != 0))
        return false;
    return holdstext(control, text);
}

void writeheld()
{
    HWND dialog = held.dialog;
    held.dialog = nullptr;
    HWND box = dialog == nullptr ? nullptr : GetDlgItem(dialog, held.id);
    if (box != nullptr && !showsalready(box, held.text))
        SetWindowTextA(box, held.text);
}

void writeheldof(HWND dialog, int id)
{
    if (held.dialog == dialog && held.id == id)
        writeheld();
}

bool holdtext(HWND dialog, int id, const char *text)
{
    if (!tkshortcuts())
        return false;
    HWND control = GetDlgItem(dialog, id);
    if (!ismultilineedit(control))
        return false;
    bool same = held.dialog == dialog && held.id == id;
    size_t length = strnlen(text, sizeof held.text);
    if (length == sizeof held.text) {
        if (same) held.dialog = nullptr;  // written now, over the held one
        return false;
    }
    if (held.dialog != nullptr && !same)
        writeheld();
    memcpy(held.text, text, length + 1);
    held.dialog = dialog;
    held.id = id;
    if (commanddepth == 0)
        writeheld();
    return true;
}

void tkbegincommand(Dialog)
{
    ++commanddepth;
}

void tkendcommand(Dialog)
{
    if (commanddepth > 0 && --commanddepth == 0)
        writeheld();
}

int stepoutside()
{
    writeheld();
    int depth = commanddepth;
    commanddepth = 0;
    return depth;
}

void stepback(int depth)
{
    commanddepth = depth;
}
