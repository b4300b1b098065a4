// The text source as the rebuild reads it: in binary, whole, whatever bytes
// it holds (a Ctrl-Z is a byte like any other), with each CR LF taken as one
// LF and a lone CR kept; in a source that holds no LF at all, each CR is a
// line end, as the editor that saved it shows it.  A source that today's editors saved as UTF-8 (with
// the byte-order mark, or without it when every byte above 127 belongs to a
// valid UTF-8 sequence) is turned into the ANSI code page of the store and
// the dialog; any other source is taken as ANSI bytes.  A UTF-16 source is
// not read at all.
#ifndef VANTREL_SOURCETEXT_H
#define VANTREL_SOURCETEXT_H

#include <cstddef>

#include "dictionary/fileio.h"

enum SourceEncoding { SOURCEANSI, SOURCEUTF8, SOURCEUTF16 };

static const size_t SOURCEPIECE = 65536;  // bytes read from the file at a time

struct SourceText {
    DataFile *file;
    SourceEncoding encoding;  // told by startsource
    bool crlines;             // told by startsource: no LF anywhere, a CR ends each line
    char raw[SOURCEPIECE];   // bytes as read, before the conversion
    size_t carried;          // the start of a UTF-8 sequence that the last read cut
    char text[SOURCEPIECE];  // the bytes of the source as the store takes them
    size_t at;
    size_t end;
    bool ended;              // the file has no more bytes, or a read failed
};

// Starts reading the open source: reads it through once to tell its
// encoding, then goes back to its start and past its byte-order mark.  False
// when that could not be read.  A UTF-16 source must not be read on.
bool startsource(SourceText *source, DataFile *file);

// The next line, as the C library's fgets gives a line of text: at most
// size - 1 bytes, up to and with its line feed, NUL-terminated.  Returns its
// bytes, a NUL byte of the source among them; 0 at the end of the source, or
// when a read failed (the file's error then tells).
size_t sourceline(SourceText *source, char *line, int size);

#endif
