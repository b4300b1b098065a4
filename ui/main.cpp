// The main dialog procedure: six messages handled, the rest left to the
// dialog manager.
#include "ui/layout.h"

#include "ui/mainwindow.h"

#include "dictionary/resource.h"
#include "dictionary/search.h"
#include "dictionary/toolkit.h"
#include "ui/dispatch.h"
#include "ui/paint.h"
#include "ui/startup.h"
#include "ui/toolkitwin32.h"

static Dialog asdialog(HWND dialog) { return reinterpret_cast<Dialog>(dialog); }

// The screen's DPI.  The program is aware of the system's DPI (its manifest
// says so), so this is the one its windows show at.
static int screendpi()
{
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return BASEDPI;
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// The window around a client area, frame, title and menu bar included.
static POINT outersize(HWND dialog, int width, int height)
{
    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)),
                       GetMenu(dialog) != nullptr, static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
    POINT size = {outer.right - outer.left, outer.bottom - outer.top};
    return size;
}

// The window around the layout's smallest client area.
static POINT minimumwindow(HWND dialog)
{
    int width = 0, height = 0;
    minimumclient(asdialog(dialog), &width, &height);
    return outersize(dialog, width, height);
}

// The client width at which the result list's closed box shows a header
// whole for every query that the word box shows whole: the longer of the two
// headers' fixed parts, the word box's width, and the box's arrow and frame.
static int headerclientwidth(HWND dialog)
{
    HWND results = GetDlgItem(dialog, IDC_RESULTS);
    COMBOBOXINFO parts = {};
    parts.cbSize = sizeof parts;
    RECT box, word;
    HDC dc = results == nullptr ? nullptr : GetDC(results);
    if (dc == nullptr)
        return 0;
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(results, WM_GETFONT, 0, 0)));
    SIZE found = {}, notfound = {};
    GetTextExtentPoint32A(dc, FOUNDHEADER, lstrlenA(FOUNDHEADER), &found);
    GetTextExtentPoint32A(dc, NOTFOUNDHEADER, lstrlenA(NOTFOUNDHEADER), &notfound);
    SelectObject(dc, old);
    ReleaseDC(results, dc);
    if (!GetComboBoxInfo(results, &parts) || !GetWindowRect(results, &box) ||
        !GetClientRect(GetDlgItem(dialog, IDC_WORD), &word))
        return 0;
    int frame = (box.right - box.left) - (parts.rcItem.right - parts.rcItem.left);
    return scaled(605, layoutdpi()) + (found.cx > notfound.cx ? found.cx : notfound.cx) + word.right + frame;
}

// The template's size comes from the dialog font.  The window opens no
// smaller than the minimum and, as far as the screen allows, wide enough for
// the result list's header, about the same centre.
static void growtoopen(HWND dialog)
{
    RECT outer;
    MONITORINFO screen;
    screen.cbSize = sizeof screen;
    if (!GetWindowRect(dialog, &outer) ||
        !GetMonitorInfoA(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &screen))
        return;
    POINT least = minimumwindow(dialog);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    int room = screen.rcWork.right - screen.rcWork.left;
    int wanted = outersize(dialog, headerclientwidth(dialog), 0).x;
    int grownwidth = wanted > room ? room : wanted;
    if (grownwidth < width) grownwidth = width;
    if (grownwidth < least.x) grownwidth = least.x;
    int grownheight = height < least.y ? least.y : height;
    if (grownwidth == width && grownheight == height)
        return;
    int x = outer.left - (grownwidth - width) / 2, y = outer.top - (grownheight - height) / 2;
    if (x + grownwidth > screen.rcWork.right) x = screen.rcWork.right - grownwidth;
    if (x < screen.rcWork.left) x = screen.rcWork.left;
    SetWindowPos(dialog, nullptr, x, y < 0 ? 0 : y, grownwidth, grownheight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK DialogFunc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        setlayoutdpi(screendpi());
        initdialog(asdialog(dialog), reinterpret_cast<const char *>(lparam));
        growtoopen(dialog);
        return FALSE;  // the focus is set: the word box keeps it
    case WM_COMMAND:
        tkbegincommand(asdialog(dialog));
        dispatchcommand(asdialog(dialog), LOWORD(wparam), HIWORD(wparam));
        tkendcommand(asdialog(dialog));
        return TRUE;
    case WM_SIZE:
        InvalidateRect(dialog, nullptr, TRUE);
        layoutdialog(asdialog(dialog), static_cast<int>(wparam));
        return TRUE;
    case WM_GETMINMAXINFO:
        // no drag makes the window smaller than this; maximising is untouched
        reinterpret_cast<MINMAXINFO *>(lparam)->ptMinTrackSize = minimumwindow(dialog);
        return TRUE;
    case WM_PAINT:
        paintdialog(dialog);
        return TRUE;
    case WM_CLOSE:
        tkreleaseresources(asdialog(dialog));
        tkenddialog(asdialog(dialog), 0);
        return TRUE;
    }
    return FALSE;
}
