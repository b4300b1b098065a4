#include "dictionary/findtext.h"

#include <cstring>

void preparefind(FindPattern *pattern, const char *text)
{
    size_t length = strlen(text);
    pattern->text = text;
    pattern->length = length;
    // a move is never longer than the pattern, and never longer than the
    // table holds: a shorter move is always safe
    size_t most = length < 0xffff ? length : 0xffff;
    if (most == 0) most = 1;
    for (unsigned short &shift : pattern->shift) shift = (unsigned short)most;
    for (size_t i = 0; i + 1 < length; ++i) {
        size_t move = length - 1 - i;
        unsigned char c = (unsigned char)text[i];
        pattern->shift[c] = (unsigned short)(move < most ? move : most);
    }
}

bool findin(const FindPattern *pattern, const char *text, size_t length)
{
    size_t m = pattern->length;
    if (m == 0) return true;
    if (m > length) return false;
    const unsigned char *t = (const unsigned char *)text;
    const unsigned char *p = (const unsigned char *)pattern->text;
    unsigned char last = p[m - 1];
    for (size_t at = 0; at <= length - m;) {
        unsigned char c = t[at + m - 1];
        if (c == last && memcmp(t + at, p, m - 1) == 0) return true;
        at += pattern->shift[c];
    }
    return false;
}
