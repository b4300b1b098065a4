#include "common/text.h"

#include <cstdint>
#include <cstring>

bool copytext(char *target, size_t size, const char *source)
{
    if (size == 0) return false;
    size_t length = strlen(source);
    bool fits = length < size;
    if (!fits) length = size - 1;
    memcpy(target, source, length);
    target[length] = '\0';
    return fits;
}

bool appendtext(char *target, size_t size, const char *source)
{
    size_t used = strnlen(target, size);
    if (used >= size) return false;
    return copytext(target + used, size - used, source);
}

bool appendpart(char *target, size_t size, const char *source, size_t most)
{
    size_t used = strnlen(target, size);
    if (used >= size) return false;
    size_t length = strnlen(source, most);
    size_t room = size - 1 - used;
    size_t take = length < room ? length : room;
    memcpy(target + used, source, take);
    target[used + take] = '\0';
    return take == length;
}

// A to Z only; returns the length.  Eight bytes at a time: in each, the low
// seven bits plus 0x3f reach the top bit from 'A' up, plus 0x25 from past 'Z'
// up, with no carry into the next byte; a byte of 128 or more is left alone.
// A meaning is lower-cased at every search, so this is worth the trouble.
size_t lowercase(char *text)
{
    const uint64_t ones = 0x0101010101010101ull;
    size_t length = strlen(text);
    size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        uint64_t bytes;
        memcpy(&bytes, text + i, 8);
        uint64_t low = bytes & (0x7f * ones);
        uint64_t upper = (low + 0x3f * ones) & ~(low + 0x25 * ones) & ~bytes & (0x80 * ones);
        bytes |= upper >> 2;
        memcpy(text + i, &bytes, 8);
    }
    for (; i < length; ++i) text[i] = lowerascii(text[i]);
    return length;
}

bool sameword(const char *a, const char *b)
{
    while (*a && lowerascii(*a) == lowerascii(*b)) {
        ++a;
        ++b;
    }
    return lowerascii(*a) == lowerascii(*b);
}

bool beginswithnocase(const char *text, const char *prefix)
{
    for (; *prefix; ++prefix, ++text) {
        if (*text == '\0' || lowerascii(*text) != lowerascii(*prefix)) return false;
    }
    return true;
}
