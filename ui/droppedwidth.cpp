// The width a drop-down list drops down at: see ui/droppedwidth.h.
#include "ui/droppedwidth.h"

#include <cstring>

// The width a line of a drop-down list needs when dropped down: the text,
// the list's border and margins, and its scroll bar.
static int droppedlinewidth(HDC dc, const char *line, int length)
{
    SIZE extent = {0, 0};
    if (!GetTextExtentPoint32A(dc, line, length, &extent))
        return 0;
    return extent.cx + GetSystemMetrics(SM_CXVSCROLL) + 4 * GetSystemMetrics(SM_CXEDGE);
}

// The lines are read straight from the control: a look-up by identifier for
// each would cost a round trip to the window server under Wine.
void fitdroppedwidth(HWND combo, const char *line)
{
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
