#include "dictionary/wordentries.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "common/checksum.h"
#include "common/codepage.h"
#include "common/text.h"
#include "dictionary/compile.h"
#include "dictionary/dictentry.h"

// The file is read twice side by side: by the rebuild's reader, which tells
// its encoding, refuses what the rebuild refuses and finds the headword
// lines and their words as the store takes them, and as bytes, line by line,
// for the places and the checksums.  A line of the bytes is one or more
// pieces of the reader's, the last ending in its line feed, so the two keep
// step; a line is a headword line when a piece of it is one.

static const unsigned char UTF8MARK[3] = {0xEF, 0xBB, 0xBF};

struct WordScan {
    SourceText source;
    WordLines bytes;
    char line[WORDLINEMOST];
    char utf8[3 * WORDLINEMOST + 2];
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
        const char *linefeed = static_cast<const char *>(memchr(start, '\n', left));
        size_t take = linefeed ? (size_t)(linefeed - start) + 1 : left;
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

// Reads the reader's pieces of the line just read: false for a NUL byte.
static bool readpieces(WordScan *s, bool *headword)
{
    *headword = false;
    for (;;) {
        size_t got = sourceline(&s->source, s->piece, SOURCELINESIZE);
        if (got == 0) return true;
        if (memchr(s->piece, '\0', got) != nullptr) return false;
        if (!*headword && isheadwordline(s->piece)) {
            cutheadword(s->piece);
            copytext(s->nextword, WORDSIZE, s->piece);
            *headword = true;
        }
        if (s->piece[got - 1] == '\n') return true;
    }
}

static WordFileRead scanentries(WordScan *s, WordFile *w, DataFile *text, DataFile *bytes, WordStep step,
                                void *context)
{
    if (!startsource(&s->source, text)) return WORDFILEUNREADABLE;
    w->encoding = s->source.encoding;
    if (w->encoding == SOURCEUTF16) return WORDFILEUTF16;
    if (!startwordlines(&s->bytes, bytes, 0)) return WORDFILEUNREADABLE;
    WordEntry entry = {};
    bool inentry = false;
    for (;;) {
        uint32_t start = s->bytes.offset;
        size_t length = 0;
        int got = nextwordline(&s->bytes, s->line, WORDLINEMOST, &length);
        if (got < 0) return fileerror(bytes) ? WORDFILEUNREADABLE : WORDFILETOOLONG;
        if (got == 0) break;
        w->sum = checksumadd(w->sum, s->line, length);
        bool headword;
        if (!readpieces(s, &headword)) return WORDFILENUL;
        if (fileerror(text)) return WORDFILEUNREADABLE;
        const char *content = s->line;
        if (start == 0 && w->encoding == SOURCEUTF8 && length >= 3 && memcmp(content, UTF8MARK, 3) == 0) {
            content += 3;
            length -= 3;
            start = 3;  // the byte-order mark is no part of the first entry
        }
        if (length > 0 && content[length - 1] == '\n') {
            --length;
            bool cr = length > 0 && content[length - 1] == '\r';
            if (!w->lineend) w->crlf = cr;
            w->lineend = true;
            if (cr) --length;
        }
        for (size_t i = 0; i < length && w->ascii; ++i) w->ascii = (unsigned char)content[i] < 0x80;
        // the line in UTF-8, ended by a line feed
        size_t size = length;
        if (w->encoding == SOURCEANSI)
            size = ansitoutf8(content, length, s->utf8, sizeof s->utf8 - 2);
        else
            memcpy(s->utf8, content, length);
        s->utf8[size++] = '\n';
        s->utf8[size] = '\0';
        if (headword) {
            if (inentry && !addentry(s, w, entry, step, context)) return WORDFILEUNREADABLE;
            copytext(s->word, WORDSIZE, s->nextword);
            entry.at = start;
            entry.text = checksumadd(CHECKSUMSTART, s->utf8, size);
            cutheadword(s->utf8);
            entry.word = checksumadd(CHECKSUMSTART, s->utf8, strlen(s->utf8));
            inentry = true;
        } else if (inentry) {
            entry.text = checksumadd(entry.text, s->utf8, size);
        }
        if (inentry) entry.length = s->bytes.offset - entry.at;
    }
    // both readings end together
    if (sourceline(&s->source, s->piece, SOURCELINESIZE) != 0 || fileerror(text)) return WORDFILEUNREADABLE;
    if (!inentry) return WORDFILENOHEADWORD;
    return addentry(s, w, entry, step, context) ? WORDFILEREAD : WORDFILEUNREADABLE;
}

static bool sortentries(WordFile *w)
{
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
    w->sum = CHECKSUMSTART;
    long long size = 0;
    if (!filesize(path, &size)) return WORDFILEMISSING;
    if (size > WORDFILEMOST) return WORDFILETOOLONG;
    WordScan *s = new (std::nothrow) WordScan;
    if (!s) return WORDFILEUNREADABLE;
    s->seen = nullptr;
    s->seencount = nullptr;
    s->seenroom = 0;
    s->seenused = 0;
    DataFile *text = fileopen(path, "rb");
    DataFile *bytes = text ? fileopen(path, "rb") : nullptr;
    WordFileRead read = bytes ? scanentries(s, w, text, bytes, step, context) : WORDFILEUNREADABLE;
    // both closed, whatever the first close says
    bool closed = !bytes || fileclose(bytes);
    if (text && !fileclose(text)) closed = false;
    if (!closed && read == WORDFILEREAD) read = WORDFILEUNREADABLE;
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

bool wordfilesum(const char *path, uint64_t *sum)
{
    DataFile *file = fileopen(path, "rb");
    if (!file) return false;
    WordLines *lines = new (std::nothrow) WordLines;
    bool read = lines != nullptr;
    *sum = CHECKSUMSTART;
    if (lines) {
        do {
            size_t got = fileread(file, lines->block, sizeof lines->block);
            *sum = checksumadd(*sum, lines->block, got);
            read = got == sizeof lines->block;
        } while (read);
        read = !fileerror(file);
    }
    delete lines;
    return fileclose(file) && read;
}
