#include "dictionary/wordentries.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "common/blocks.h"
#include "common/checksum.h"
#include "common/codepage.h"
#include "common/littleendian.h"
#include "common/text.h"
#include "dictionary/compile.h"
#include "dictionary/dictentry.h"

// The lines are read as bytes for their places and checksums, and the
// rebuild's reader tells the file's encoding.  A line of the bytes is one
// or more lines of the reader's text (pieces of at most 7999 bytes, the last
// ending in its line feed), and it is a headword line when one of them is.

static const unsigned char UTF8MARK[3] = {0xEF, 0xBB, 0xBF};

// Four bytes of text as one word, and whether one of them is zero: the
// scans look at a word at a time, which costs a quarter of a byte at a time.
static uint32_t wordat(const char *text)
{
    return decodele32(reinterpret_cast<const unsigned char *>(text));
}

static bool haszerobyte(uint32_t word)
{
    return ((word - 0x01010101u) & ~word & 0x80808080u) != 0;
}

static const uint32_t EVERYBYTE = 0x01010101u;
static const size_t MARKERSIZE = strlen(SOURCEMARKER);

// Whether the marker begins at one of the four bytes from at (none of them a
// line feed), of the left bytes there are.
static bool markerfrom(const char *text, size_t at, size_t left)
{
    size_t size = MARKERSIZE;
    for (size_t i = at; i < at + 4 && i < left; ++i)
        if (text[i] == SOURCEMARKER[0] && left - i >= size && memcmp(text + i, SOURCEMARKER, size) == 0) return true;
    return false;
}

// Where the line feed is in the left bytes from start (left when none), with
// a look at the bytes before it on the way: the line's whole look when it
// lies in the block whole.
static size_t scanline(WordLines *lines, const char *start, size_t left)
{
    const uint32_t first = (unsigned char)SOURCEMARKER[0] * EVERYBYTE, linefeeds = '\n' * EVERYBYTE;
    uint32_t any = 0, zeros = 0;
    bool marker = false;
    size_t at = 0;
    for (; at + 4 <= left; at += 4) {
        uint32_t word = wordat(start + at);
        if (haszerobyte(word ^ linefeeds)) break;
        any |= word;
        zeros |= (word - EVERYBYTE) & ~word;
        if (haszerobyte(word ^ first) && !marker) marker = markerfrom(start, at, left);
    }
    bool nul = (zeros & 0x80808080u) != 0;
    for (; at < left && start[at] != '\n'; ++at) {
        any |= (unsigned char)start[at];
        nul = nul || start[at] == '\0';
        marker = marker || (start[at] == SOURCEMARKER[0] && left - at >= MARKERSIZE &&
                            memcmp(start + at, SOURCEMARKER, MARKERSIZE) == 0);
    }
    lines->nul = nul;
    lines->high = (any & 0x80808080u) != 0;
    lines->marker = marker;
    return at;
}

struct WordScan {
    SourceText source;  // only to tell the encoding
    bool told;          // it has told it
    WordLines bytes;
    char line[WORDLINEMOST];
    char utf8[3 * WORDLINEMOST + 2];
    char text[WORDLINEMOST + 1];  // a headword line as the reader gives it
    char piece[SOURCELINESIZE];
    char word[WORDSIZE];      // the headword of the entry being read, as the store takes it
    char nextword[WORDSIZE];  // that of the headword line just read
    // how many entries of each headword came so far: an open table by checksum
    uint64_t *seen;
    int32_t *seencount;       // 0 for a free place
    size_t seenroom;
    size_t seenused;
};

bool startwordlines(WordLines *lines, DataFile *file, uint32_t offset)
{
    lines->file = file;
    lines->offset = offset;
    lines->at = 0;
    lines->end = 0;
    lines->ended = false;
    return fileseek(file, (long)offset, SEEK_SET);
}

