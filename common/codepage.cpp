#include "common/codepage.h"

#include <cstring>

size_t utf8sequence(const unsigned char *text, size_t length, unsigned long *codepoint)
{
    unsigned char lead = text[0];
    if (lead < 0x80) {
        *codepoint = lead;
        return 1;
    }
    size_t size;
    unsigned char low = 0x80, high = 0xBF;  // the bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) size = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) size = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) size = 4;
    else return 0;
    if (lead == 0xE0) low = 0xA0;         // no overlong form
    if (lead == 0xED) high = 0x9F;        // no surrogate
    if (lead == 0xF0) low = 0x90;         // no overlong form
    if (lead == 0xF4) high = 0x8F;        // nothing past U+10FFFF
    if (length < size || text[1] < low || text[1] > high) return 0;
    unsigned long value = lead & (0x7F >> size);
    for (size_t i = 1; i < size; ++i) {
        if ((text[i] & 0xC0) != 0x80) return 0;
        value = (value << 6) | (text[i] & 0x3F);
    }
    *codepoint = value;
    return size;
}

#ifdef _WIN32
#include <windows.h>
#include <new>

// A piece converted at a time: its UTF-16 form lives on the stack.
static const int PIECE = 4096;

unsigned long ansicodepoint(unsigned char c)
{
    if (c < 0x80) return c;
    char byte = (char)c;
    wchar_t wide = 0;
    return MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1) == 1 ? (unsigned long)wide : c;
}

size_t utf8toansi(const char *utf8, size_t length, char *ansi, size_t room)
{
    size_t written = 0;
    while (length > 0) {
        // a piece ends before a byte that begins a sequence or stands alone:
        // the next byte when it does, else the nearest before it; after three
        // continuation bytes the fourth belongs to no sequence before it
        size_t take = length < (size_t)PIECE ? length : (size_t)PIECE;
        if (take < length) {
            size_t back = take;
            while (back > take - 3 && ((unsigned char)utf8[back] & 0xC0) == 0x80) --back;
            if (((unsigned char)utf8[back] & 0xC0) != 0x80) take = back;
        }
        wchar_t wide[PIECE];
        int units = MultiByteToWideChar(CP_UTF8, 0, utf8, (int)take, wide, PIECE);
        if (units > 0 && written < room) {
            int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, ansi + written,
                                            (int)(room - written), "?", nullptr);
            if (bytes > 0) written += (size_t)bytes;
        }
        utf8 += take;
        length -= take;
    }
    return written;
}

// The UTF-16 form of length bytes in code page, on the heap; null when it is
// not there (no memory, or text the code page does not convert).
static wchar_t *widened(unsigned codepage, DWORD flags, const char *text, size_t length, int *units)
{
    if (length == 0 || length > 0x3fffffff) return nullptr;
    wchar_t *wide = new (std::nothrow) wchar_t[length];
    if (!wide) return nullptr;
    *units = MultiByteToWideChar(codepage, flags, text, (int)length, wide, (int)length);
    if (*units > 0) return wide;
    delete[] wide;
    return nullptr;
}

size_t ansitoutf8(const char *ansi, size_t length, char *utf8, size_t room)
{
    int units = 0;
    wchar_t *wide = widened(CP_ACP, 0, ansi, length, &units);
    if (!wide) return 0;
    int bytes = room > 0 ? WideCharToMultiByte(CP_UTF8, 0, wide, units, utf8, room > 0x7fffffff ? 0x7fffffff : (int)room,
                                               nullptr, nullptr)
                         : 0;
    delete[] wide;
    return bytes > 0 ? (size_t)bytes : 0;
}

bool utf8fitsansi(const char *utf8, size_t length)
{
    if (length == 0) return true;
    int units = 0;
    wchar_t *wide = widened(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, length, &units);
    if (!wide) return false;
    BOOL defaulted = FALSE;
    int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, nullptr, 0, nullptr, &defaulted);
    delete[] wide;
    return bytes > 0 && !defaulted;
}

#else

