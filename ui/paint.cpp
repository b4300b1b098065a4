// Painting of the main dialog.  Both bitmaps are drawn on the dialog's
// background, at their own sizes at 96 DPI and scaled at any other; the
// controls paint over them where they overlap.
#include "ui/paint.h"

#include "ui/layout.h"
#include "ui/toolkitwin32.h"

bool drawpicture(HDC target, HBITMAP picture, int x, int y, int dpi)
{
    if (picture == nullptr)
        return false;  // not loaded: nothing to draw
    BITMAP size;
    if (GetObjectA(picture, sizeof size, &size) == 0)
        return false;
    HDC source = CreateCompatibleDC(target);
    if (source == nullptr)
        return false;
    HGDIOBJ old = SelectObject(source, picture);
    int width = scaled(size.bmWidth, dpi);
    int height = scaled(size.bmHeight, dpi);
    BOOL drawn;
    if (width == size.bmWidth && height == size.bmHeight) {
        drawn = BitBlt(target, x, y, width, height, source, 0, 0, SRCCOPY);
    } else {
        // averaged, not pixels repeated unevenly
        int mode = SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        drawn = StretchBlt(target, x, y, width, height, source, 0, 0, size.bmWidth, size.bmHeight,
                           SRCCOPY);
        SetStretchBltMode(target, mode);
    }
    SelectObject(source, old);
    DeleteDC(source);
    return drawn != FALSE;
}

void paintdialog(HWND dialog)
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(dialog, &paint);
    if (target == nullptr)
        return;
    RECT client;
    GetClientRect(dialog, &client);
    int dpi = layoutdpi();
    drawpicture(target, logobitmap(), client.right - scaled(50, dpi), client.bottom - scaled(20, dpi), dpi);
    drawpicture(target, bandbitmap(), 0, 0, dpi);
    EndPaint(dialog, &paint);
}
