// The toolkit's plain control calls over the Win32 user interface, ANSI calls
// throughout.  A Dialog is the dialog's HWND.  The notification rules the
// logic relies on are the platform's own: SetDlgItemTextA on a single-line
// edit raises EN_CHANGE at once, and selections and checks set by messages
// raise nothing.  A multi-line edit's text is held until the command ends
// (ui/heldtext.h); what waits for a person or ends the dialog goes through
// the toolkit's seam (ui/toolkitseam.h).
#include <windows.h>

#include <cstring>

#include "common/text.h"
#include "dictionary/toolkit.h"
#include "ui/droppedwidth.h"
#include "ui/heldtext.h"
#include "ui/listfill.h"
#include "ui/listmirror.h"
#include "ui/toolkitseam.h"
#include "ui/toolkitwin32.h"

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

void tksettext(Dialog d, int id, const char *text)
{
    if (holdtext(window(d), id, text) || captionalready(GetDlgItem(window(d), id), text))
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
    writeheldof(window(d), id);
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
    if (control == nullptr)
        return;
    // a push button takes the focus as Tab gives it, through the dialog
    // manager, so that Enter presses it
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
        SendMessageA(window(d), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    else
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

void tkfillend(Dialog d, int id)
{
    fillend(window(d), id);
    HWND control = GetDlgItem(window(d), id);
    if (control != nullptr && iscombo(control)) fitdroppedwidth(control, nullptr);
}

void tkcomboadd(Dialog d, int id, const char *text)
{
    if (fillpending(window(d), id, text))
        return;
    sendto(d, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    fitdroppedwidth(GetDlgItem(window(d), id), text);
}

void tkcomboinsert(Dialog d, int id, int index, const char *text)
{
    sendto(d, id, CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    fitdroppedwidth(GetDlgItem(window(d), id), text);
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
    int answer = showmessagebox(window(d), text, caption, style);
    stepback(depth);
    return answer;
}

void tkenddialog(Dialog d, int result)
{
    writeheld();
    enddialog(window(d), result);
}

void tkshowsearchmenu(Dialog d, int id)
{
    int depth = stepoutside();
    RECT button = {0, 0, 0, 0};
    bool placed = searchmenu() != nullptr && GetWindowRect(GetDlgItem(window(d), id), &button);
    // The choice comes back to the dialog as WM_COMMAND 1510 or 1520.
    tracksearchmenu(placed ? searchmenu() : nullptr, window(d), button.left + 10, button.top + 10);
    stepback(depth);
}

void tkopendocument(Dialog, const char *file)
{
    int depth = stepoutside();
    shellopen(file);
    stepback(depth);
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
    showcreditsbox(window(d));
    stepback(depth);
}

void tkshowreview(Dialog d)
{
    int depth = stepoutside();
    showreviewbox(window(d));
    stepback(depth);
}
