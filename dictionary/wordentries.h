// A word file (the text source) as the merge of an upgrade sees it: entry by
// entry, each a headword line with the lines of its meaning, found as the
// rebuild finds them: the encoding the rebuild's own reader tells
// (dictionary/sourcetext.h), its lines cut in the compiler's pieces and its
// headword rule (dictionary/compile.h), so with the same marker, the same
// encodings and the same refusals.  An entry is held as its place in the
// file and two checksums, not as its text: one of its headword and one of
// its lines, both taken of the text in UTF-8 without the line ends, so that
// a file saved in another encoding or with other line ends, or whose last
// line has none, holds the same entries.
#ifndef VANTREL_WORDENTRIES_H
#define VANTREL_WORDENTRIES_H

#include <cstddef>
#include <cstdint>

#include "dictionary/fileio.h"
#include "dictionary/sourcetext.h"

// The bounds of a word file the merge takes: its size, so that every place
// in it fits the file layer's seek, and a line with its line end.  The
// compiler reads a line in pieces of 7999 bytes; a line far past that is no
// text an editor made.
const long long WORDFILEMOST = 0x7fffffffLL;
const size_t WORDLINEMOST = 65536;

enum WordFileRead {
    WORDFILEREAD,
    WORDFILEMISSING,     // it is not there
    WORDFILEUNREADABLE,  // an open or a read failed, or memory ran short
    WORDFILEUTF16,       // saved as UTF-16, which the rebuild refuses
    WORDFILENUL,         // holds a NUL byte, which the rebuild refuses
    WORDFILENOHEADWORD,  // holds no headword line, which the rebuild refuses
    WORDFILETOOLONG      // larger than WORDFILEMOST, or a line longer than WORDLINEMOST
};

struct WordEntry {
    uint64_t word;    // checksum of the headword
    uint64_t text;    // checksum of the checksums of its lines (their text without the line end)
    uint32_t at;      // its first byte in the file
    uint32_t length;  // its bytes, up to and with the line end of its last line
    int32_t nth;      // 0 for the first entry of its headword in the file, 1 for the next
};

struct WordFile {
    WordEntry *entries;  // in the order of the file
    int count;
    int room;
    int32_t *index;      // an open table of the entries' numbers by headword and nth, -1 for a free place
    uint32_t indexmask;  // its size less one
    SourceEncoding encoding;
    bool ascii;          // no byte above 127: the text of either encoding
    bool crlf;           // its first line end is CR LF
    bool lineend;        // it has a line end at all
};

// The step given each entry once it is read whole, with the headword as the
// store takes it, and the context it was given with.
typedef void (*WordStep)(WordFile *file, int entry, const char *storeword, void *context);

// Reads the word file at path into file, calling step (when given) for each
// entry, then makes the table by headword.
WordFileRead readwordfile(const char *path, WordFile *file, WordStep step = nullptr, void *context = nullptr);
// The entry with this headword and nth, or -1.
int findwordentry(const WordFile *file, uint64_t word, int nth);
void freewordfile(WordFile *file);

// Reading a word file's bytes again, line by line, from any place.
struct WordLines {
    DataFile *file;
    bool nul;         // the line last given has a NUL byte,
    bool high;        // a byte above 127,
    bool marker;      // the marker of a headword line
    uint32_t offset;  // of the next byte
    size_t at;
    size_t end;
    bool ended;
    char block[65536];
};
// Starts reading the open file at offset; false when it cannot be moved there.
bool startwordlines(WordLines *lines, DataFile *file, uint32_t offset);
// The next bytes, at most most of them, where they lie in the block: their
// count, 0 at the end or when a read failed.
size_t nextwordbytes(WordLines *lines, size_t most, const char **bytes);
// The next line with its line feed in *line, where it lies in the block or,
// when it does not lie there whole, copied to room: 1 when one came, 0 at the
// end, -1 when it is longer than size or a read failed.  It stays there
// until the next call.
int nextwordline(WordLines *lines, char *room, size_t size, const char **line, size_t *length);

#endif
