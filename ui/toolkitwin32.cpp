// The toolkit over the Win32 user interface, ANSI calls throughout.  A Dialog
// is the dialog's HWND.  The notification rules the logic relies on are the
// platform's own: SetDlgItemTextA on an edit raises EN_CHANGE at once, and
// selections and checks set by messages raise nothing.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "common/text.h"
#include "dictionary/dictentry.h"
#include "dictionary/resource.h"
#include "dictionary/toolkit.h"
#include "ui/credits.h"
#include "ui/listfill.h"
#include "ui/listmirror.h"
#include "ui/toolkithooks.h"
#include "ui/toolkitwin32.h"

#ifdef VANTREL_FAULTS
int (*messageboxhook)(const char *text, const char *caption, int style) = nullptr;
void (*searchmenuhook)(void) = nullptr;
void (*opendocumenthook)(const char *file) = nullptr;
void (*enddialoghook)(Dialog d, int result) = nullptr;
void (*creditshook)(void) = nullptr;
bool toolkitshortcuts = true;
#endif

// Loaded at start-up by tkloadresources, released when the dialog ends.
static HBITMAP logo = nullptr;
static HBITMAP band = nullptr;
static HMENU searchmenubar = nullptr;  // menu 1500; owns the search menu
static HMENU searchmenu = nullptr;     // its first sub-menu, "Search"

// The longest item text that the lists read: far above any headword or
// result line, so a longer one is a fault and reads as empty.
static const int ITEMTEXTMAX = 8192;

static HWND window(Dialog d) { return reinterpret_cast<HWND>(d); }

static LRESULT sendto(Dialog d, int id, UINT message, WPARAM wparam, LPARAM lparam)
{
    return SendDlgItemMessageA(window(d), id, message, wparam, lparam);
}

