#include "dictionary/wordentries.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "common/checksum.h"
#include "common/codepage.h"
#include "common/text.h"
#include "dictionary/compile.h"
#include "dictionary/dictentry.h"

// The rebuild's reader tells the file's encoding, and its lines are then
// read as bytes for their places and checksums.  A line of the bytes is one
// or more lines of the reader's text (pieces of at most 7999 bytes, the last
// ending in its line feed), and it is a headword line when one of them is.

static const unsigned char UTF8MARK[3] = {0xEF, 0xBB, 0xBF};

// Four bytes of text as one word, and whether one of them is zero: the
// scans look at a word at a time, which costs a quarter of a byte at a time.
static uint32_t wordat(const char *text)
{
    const unsigned char *b = reinterpret_cast<const unsigned char *>(text);
    return (uint32_t)b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 | (uint32_t)b[3] << 24;
}

static bool haszerobyte(uint32_t word)
{
    return ((word - 0x01010101u) & ~word & 0x80808080u) != 0;
}

static const uint32_t EVERYBYTE = 0x01010101u;

// Where the next line feed is in length bytes of text, or length.
static size_t linefeedin(const char *text, size_t length)
{
    size_t at = 0;
    while (at + 4 <= length && !haszerobyte(wordat(text + at) ^ ('\n' * EVERYBYTE))) at += 4;
    while (at < length && text[at] != '\n') ++at;
    return at;
}