size_t nextwordbytes(WordLines *lines, size_t most, const char **bytes)
{
    if (lines->at == lines->end && !lines->ended) {
        size_t got = fileread(lines->file, lines->block, sizeof lines->block);
        lines->ended = got < sizeof lines->block;
        lines->at = 0;
        lines->end = got;
    }
    size_t left = lines->end - lines->at;
    size_t take = left < most ? left : most;
    *bytes = lines->block + lines->at;
    lines->at += take;
    lines->offset += (uint32_t)take;
    return take;
}

int nextwordline(WordLines *lines, char *room, size_t size, const char **line, size_t *length)
{
    size_t used = 0;
    *line = room;
    for (;;) {
        if (lines->at == lines->end) {
            const char *none;
            if (lines->ended || (nextwordbytes(lines, 0, &none), lines->at == lines->end)) break;
        }
        const char *start = lines->block + lines->at;
        size_t left = lines->end - lines->at;
        size_t upto = scanline(lines, start, left);
        bool linefeed = upto < left;
        size_t take = linefeed ? upto + 1 : left;
        if (take > size - used) return -1;
        lines->at += take;
        lines->offset += (uint32_t)take;
        if (used == 0 && linefeed) {
            *line = start;  // the whole line lies in the block
            used = take;
            break;
        }
        memcpy(room + used, start, take);
        used += take;
        if (linefeed) break;
    }
    // a line read from two blocks is looked at again whole, up to its line feed
    if (*line == room) scanline(lines, room, used);
    *length = used;
    if (fileerror(lines->file)) return -1;
    return used > 0 ? 1 : 0;
}

// The nth entry of this headword that the file holds so far, counted.
static bool countword(WordScan *s, uint64_t word, int32_t *nth)
{
    if ((s->seenused + 1) * 2 > s->seenroom) {
        size_t room = s->seenroom < 1024 ? 1024 : s->seenroom * 2;
        uint64_t *seen = new (std::nothrow) uint64_t[room];
        int32_t *counts = new (std::nothrow) int32_t[room]();
        if (!seen || !counts) {
            delete[] seen;
            delete[] counts;
            return false;
        }
        for (size_t i = 0; i < s->seenroom; ++i) {
            if (s->seencount[i] == 0) continue;
            size_t at = (size_t)(s->seen[i] ^ (s->seen[i] >> 32)) & (room - 1);
            while (counts[at] != 0) at = (at + 1) & (room - 1);
            seen[at] = s->seen[i];
            counts[at] = s->seencount[i];
        }
        delete[] s->seen;
        delete[] s->seencount;
        s->seen = seen;
        s->seencount = counts;
        s->seenroom = room;
    }
    size_t at = (size_t)(word ^ (word >> 32)) & (s->seenroom - 1);
    while (s->seencount[at] != 0 && s->seen[at] != word) at = (at + 1) & (s->seenroom - 1);
    if (s->seencount[at] == 0) {
        s->seen[at] = word;
        ++s->seenused;
    }
    *nth = s->seencount[at]++;
    return true;
}

static bool addentry(WordScan *s, WordFile *w, WordEntry entry, WordStep step, void *context)
{
    if (!countword(s, entry.word, &entry.nth)) return false;
    size_t room = (size_t)w->room;
    if (!growitems(&w->entries, &room, (size_t)w->count, 1, 256)) return false;
    w->room = room < (size_t)INT32_MAX ? (int)room : INT32_MAX;
    w->entries[w->count] = entry;
    if (step) step(w, w->count, s->word, context);
    ++w->count;
    return true;
}

// Whether the line (its bytes as the rebuild's reader gives them, its line
// feed with it) is a headword line, as the compiler reads it in pieces: one
// of its pieces holds the marker.  Its headword then, as the store takes it.
static bool headwordof(WordScan *s, const char *line, size_t length, char *word)
{
    for (size_t at = 0; at < length; at += SOURCELINESIZE - 1) {
        size_t size = length - at < (size_t)SOURCELINESIZE - 1 ? length - at : (size_t)SOURCELINESIZE - 1;
        memcpy(s->piece, line + at, size);
        s->piece[size] = '\0';
        if (!isheadwordline(s->piece)) continue;
        cutheadword(s->piece);
        copytext(word, WORDSIZE, s->piece);
        return true;
    }
    return false;
}

