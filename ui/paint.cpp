// Painting of the main dialog.  Both bitmaps are drawn on the dialog's
// background, at their own sizes at 96 DPI and scaled at any other; the
// controls paint over them where they overlap.
#include "ui/paint.h"

#include "common/picture.h"
#include "ui/layout.h"
#include "ui/toolkitwin32.h"

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
