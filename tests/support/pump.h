// What the Windows tests of a dialog in this process share: the modal loop's
// handing on of pending messages, and a dialog procedure that logs every
// command before the real one handles it.
#ifndef VANTREL_PUMP_H
#define VANTREL_PUMP_H

#include <windows.h>

#include <vector>

#include "tests/driver.h"

// Hands every pending message to dialog's dialog manager (to none when
// dialog is null), as the modal loop would, until the queue is empty.
inline void pumpmessages(HWND dialog)
{
    MSG msg;
    for (int handled = 0; handled < 100000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++handled) {
        if (dialog != nullptr && IsWindow(dialog) && IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The real procedure `real`, with every WM_COMMAND it gets appended to `log` first.
template <DLGPROC real, std::vector<RaisedCommand> &log>
INT_PTR CALLBACK recordingproc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_COMMAND) log.push_back(RaisedCommand{LOWORD(wparam), HIWORD(wparam)});
    return real(window, message, wparam, lparam);
}

#endif
