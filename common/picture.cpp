#include "common/picture.h"

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
    if (dpi <= 0)
        dpi = 96;
    HGDIOBJ old = SelectObject(source, picture);
    int width = MulDiv(size.bmWidth, dpi, 96);
    int height = MulDiv(size.bmHeight, dpi, 96);
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
