// Small string helpers over fixed 8-bit buffers, for both programs: bounded
// copies, and the one case rule of the dictionary (ASCII letters as one case,
// every other byte as it is).
#ifndef VANTREL_TEXT_H
#define VANTREL_TEXT_H

#include <cstddef>

inline char lowerascii(char c)
{
    return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
}

// Copies at most size - 1 bytes of source and a NUL; returns false when cut.
bool copytext(char *target, size_t size, const char *source);
// Appends as much of source as fits, keeping the NUL; returns false when cut.
bool appendtext(char *target, size_t size, const char *source);
// Appends at most most characters of source, as many as fit; false when cut.
bool appendpart(char *target, size_t size, const char *source, size_t most);
// Lower-cases A to Z in place; returns the length.
size_t lowercase(char *text);
// Whole-string comparison of two headwords, ASCII letters as one case.
bool sameword(const char *a, const char *b);
// True when text begins with prefix, ASCII letters as one case; a shorter text never does.
bool beginswithnocase(const char *text, const char *prefix);

#endif
