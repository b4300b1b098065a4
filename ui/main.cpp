// The main dialog procedure: five messages handled, the rest left to the
// dialog manager.
#include "ui/layout.h"

#include "ui/mainwindow.h"

#include "dictionary/toolkit.h"
#include "ui/dispatch.h"
#include "ui/paint.h"
#include "ui/startup.h"

static Dialog asdialog(HWND dialog) { return reinterpret_cast<Dialog>(dialog); }

INT_PTR CALLBACK DialogFunc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        initdialog(asdialog(dialog), reinterpret_cast<const char *>(lparam));
        return FALSE;  // the focus is set: the word box keeps it
    case WM_COMMAND:
        dispatchcommand(asdialog(dialog), LOWORD(wparam), HIWORD(wparam));
        return TRUE;
    case WM_SIZE:
        InvalidateRect(dialog, nullptr, TRUE);
        layoutdialog(asdialog(dialog), static_cast<int>(wparam));
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
