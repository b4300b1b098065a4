// The main dialog procedure: six messages handled, the rest left to the
// dialog manager.
#include "ui/layout.h"

#include "ui/mainwindow.h"

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

// The window around the layout's smallest client area, frame, title and
// menu bar included.
static POINT minimumwindow(HWND dialog)
{
    int width = 0, height = 0;
    minimumclient(asdialog(dialog), &width, &height);
    RECT outer = {0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)),
                       GetMenu(dialog) != nullptr, static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
    POINT size = {outer.right - outer.left, outer.bottom - outer.top};
    return size;
}

// The template's size comes from the dialog font; where it is below the
// minimum the window opens at the minimum, about the same centre.
static void growtominimum(HWND dialog)
{
    RECT outer;
    if (!GetWindowRect(dialog, &outer))
        return;
    POINT least = minimumwindow(dialog);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    int grownwidth = width < least.x ? least.x : width;
    int grownheight = height < least.y ? least.y : height;
    if (grownwidth == width && grownheight == height)
        return;
    int x = outer.left - (grownwidth - width) / 2, y = outer.top - (grownheight - height) / 2;
    SetWindowPos(dialog, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, grownwidth, grownheight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK DialogFunc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        setlayoutdpi(screendpi());
        initdialog(asdialog(dialog), reinterpret_cast<const char *>(lparam));
        growtominimum(dialog);
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
