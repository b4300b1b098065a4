// Small string helpers over fixed 8-bit buffers.
#ifndef VANTREL_TEXT_H
#define VANTREL_TEXT_H

#include <cstddef>

// Copies at most size - 1 bytes of source and a NUL; returns false when cut.
bool copytext(char *target, size_t size, const char *source);
// Appends as much of source as fits, keeping the NUL; returns false when cut.
bool appendtext(char *target, size_t size, const char *source);
// True when text begins with prefix, ASCII letters as one case; a shorter text never does.
bool beginswithnocase(const char *text, const char *prefix);

#endif
