// The one text conversion the C library lacks: UTF-8 into the 8-bit ANSI code
// page of the machine, which the store and the dialog use.  On Windows it is
// the platform's own (the machine's ANSI code page); elsewhere, for the host
// tools and tests, it is Windows-1252.
#ifndef VANTREL_CODEPAGE_H
#define VANTREL_CODEPAGE_H

#include <cstddef>

// Converts length bytes of UTF-8 into ansi and returns the bytes written, the
// bytes Windows gives: a character the code page lacks becomes "?", one past
// U+FFFF "??" (one for each of its UTF-16 units), and where no valid sequence
// begins, the longest start of one (or else the one byte) becomes one "?".
// The text never grows, so room of length bytes always suffices; what does
// not fit in room is dropped.
size_t utf8toansi(const char *utf8, size_t length, char *ansi, size_t room);

// The length (1 to 4) of the valid UTF-8 sequence that begins text, and its
// code point in *codepoint; 0 when the length bytes there do not begin with
// one (a sequence cut short by length included).  Overlong forms, surrogates
// and code points past U+10FFFF are not valid.
size_t utf8sequence(const unsigned char *text, size_t length, unsigned long *codepoint);

// The Unicode code point of a byte of the ANSI code page (Windows-1252 off
// Windows).
unsigned long ansicodepoint(unsigned char c);

#endif