// Reads an item of a list box or of a drop-down list, bounded by size: the
// length is asked first, and an item that doesn't fit is read into a local
// buffer and cut.  An item that doesn't exist reads as NOITEM, as the
// platform's own LB_ERR.
static int readitem(Dialog d, int id, UINT lenmessage, UINT textmessage, int index,
                    char *buffer, int size)
{
    if (size <= 0)
        return 0;
    buffer[0] = '\0';
    LRESULT length = sendto(d, id, lenmessage, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return NOITEM;
    if (length < size) {
        LRESULT got = sendto(d, id, textmessage, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(buffer));
        if (got < 0) {
            buffer[0] = '\0';
            return 0;
        }
        buffer[got] = '\0';
        return static_cast<int>(got);
    }
    if (length >= ITEMTEXTMAX)
        return 0;
    static char item[ITEMTEXTMAX];
    LRESULT got = sendto(d, id, textmessage, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(item));
    if (got < 0)
        return 0;
    item[got] = '\0';
    if (size <= 0)
        return 0;
    copytext(buffer, static_cast<size_t>(size), item);
    return static_cast<int>(strlen(buffer));
}

// A multi-line edit (the meaning box) raises no change notification when its
// text is set (only EN_VSCROLL as it scrolls back to its top, which no
// command handles), and every write of it redraws the box and its scroll bar: a
// keystroke used to write it three times (emptied by the dispatch, emptied
// by the lookup, then the meaning or a note).  So while the dialog handles a
// command, the text set last is held here and written once: when the
// outermost command is done, or before anything could see it (a read of the
// box, a message box, the search menu, the credits box, the shell, the end
// of the dialog).  It is not written at all when the box shows that text
// already as a write would leave it.  Every other control is written at once:
// the logic relies on the word box's change notification.
static int commanddepth = 0;  // commands being handled, nested
struct HeldText {
    Dialog d;                 // null when nothing is held
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
static bool captionalready(HWND control, const char *text)
{
    char name[8] = "";
    if (!tkshortcuts() || control == nullptr || GetClassNameA(control, name, sizeof name) == 0 ||
        (lstrcmpiA(name, "Static") != 0 && lstrcmpiA(name, "Button") != 0))
        return false;
    return holdstext(control, text);
}

static void writeheld()
{
    Dialog d = held.d;
    held.d = nullptr;
    HWND box = d == nullptr ? nullptr : GetDlgItem(window(d), held.id);
    if (box != nullptr && !showsalready(box, held.text))
        SetWindowTextA(box, held.text);
}

// True when the text was taken to be written later (or found shown already).
static bool holdtext(Dialog d, int id, const char *text)
{
    if (!tkshortcuts())
        return false;
    HWND control = GetDlgItem(window(d), id);
    if (!ismultilineedit(control))
        return false;
    bool same = held.d == d && held.id == id;
    size_t length = strnlen(text, sizeof held.text);
    if (length == sizeof held.text) {
        if (same) held.d = nullptr;  // written now, over the held one
        return false;
    }
    if (held.d != nullptr && !same)
        writeheld();
    memcpy(held.text, text, length + 1);
    held.d = d;
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

// Before something modal, or something that lets the window system paint:
// the held text is written, and a command handled in the meantime is
// outermost there.  Returns the depth to put back afterwards.
static int stepoutside()
{
    writeheld();
    int depth = commanddepth;
    commanddepth = 0;
    return depth;
}

void tksettext(Dialog d, int id, const char *text)
{
    if (holdtext(d, id, text) || captionalready(GetDlgItem(window(d), id), text))
        return;
    SetDlgItemTextA(window(d), id, text);
}

void tksetnumber(Dialog d, int id, unsigned value)
{
    char number[16];
    wsprintfA(number, "%u", value);
    if (captionalready(GetDlgItem(window(d), id), number))
        return;
    SetDlgItemInt(window(d), id, value, FALSE);
}

int tkgettext(Dialog d, int id, char *buffer, int size)
{
    if (size <= 0)
        return 0;
    if (held.d == d && held.id == id)
        writeheld();
    buffer[0] = '\0';
    UINT got = GetDlgItemTextA(window(d), id, buffer, size);
    if (got >= static_cast<UINT>(size))
        got = static_cast<UINT>(size - 1);
    buffer[got] = '\0';
    return static_cast<int>(got);
}

void tklimittext(Dialog d, int id, int limit)
{
    sendto(d, id, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

void tksettitle(Dialog d, const char *title)
{
    SetWindowTextA(window(d), title);
}

void tkclientsize(Dialog d, int *width, int *height)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(window(d), &client);
    *width = client.right - client.left;
    *height = client.bottom - client.top;
}

// Placing keeps the z-order, so the focus order and the radio groups stay.
void tkplace(Dialog d, int id, int x, int y, int width, int height)
{
    HWND control = GetDlgItem(window(d), id);
    if (control != nullptr) SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void tkmove(Dialog d, int id, int x, int y)
{
    HWND control = GetDlgItem(window(d), id);
    if (control != nullptr) SetWindowPos(control, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

void tkgetplace(Dialog d, int id, int *place)
{
    RECT r = {0, 0, 0, 0};
    HWND control = GetDlgItem(window(d), id);
    if (control != nullptr) {
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, window(d), reinterpret_cast<POINT *>(&r), 2);
    }
    place[0] = r.left;
    place[1] = r.top;
    place[2] = r.right - r.left;
    place[3] = r.bottom - r.top;
}

void tkenable(Dialog d, int id, bool enabled)
{
    EnableWindow(GetDlgItem(window(d), id), enabled ? TRUE : FALSE);
}

bool tkisenabled(Dialog d, int id)
{
    HWND control = GetDlgItem(window(d), id);
    return control != nullptr && IsWindowEnabled(control);
}

void tksetfocus(Dialog d, int id)
{
    HWND control = GetDlgItem(window(d), id);
    if (control != nullptr)
        SetFocus(control);
}

int tkgetfocus(Dialog d)
{
    HWND dialog = window(d);
    HWND focus = GetFocus();
    // The focus may sit in a part of a control; the control is the child of
    // the dialog on the way up.
    while (focus != nullptr && GetParent(focus) != dialog) {
        if (!IsChild(dialog, focus))
            return 0;
        focus = GetParent(focus);
    }
    return focus == nullptr ? 0 : GetDlgCtrlID(focus);
}

void tkcheckradio(Dialog d, int first, int last, int id)
{
    CheckRadioButton(window(d), first, last, id);
}

bool tkischecked(Dialog d, int id)
{
    return IsDlgButtonChecked(window(d), id) == BST_CHECKED;
}

void tksetcheck(Dialog d, int id, bool checked)
{
    CheckDlgButton(window(d), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void tklistreset(Dialog d, int id)
{
    HWND list = GetDlgItem(window(d), id);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    mirrorreset(list);
}

void tklistadd(Dialog d, int id, const char *text)
{
    if (fillpending(window(d), id, text))
        return;
    HWND list = GetDlgItem(window(d), id);
    LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    mirrorinsert(list, index < 0 ? -1 : static_cast<int>(index), text);
}

int tklistcount(Dialog d, int id)
{
    LRESULT count = sendto(d, id, LB_GETCOUNT, 0, 0);
    return count < 0 ? 0 : static_cast<int>(count);
}

int tklistgettext(Dialog d, int id, int index, char *buffer, int size)
{
    return readitem(d, id, LB_GETTEXTLEN, LB_GETTEXT, index, buffer, size);
}

int tklistgetsel(Dialog d, int id)
{
    LRESULT index = sendto(d, id, LB_GETCURSEL, 0, 0);
    return index < 0 ? NOITEM : static_cast<int>(index);
}

// Selects an item as LB_SELECTSTRING selects what it found: the caret moves
// to it, and the list scrolls just far enough to show the whole item, also
// when the caret was on it already (LB_SETCURSEL scrolls only when the
// caret moves, so that case is scrolled here first, as the list would).
static void selectfound(HWND list, int index)
{
    if (SendMessageA(list, LB_GETCARETINDEX, 0, 0) == index) {
        LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
        LRESULT height = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
        RECT client = {0, 0, 0, 0};
        GetClientRect(list, &client);
        LRESULT page = height > 0 ? (client.bottom - client.top) / height : 1;
        if (page < 1) page = 1;
        if (index < top)
            SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        else if (index >= top + page)
            SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(index - page + 1), 0);
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int tklistselectprefix(Dialog d, int id, const char *text)
{
    // Windows and Wine differ on an empty text; it selects nothing here.
    if (text == nullptr || text[0] == '\0')
        return NOITEM;
    HWND list = GetDlgItem(window(d), id);
    int found = tkshortcuts() ? mirrorfindprefix(list, text) : MIRRORUNSURE;
    if (found != MIRRORUNSURE) {
        if (found != NOITEM) selectfound(list, found);
        return found;
    }
    LRESULT index = SendMessageA(list, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text));
    return index < 0 ? NOITEM : static_cast<int>(index);
}

void tklistsetsel(Dialog d, int id, int index)
{
    sendto(d, id, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void tklistsettop(Dialog d, int id, int index)
{
    sendto(d, id, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

int tklistgettop(Dialog d, int id)
{
    LRESULT index = sendto(d, id, LB_GETTOPINDEX, 0, 0);
    return index < 0 ? 0 : static_cast<int>(index);
}

void tkfillbegin(Dialog d, int id)
{
    fillbegin(window(d), id);
}

// The width a line of a drop-down list needs when dropped down: the text,
// the list's border and margins, and its scroll bar.
static int droppedlinewidth(HDC dc, const char *line, int length)
{
    SIZE extent = {0, 0};
    if (!GetTextExtentPoint32A(dc, line, length, &extent))
        return 0;
    return extent.cx + GetSystemMetrics(SM_CXVSCROLL) + 4 * GetSystemMetrics(SM_CXEDGE);
}

// A drop-down list drops down as wide as its longest line needs, within the
// screen; the closed box keeps its own width.  With a line, the dropped part
// only grows to take it; without one, every line is measured anew.  The
// lines are read straight from the control: a look-up by identifier for each
// would cost a round trip to the window server under Wine.
static void fitdroppedwidth(Dialog d, int id, const char *line)
{
    HWND combo = GetDlgItem(window(d), id);
    HDC dc = combo == nullptr ? nullptr : GetDC(combo);
    if (dc == nullptr)
        return;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0));
    HGDIOBJ oldfont = font == nullptr ? nullptr : SelectObject(dc, font);
    const int screenwide = 1 << 20;  // a line too long to read: as wide as the screen
    int widest = 0;
    if (line != nullptr) {
        widest = droppedlinewidth(dc, line, static_cast<int>(strlen(line)));
    } else {
        LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char text[512];
            LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
            int needed = screenwide;
            if (length >= 0 && length < static_cast<LRESULT>(sizeof text) &&
                SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text)) == length)
                needed = droppedlinewidth(dc, text, static_cast<int>(length));
            if (needed > widest)
                widest = needed;
        }
    }
    if (oldfont != nullptr)
        SelectObject(dc, oldfont);
    ReleaseDC(combo, dc);
    if (line != nullptr && widest <= SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0))
        return;  // the line fits as the list drops now
    // no further than the right edge of the screen the list drops on
    RECT box;
    MONITORINFO screen;
    screen.cbSize = sizeof screen;
    if (GetWindowRect(combo, &box) &&
        GetMonitorInfoA(MonitorFromWindow(combo, MONITOR_DEFAULTTONEAREST), &screen) &&
        widest > screen.rcWork.right - box.left)
        widest = screen.rcWork.right - box.left;
    // below the closed box's width the list drops as wide as the box
    SendMessageA(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest < 1 ? 1 : widest), 0);
}

static bool iscombo(Dialog d, int id)
{
    char name[16] = "";
    HWND control = GetDlgItem(window(d), id);
    return control != nullptr && GetClassNameA(control, name, sizeof name) > 0 &&
           lstrcmpiA(name, "ComboBox") == 0;
}

void tkfillend(Dialog d, int id)
{
    fillend(window(d), id);
    if (iscombo(d, id))
        fitdroppedwidth(d, id, nullptr);
}

void tkcomboadd(Dialog d, int id, const char *text)
{
    if (fillpending(window(d), id, text))
        return;
    sendto(d, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    fitdroppedwidth(d, id, text);
}

void tkcomboinsert(Dialog d, int id, int index, const char *text)
{
    sendto(d, id, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    fitdroppedwidth(d, id, text);
}

int tkcombocount(Dialog d, int id)
{
    LRESULT count = sendto(d, id, CB_GETCOUNT, 0, 0);
    return count < 0 ? 0 : static_cast<int>(count);
}

int tkcombogettext(Dialog d, int id, int index, char *buffer, int size)
{
    return readitem(d, id, CB_GETLBTEXTLEN, CB_GETLBTEXT, index, buffer, size);
}

void tkcombosetsel(Dialog d, int id, int index)
{
    sendto(d, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int tkcombogetsel(Dialog d, int id)
{
    LRESULT index = sendto(d, id, CB_GETCURSEL, 0, 0);
    return index < 0 ? NOITEM : static_cast<int>(index);
}

int tkmessage(Dialog d, const char *text, const char *caption, int style)
{
    int depth = stepoutside();
    int answer = messageboxhook != nullptr ? messageboxhook(text, caption, style)
                                           : MessageBoxA(window(d), text, caption, static_cast<UINT>(style));
    commanddepth = depth;
    return answer;
}

void tkenddialog(Dialog d, int result)
{
    writeheld();
    if (enddialoghook != nullptr)
        enddialoghook(d, result);
    EndDialog(window(d), result);
}

void tkshowsearchmenu(Dialog d, int id)
{
    int depth = stepoutside();
    RECT button;
    if (searchmenuhook != nullptr)
        searchmenuhook();
    else if (searchmenu != nullptr && GetWindowRect(GetDlgItem(window(d), id), &button))
        // The choice comes back to the dialog as WM_COMMAND 1510 or 1520.
        TrackPopupMenu(searchmenu, TPM_LEFTALIGN | TPM_LEFTBUTTON, button.left + 10,
                       button.top + 10, 0, window(d), nullptr);
    commanddepth = depth;
}

void tkopendocument(Dialog, const char *file)
{
    int depth = stepoutside();
    if (opendocumenthook != nullptr)
        opendocumenthook(file);
    else
        ShellExecuteA(nullptr, "open", file, "", "", SW_SHOW);
    commanddepth = depth;
}

void tkseticon(Dialog d, int iconid)
{
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconid));
    if (icon != nullptr)
        SendMessageA(window(d), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

void tkshowcredits(Dialog d)
{
    int depth = stepoutside();
    if (creditshook != nullptr)
        creditshook();
    else
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CREDITS), window(d),
                        CreditsFunc, IDB_CREDITS);
    commanddepth = depth;
}

void tkloadresources(Dialog)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    tkreleaseresources(nullptr);
    logo = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_LOGO));
    band = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_BAND));
    searchmenubar = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_SEARCHMENU));
    searchmenu = searchmenubar == nullptr ? nullptr : GetSubMenu(searchmenubar, 0);
}

void tkreleaseresources(Dialog)
{
    if (logo != nullptr)
        DeleteObject(logo);
    if (band != nullptr)
        DeleteObject(band);
    if (searchmenubar != nullptr)
        DestroyMenu(searchmenubar);  // and the search menu with it
    logo = nullptr;
    band = nullptr;
    searchmenubar = nullptr;
    searchmenu = nullptr;
}

HBITMAP logobitmap() { return logo; }
HBITMAP bandbitmap() { return band; }
