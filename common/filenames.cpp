#include "common/filenames.h"

#ifdef _WIN32
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#endif
#include <windows.h>

#include <cstring>

enum { WIDENAME = 1024 };

int comparefilenames(const char *a, const char *b)
{
    wchar_t wa[WIDENAME], wb[WIDENAME];
    if (MultiByteToWideChar(CP_ACP, 0, a, -1, wa, WIDENAME) == 0 ||
        MultiByteToWideChar(CP_ACP, 0, b, -1, wb, WIDENAME) == 0)
        return strcmp(a, b);  // longer than any name Windows takes: only the same bytes are one name
    switch (CompareStringOrdinal(wa, -1, wb, -1, TRUE)) {
    case CSTR_LESS_THAN: return -1;
    case CSTR_EQUAL: return 0;
    case CSTR_GREATER_THAN: return 1;
    default: return strcmp(a, b);
    }
}

#else

#include "common/codepage.h"

// The upper case Windows gives a character of Windows-1252 in file names.
static unsigned long upper(unsigned long c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    switch (c) {
    case 0xFF: return 0x178;
    case 0xB5: return 0x39C;
    case 0x153: return 0x152;
    case 0x161: return 0x160;
    case 0x17E: return 0x17D;
    case 0x192: return 0x191;
    default: return c;
    }
}

int comparefilenames(const char *a, const char *b)
{
    const unsigned char *x = reinterpret_cast<const unsigned char *>(a);
    const unsigned char *y = reinterpret_cast<const unsigned char *>(b);
    for (;; ++x, ++y) {
        unsigned long p = upper(ansicodepoint(*x)), q = upper(ansicodepoint(*y));
        if (p != q) return p < q ? -1 : 1;
        if (p == 0) return 0;
    }
}

#endif