// The encoding, told by the rebuild's reader once a byte above 127 is met:
// a file of lower bytes alone can hold no byte-order mark and no UTF-8
// sequence, so the reader takes it as ANSI, and up to that byte the text is
// the same in either encoding.  The reader reads the file through and back
// to its start; the lines then go on where they were.  False when it could
// not be read.
static bool tellencoding(WordScan *s, WordFile *w, DataFile *file)
{
    if (!fileseek(file, 0, SEEK_SET) || !startsource(&s->source, file)) return false;
    w->encoding = s->source.encoding;
    s->told = true;
    return fileseek(file, (long)(s->bytes.offset + (s->bytes.end - s->bytes.at)), SEEK_SET);
}

// The lines are read as bytes, and only a line that holds the marker is
// turned into the reader's text to be cut into pieces as the compiler reads
// it: the marker is ASCII, so it is in the text only where it is in the
// bytes.  A NUL byte is one in either.
static WordFileRead scanentries(WordScan *s, WordFile *w, DataFile *file, WordStep step, void *context)
{
    w->encoding = SOURCEANSI;
    s->told = false;
    if (!startwordlines(&s->bytes, file, 0)) return WORDFILEUNREADABLE;
    WordEntry entry = {};
    bool inentry = false;
    for (;;) {
        uint32_t start = s->bytes.offset;
        const char *content;
        size_t length = 0;
        int got = nextwordline(&s->bytes, s->line, sizeof s->line, &content, &length);
        if (got < 0) return fileerror(file) ? WORDFILEUNREADABLE : WORDFILETOOLONG;
        if (got == 0) break;
        bool nul = s->bytes.nul, high = s->bytes.high, marker = s->bytes.marker;
        if (high && !s->told) {
            if (!tellencoding(s, w, file)) return WORDFILEUNREADABLE;
            if (w->encoding == SOURCEUTF16) return WORDFILEUTF16;
        }
        if (nul) return WORDFILENUL;
        if (start == 0 && w->encoding == SOURCEUTF8 && length >= 3 && memcmp(content, UTF8MARK, 3) == 0) {
            content += 3;
            length -= 3;
            start = 3;  // the byte-order mark is no part of the first entry
        }
        bool linefeed = length > 0 && content[length - 1] == '\n';
        if (linefeed) {
            --length;
            bool cr = length > 0 && content[length - 1] == '\r';
            if (!w->lineend) w->crlf = cr;
            w->lineend = true;
            if (cr) --length;
        }
        w->ascii = w->ascii && !high;
        // the line in UTF-8, without its line end
        const char *utf8 = content;
        size_t size = length;
        if (high && w->encoding == SOURCEANSI) {
            size = ansitoutf8(content, length, s->utf8, sizeof s->utf8 - 2);
            utf8 = s->utf8;
        }
        bool headword = false;
        size_t textlength = length;
        if (marker) {
            // the line as the reader gives it: in ANSI, CR LF as LF
            if (high && w->encoding == SOURCEUTF8)
                textlength = utf8toansi(content, length, s->text, sizeof s->text - 1);
            else
                memcpy(s->text, content, length);
            if (linefeed) s->text[textlength++] = '\n';
            headword = headwordof(s, s->text, textlength, s->nextword);
        }
        uint64_t line = linechecksum(utf8, size);
        if (headword) {
            if (inentry && !addentry(s, w, entry, step, context)) return WORDFILEUNREADABLE;
            copytext(s->word, WORDSIZE, s->nextword);
            entry.at = start;
            entry.text = checksumjoin(CHECKSUMSTART, line);
            // the headword cut from the line in UTF-8 with its line feed, as the
            // store's is from its text: the same when that is the line in one
            // piece, of bytes below 128, its word not cut at the field
            size_t cut = strlen(s->nextword);
            if (high || !linefeed || textlength >= (size_t)SOURCELINESIZE - 1 || cut >= (size_t)WORDSIZE - 1) {
                if (utf8 != s->utf8) memcpy(s->utf8, content, length);
                s->utf8[size] = '\n';
                s->utf8[size + 1] = '\0';
                cutheadword(s->utf8);
                entry.word = checksumadd(CHECKSUMSTART, s->utf8, strlen(s->utf8));
            } else {
                entry.word = checksumadd(CHECKSUMSTART, s->nextword, cut);
            }
            inentry = true;
        } else if (inentry) {
            entry.text = checksumjoin(entry.text, line);
        }
        if (inentry) entry.length = s->bytes.offset - entry.at;
    }
    if (!inentry) return WORDFILENOHEADWORD;
    return addentry(s, w, entry, step, context) ? WORDFILEREAD : WORDFILEUNREADABLE;
}