// Windows-1252 as Windows converts into it: 0xA0 to 0xFF are the code points
// of the same number, 0x80 to 0x9F the characters below; the five positions
// the code page leaves undefined stand for the control characters of their
// own number, as Windows has them.
static const unsigned short HIGH1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

unsigned long ansicodepoint(unsigned char c)
{
    return c >= 0x80 && c < 0xA0 ? HIGH1252[c - 0x80] : c;
}

static char to1252(unsigned long codepoint)
{
    if (codepoint < 0x80 || (codepoint >= 0xA0 && codepoint <= 0xFF)) return (char)codepoint;
    for (int i = 0; i < 32; ++i)
        if (HIGH1252[i] == codepoint) return (char)(0x80 + i);
    return '?';
}

// Where text begins with no valid sequence, the bytes that one "?" stands
// for, as Windows reads UTF-8: the longest start of a valid sequence there
// (its maximal subpart), or else the one byte.  A later byte is only ever
// bound to 0x80 to 0xBF, so the start is valid when it completes with 0x80s.
// Wine differs in two cases: it gives one "?" for a lead byte with a second
// byte out of its range (E0 80, ED A0, F0 80, F4 90: two here), and at the
// very end of the text one for a lead byte with whatever bytes follow it
// short of its length (E2 41 there: "?A" here).
static size_t invalidpart(const unsigned char *text, size_t length)
{
    for (size_t size = length < 3 ? length : 3; size > 1; --size) {
        unsigned char completed[4] = {0x80, 0x80, 0x80, 0x80};
        memcpy(completed, text, size);
        unsigned long codepoint;
        if (utf8sequence(completed, sizeof completed, &codepoint) > size) return size;
    }
    return 1;
}

size_t utf8toansi(const char *utf8, size_t length, char *ansi, size_t room)
{
    const unsigned char *text = reinterpret_cast<const unsigned char *>(utf8);
    size_t written = 0;
    size_t at = 0;
    while (at < length) {
        unsigned long codepoint = 0;
        size_t size = utf8sequence(text + at, length - at, &codepoint);
        // one "?" for each UTF-16 unit of a character past U+FFFF, as Windows
        // writes it; its four bytes give two, so the text still never grows
        if (size == 4 && written < room) ansi[written++] = '?';
        if (written < room) ansi[written++] = size == 0 ? '?' : to1252(codepoint);
        at += size == 0 ? invalidpart(text + at, length - at) : size;
    }
    return written;
}

static size_t pututf8(unsigned long codepoint, char *utf8, size_t room)
{
    char bytes[3];
    size_t size;
    if (codepoint < 0x80) {
        bytes[0] = (char)codepoint;
        size = 1;
    } else if (codepoint < 0x800) {
        bytes[0] = (char)(0xC0 | (codepoint >> 6));
        bytes[1] = (char)(0x80 | (codepoint & 0x3F));
        size = 2;
    } else {
        bytes[0] = (char)(0xE0 | (codepoint >> 12));
        bytes[1] = (char)(0x80 | ((codepoint >> 6) & 0x3F));
        bytes[2] = (char)(0x80 | (codepoint & 0x3F));
        size = 3;
    }
    if (size > room) return 0;
    memcpy(utf8, bytes, size);
    return size;
}

size_t ansitoutf8(const char *ansi, size_t length, char *utf8, size_t room)
{
    size_t written = 0;
    for (size_t at = 0; at < length; ++at) {
        size_t size = pututf8(ansicodepoint((unsigned char)ansi[at]), utf8 + written, room - written);
        if (size == 0) break;
        written += size;
    }
    return written;
}

bool utf8fitsansi(const char *utf8, size_t length)
{
    const unsigned char *text = reinterpret_cast<const unsigned char *>(utf8);
    for (size_t at = 0; at < length;) {
        unsigned long codepoint = 0;
        size_t size = utf8sequence(text + at, length - at, &codepoint);
        if (size == 0 || size == 4 || (to1252(codepoint) == '?' && codepoint != '?')) return false;
        at += size;
    }
    return true;
}

#endif
