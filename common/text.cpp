#include "dictionary/text.h"

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

static char lowerascii(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

bool beginswithnocase(const char *text, const char *prefix)
{
    for (; *prefix; ++prefix, ++text) {
        if (*text == '\0' || lowerascii(*text) != lowerascii(*prefix)) return false;
    }
    return true;
}