static uint32_t slotof(uint64_t word, int nth, uint32_t mask)
{
    uint64_t h = (word ^ (uint64_t)(uint32_t)nth * 0x9E3779B97F4A7C15ull);
    return (uint32_t)(h ^ (h >> 32)) & mask;
}

// Gives back the room the entries grew by, and makes the table by headword.
static bool indexentries(WordFile *w)
{
    WordEntry *entries = static_cast<WordEntry *>(newblock((size_t)w->count, sizeof(WordEntry)));
    if (!entries) return false;
    if (w->count > 0) memcpy(entries, w->entries, sizeof *entries * (size_t)w->count);
    freeblock(w->entries);
    w->entries = entries;
    w->room = w->count;
    uint32_t size = 64;
    while (size < 2u * (uint32_t)w->count) size *= 2;
    w->index = new (std::nothrow) int32_t[size];
    if (!w->index) return false;
    std::fill(w->index, w->index + size, -1);
    w->indexmask = size - 1;
    for (int i = 0; i < w->count; ++i) {
        uint32_t at = slotof(entries[i].word, entries[i].nth, w->indexmask);
        while (w->index[at] >= 0) at = (at + 1) & w->indexmask;
        w->index[at] = i;
    }
    return true;
}

WordFileRead readwordfile(const char *path, WordFile *w, WordStep step, void *context)
{
    memset(w, 0, sizeof *w);
    w->ascii = true;
    long long size = 0;
    if (!filesize(path, &size)) return WORDFILEMISSING;
    if (size > WORDFILEMOST) return WORDFILETOOLONG;
    WordScan *s = new (std::nothrow) WordScan;
    if (!s) return WORDFILEUNREADABLE;
    s->seen = nullptr;
    s->seencount = nullptr;
    s->seenroom = 0;
    s->seenused = 0;
    DataFile *file = fileopen(path, "rb");
    WordFileRead read = file ? scanentries(s, w, file, step, context) : WORDFILEUNREADABLE;
    if (file && !fileclose(file) && read == WORDFILEREAD) read = WORDFILEUNREADABLE;
    delete[] s->seen;
    delete[] s->seencount;
    delete s;
    if (read == WORDFILEREAD && !indexentries(w)) read = WORDFILEUNREADABLE;
    return read;
}

int findwordentry(const WordFile *w, uint64_t word, int nth)
{
    if (!w->index) return -1;
    for (uint32_t at = slotof(word, nth, w->indexmask);; at = (at + 1) & w->indexmask) {
        int32_t i = w->index[at];
        if (i < 0 || (w->entries[i].word == word && w->entries[i].nth == nth)) return i;
    }
}

void freewordfile(WordFile *w)
{
    freeblock(w->entries);
    delete[] w->index;
    w->entries = nullptr;
    w->index = nullptr;
    w->count = 0;
    w->room = 0;
}