struct WordScan {
    SourceText source;  // only to tell the encoding
    WordLines bytes;
    char line[WORDLINEMOST + 1];
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

int nextwordline(WordLines *lines, char *line, size_t room, size_t *length)
{
    size_t used = 0;
    for (;;) {
        if (lines->at == lines->end) {
            const char *none;
            if (lines->ended || (nextwordbytes(lines, 0, &none), lines->at == lines->end)) break;
        }
        const char *start = lines->block + lines->at;
        size_t left = lines->end - lines->at;
        size_t upto = linefeedin(start, left);
        bool linefeed = upto < left;
        size_t take = linefeed ? upto + 1 : left;
        if (take > room - used) return -1;
        memcpy(line + used, start, take);
        used += take;
        lines->at += take;
        lines->offset += (uint32_t)take;
        if (linefeed) break;
    }
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
    if (w->count == w->room) {
        int room = w->room < 256 ? 256 : w->room * 2;
        WordEntry *entries = new (std::nothrow) WordEntry[room];
        if (!entries) return false;
        if (w->count > 0) memcpy(entries, w->entries, sizeof *entries * (size_t)w->count);
        delete[] w->entries;
        w->entries = entries;
        w->room = room;
    }
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

// What the rebuild's reader tells of a file of bytes below 128 alone, without
// reading it through: it can hold no byte-order mark and no UTF-8 sequence,
// so the reader takes it as ANSI.  Any other file is read through by the
// reader itself.  False when it could not be read.
static bool tellencoding(WordScan *s, WordFile *w, DataFile *file)
{
    bool high = false;
    for (;;) {
        size_t got = fileread(file, s->line, WORDLINEMOST);
        uint32_t any = 0;
        size_t at = 0;
        for (; at + 4 <= got; at += 4) any |= wordat(s->line + at);
        for (; at < got; ++at) any |= (unsigned char)s->line[at];
        high = (any & 0x80808080u) != 0;
        if (high || got < WORDLINEMOST) break;
    }
    if (fileerror(file)) return false;
    w->encoding = SOURCEANSI;
    if (!fileseek(file, 0, SEEK_SET)) return false;
    if (!high) return true;
    if (!startsource(&s->source, file)) return false;
    w->encoding = s->source.encoding;
    return true;
}

// The bytes of a line: whether it has a NUL byte, a byte above 127, and the
// marker, in one look.
static void lookat(const char *text, size_t length, bool *nul, bool *high, bool *marker)
{
    uint32_t first = (unsigned char)SOURCEMARKER[0] * EVERYBYTE;
    size_t size = strlen(SOURCEMARKER);
    uint32_t any = 0;
    *nul = *marker = false;
    size_t at = 0;
    for (; at + 4 <= length; at += 4) {
        uint32_t word = wordat(text + at);
        any |= word;
        *nul = *nul || haszerobyte(word);
        if (!*marker && haszerobyte(word ^ first))
            for (size_t i = at; i < at + 4 && !*marker; ++i)
                *marker = text[i] == SOURCEMARKER[0] && length - i >= size && memcmp(text + i, SOURCEMARKER, size) == 0;
    }
    for (; at < length; ++at) {
        any |= (unsigned char)text[at];
        *nul = *nul || text[at] == '\0';
        *marker = *marker || (length - at >= size && memcmp(text + at, SOURCEMARKER, size) == 0);
    }
    *high = (any & 0x80808080u) != 0;
}

// The lines are read as bytes, and only a line that holds the marker is
// turned into the reader's text to be cut into pieces as the compiler reads
// it: the marker is ASCII, so it is in the text only where it is in the
// bytes.  A NUL byte is one in either.
static WordFileRead scanentries(WordScan *s, WordFile *w, DataFile *file, WordStep step, void *context)
{
    if (!tellencoding(s, w, file)) return WORDFILEUNREADABLE;
    if (w->encoding == SOURCEUTF16) return WORDFILEUTF16;
    if (!startwordlines(&s->bytes, file, 0)) return WORDFILEUNREADABLE;
    WordEntry entry = {};
    bool inentry = false;
    for (;;) {
        uint32_t start = s->bytes.offset;
        size_t length = 0;
        int got = nextwordline(&s->bytes, s->line, WORDLINEMOST, &length);
        if (got < 0) return fileerror(file) ? WORDFILEUNREADABLE : WORDFILETOOLONG;
        if (got == 0) break;
        bool nul, high, marker;
        lookat(s->line, length, &nul, &high, &marker);
        if (nul) return WORDFILENUL;
        char *content = s->line;
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
        lookat(s->line, length, &nul, &high, &marker);
        if (nul) return WORDFILENUL;
        w->ascii = w->ascii && !high;
        // the line in UTF-8, ended by a line feed
        const char *utf8 = content;
        size_t size = length;
        if (high && w->encoding == SOURCEANSI) {
            size = ansitoutf8(content, length, s->utf8, sizeof s->utf8 - 2);
            utf8 = s->utf8;
        }
        content[length] = '\0';
        bool headword = marker && isheadwordline(content);
        if (headword) {
            // the line as the reader gives it: in ANSI, CR LF as LF
            size_t textlength = length;
            if (high && w->encoding == SOURCEUTF8)
                textlength = utf8toansi(content, length, s->text, sizeof s->text - 1);
            else
                memcpy(s->text, content, length);
            if (linefeed) s->text[textlength++] = '\n';
            headword = headwordof(s, s->text, textlength, s->nextword);
        }
        if (headword) {
            if (inentry && !addentry(s, w, entry, step, context)) return WORDFILEUNREADABLE;
            copytext(s->word, WORDSIZE, s->nextword);
            entry.at = start;
            // the headword cut from the line in UTF-8, as the store's is from its text
            if (utf8 != s->utf8) memcpy(s->utf8, content, length);
            uint64_t line = linechecksum(s->utf8, size);
            entry.text = checksumadd(CHECKSUMSTART, &line, sizeof line);
            s->utf8[size] = '\n';
            s->utf8[size + 1] = '\0';
            cutheadword(s->utf8);
            entry.word = checksumadd(CHECKSUMSTART, s->utf8, strlen(s->utf8));
            inentry = true;
        } else if (inentry) {
            uint64_t line = linechecksum(utf8, size);
            entry.text = checksumadd(entry.text, &line, sizeof line);
        }
        if (inentry) entry.length = s->bytes.offset - entry.at;
    }
    if (!inentry) return WORDFILENOHEADWORD;
    return addentry(s, w, entry, step, context) ? WORDFILEREAD : WORDFILEUNREADABLE;
}

// Gives back the room the entries grew by, and sorts them by headword.
static bool sortentries(WordFile *w)
{
    WordEntry *entries = new (std::nothrow) WordEntry[w->count];
    if (!entries) return false;
    memcpy(entries, w->entries, sizeof *entries * (size_t)w->count);
    delete[] w->entries;
    w->entries = entries;
    w->room = w->count;
    w->byword = new (std::nothrow) int32_t[w->count > 0 ? w->count : 1];
    if (!w->byword) return false;
    for (int i = 0; i < w->count; ++i) w->byword[i] = i;
    const WordEntry *e = w->entries;
    std::sort(w->byword, w->byword + w->count, [e](int32_t a, int32_t b) {
        return e[a].word != e[b].word ? e[a].word < e[b].word : e[a].nth < e[b].nth;
    });
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
    if (read == WORDFILEREAD && !sortentries(w)) read = WORDFILEUNREADABLE;
    return read;
}

int findwordentry(const WordFile *w, uint64_t word, int nth)
{
    if (!w->byword) return -1;
    const WordEntry *e = w->entries;
    const int32_t *begin = w->byword, *end = w->byword + w->count;
    const int32_t *found = std::lower_bound(begin, end, 0, [e, word, nth](int32_t a, int) {
        return e[a].word != word ? e[a].word < word : e[a].nth < nth;
    });
    return found != end && e[*found].word == word && e[*found].nth == nth ? *found : -1;
}

void freewordfile(WordFile *w)
{
    delete[] w->entries;
    delete[] w->byword;
    w->entries = nullptr;
    w->byword = nullptr;
    w->count = 0;
    w->room = 0;
}
