#include "dictionary/sourcetext.h"

#include <cstdio>
#include <cstring>

#include "common/codepage.h"

static const unsigned char UTF8MARK[3] = {0xEF, 0xBB, 0xBF};

static bool beginswithmark(const char *bytes, size_t length, const unsigned char *mark, size_t marklength)
{
    return length >= marklength && memcmp(bytes, mark, marklength) == 0;
}

// The bytes of text that end in the middle of a UTF-8 sequence, which the
// next read may complete: 0 to 3.
static size_t unfinishedtail(const char *text, size_t length)
{
    for (size_t back = 1; back <= 3 && back <= length; ++back) {
        unsigned char c = (unsigned char)text[length - back];
        if ((c & 0xC0) == 0x80) continue;                  // a continuation byte: look further back
        size_t size = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return size > back ? back : 0;
    }
    return 0;
}

// Reads the source through to tell its encoding and its line ends, with raw
// as its buffer, and moves it back to its start; false when a read or the
// move failed.
static bool tellencoding(SourceText *s)
{
    static const unsigned char UTF16LE[2] = {0xFF, 0xFE}, UTF16BE[2] = {0xFE, 0xFF};
    size_t carried = 0;
    bool first = true, high = false, valid = true, told = false, linefeed = false;
    s->encoding = SOURCEANSI;
    for (;;) {
        size_t want = SOURCEPIECE - carried;
        size_t got = fileread(s->file, s->raw + carried, want);
        size_t length = carried + got;
        if (first) {
            first = false;
            if (beginswithmark(s->raw, length, UTF16LE, 2) || beginswithmark(s->raw, length, UTF16BE, 2)) {
                s->encoding = SOURCEUTF16;
                break;
            }
            if (beginswithmark(s->raw, length, UTF8MARK, 3)) {
                s->encoding = SOURCEUTF8;
                told = true;
            }
        }
        linefeed = linefeed || memchr(s->raw + carried, '\n', got) != nullptr;
        bool last = got < want;
        size_t whole = last || told ? length : length - unfinishedtail(s->raw, length);
        const unsigned char *text = reinterpret_cast<const unsigned char *>(s->raw);
        for (size_t at = 0; at < whole && !told;) {
            unsigned long codepoint;
            size_t size = utf8sequence(text + at, whole - at, &codepoint);
            high = high || text[at] >= 0x80;
            valid = size > 0;
            told = !valid;
            at += size;
        }
        if (last || (told && linefeed)) break;
        carried = length - whole;
        memmove(s->raw, s->raw + whole, carried);
    }
    if (s->encoding == SOURCEANSI && valid && high) s->encoding = SOURCEUTF8;
    // a source with no line feed at all was saved with a CR alone at each line end
    s->crlines = !linefeed;
    bool read = !fileerror(s->file);
    return fileseek(s->file, 0, SEEK_SET) && read;
}

// Reads the next piece of the file and turns it into text; false when the
// file had no more bytes (or a read failed).
static bool readpiece(SourceText *s)
{
    if (s->ended) return false;
    size_t got = fileread(s->file, s->raw + s->carried, SOURCEPIECE - s->carried);
    size_t length = s->carried + got;
    s->ended = got < SOURCEPIECE - s->carried;
    s->at = 0;
    if (s->encoding != SOURCEUTF8) {
        memcpy(s->text, s->raw, length);
        s->end = length;
        s->carried = 0;
        return length > 0;
    }
    size_t whole = s->ended ? length : length - unfinishedtail(s->raw, length);
    s->end = utf8toansi(s->raw, whole, s->text, sizeof s->text);
    s->carried = length - whole;
    memmove(s->raw, s->raw + whole, s->carried);
    return s->end > 0 || !s->ended;
}

// The next byte of the text, or -1 at its end; peek leaves it to be taken.
static int nextbyte(SourceText *s, bool peek)
{
    while (s->at == s->end)
        if (!readpiece(s)) return -1;
    unsigned char c = (unsigned char)s->text[s->at];
    if (!peek) ++s->at;
    return c;
}

bool startsource(SourceText *source, DataFile *file)
{
    source->file = file;
    source->carried = 0;
    source->at = 0;
    source->end = 0;
    source->ended = false;
    if (!tellencoding(source)) return false;
    if (source->encoding != SOURCEUTF8) return true;
    // the byte-order mark, when there is one, is no part of the text
    size_t got = fileread(file, source->raw, sizeof UTF8MARK);
    if (got == sizeof UTF8MARK && beginswithmark(source->raw, got, UTF8MARK, sizeof UTF8MARK)) return true;
    source->carried = got;
    source->ended = got < sizeof UTF8MARK;
    if (source->ended && got > 0) {
        // a source of one or two bytes: they are all the text there is
        source->end = utf8toansi(source->raw, got, source->text, sizeof source->text);
        source->carried = 0;
    }
    return !fileerror(file);
}

size_t sourceline(SourceText *source, char *line, int size)
{
    int used = 0;
    while (used < size - 1) {
        int c = nextbyte(source, false);
        if (c < 0) break;
        // CR LF is one line feed; a CR alone is a byte of the line, or the
        // line end of a source that has no line feed
        if (c == '\r' && source->crlines) c = '\n';
        else if (c == '\r' && nextbyte(source, true) == '\n') c = nextbyte(source, false);
        line[used++] = (char)c;
        if (c == '\n') break;
    }
    line[used] = '\0';
    return fileerror(source->file) ? 0 : (size_t)used;
}
