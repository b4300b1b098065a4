// Painting of the main dialog.  Both bitmaps are drawn at their own sizes on
// the dialog's background; the controls paint over them where they overlap.
#include "ui/paint.h"

#include "ui/toolkitwin32.h"

static void drawbitmap(HDC target, HBITMAP picture, int x, int y)
{
    if (picture == nullptr)
        return;  // not loaded at start-up: nothing to draw
    BITMAP size;
    if (GetObjectA(picture, sizeof size, &size) == 0)
        return;
    HDC source = CreateCompatibleDC(target);
    if (source == nullptr)
        return;
    HGDIOBJ old = SelectObject(source, picture);
    BitBlt(target, x, y, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void paintdialog(HWND dialog)
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(dialog, &paint);
    if (target == nullptr)
        return;
    RECT client;
    GetClientRect(dialog, &client);
    drawbitmap(target, logobitmap(), client.right - 50, client.bottom - 20);
    drawbitmap(target, bandbitmap(), 0, 0);
    EndPaint(dialog, &paint);
}
