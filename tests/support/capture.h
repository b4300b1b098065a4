// What a window shows, read back from its device context, for tests that check
// what was painted where, and for screenshots that a person looks at.
#ifndef VANTREL_CAPTURE_H
#define VANTREL_CAPTURE_H

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// 24-bit pixels, rows top-down, three bytes (blue, green, red) a pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bgr;

    COLORREF at(int x, int y) const
    {
        const unsigned char *p = &bgr[(static_cast<size_t>(y) * width + x) * 3];
        return RGB(p[2], p[1], p[0]);
    }
};

// Reads width x height pixels from (x, y) of a device context.
inline Picture capturedc(HDC source, int x, int y, int width, int height)
{
    Picture picture;
    if (source == nullptr || width <= 0 || height <= 0)
        return picture;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP target = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory == nullptr || target == nullptr) {
        if (target != nullptr) DeleteObject(target);
        if (memory != nullptr) DeleteDC(memory);
        return picture;
    }
    HGDIOBJ old = SelectObject(memory, target);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    picture.width = width;
    picture.height = height;
    picture.bgr.resize(static_cast<size_t>(width) * height * 3);
    for (int row = 0; row < height; ++row)
        memcpy(&picture.bgr[static_cast<size_t>(row) * width * 3],
               static_cast<unsigned char *>(bits) + row * stride, static_cast<size_t>(width) * 3);
    SelectObject(memory, old);
    DeleteObject(target);
    DeleteDC(memory);
    return picture;
}

// The whole window, frame and title bar included, or only its client area.
inline Picture capturewindow(HWND window, bool clientonly = false)
{
    RECT bounds = {};
    clientonly ? GetClientRect(window, &bounds) : GetWindowRect(window, &bounds);
    HDC dc = clientonly ? GetDC(window) : GetWindowDC(window);
    Picture picture = capturedc(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    ReleaseDC(window, dc);
    return picture;
}

inline Picture captureclient(HWND window) { return capturewindow(window, true); }

// A bitmap's own pixels.
inline Picture bitmappixels(HBITMAP bitmap)
{
    BITMAP size = {};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof size, &size) == 0)
        return Picture();
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(source, bitmap);
    Picture picture = capturedc(source, 0, 0, size.bmWidth, size.bmHeight);
    SelectObject(source, old);
    DeleteDC(source);
    ReleaseDC(nullptr, screen);
    return picture;
}

// Whether the part of screen at (x, y) holds exactly the pixels of part.
inline bool shows(const Picture &screen, const Picture &part, int x, int y)
{
    if (part.width == 0 || x < 0 || y < 0 || x + part.width > screen.width ||
        y + part.height > screen.height)
        return false;
    for (int row = 0; row < part.height; ++row)
        for (int column = 0; column < part.width; ++column)
            if (screen.at(x + column, y + row) != part.at(column, row))
                return false;
    return true;
}

// Whether every pixel of the rectangle has this one colour.
inline bool plain(const Picture &screen, int x, int y, int width, int height, COLORREF colour)
{
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            if (column < 0 || row < 0 || column >= screen.width || row >= screen.height ||
                screen.at(column, row) != colour)
                return false;
    return true;
}

// Writes the picture as a 24-bit BMP file; false when it cannot be written.
inline bool savebmp(const Picture &picture, const std::string &path)
{
    if (picture.width == 0)
        return false;
    size_t stride = (static_cast<size_t>(picture.width) * 3 + 3) & ~static_cast<size_t>(3);
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = picture.width;
    info.biHeight = -picture.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    BITMAPFILEHEADER head = {};
    head.bfType = 0x4d42;  // "BM"
    head.bfOffBits = sizeof head + sizeof info;
    head.bfSize = static_cast<DWORD>(head.bfOffBits + stride * picture.height);
    FILE *out = fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = fwrite(&head, sizeof head, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1;
    std::vector<unsigned char> row(stride, 0);
    for (int y = 0; written && y < picture.height; ++y) {
        memcpy(row.data(), &picture.bgr[static_cast<size_t>(y) * picture.width * 3],
               static_cast<size_t>(picture.width) * 3);
        written = fwrite(row.data(), 1, stride, out) == stride;
    }
    return fclose(out) == 0 && written;
}

#endif
