#include "dictionary/studylog.h"

#include <cstdio>
#include <cstring>

#include "dictionary/dictentry.h"
#include "dictionary/fileio.h"
#include "dictionary/levels.h"
#include "dictionary/studydate.h"

const char STUDYLOG[] = "studylog.txt";

// The longest line that can be one: a date, a headword, a level, "not yet",
// three tabs and the line end, with room to spare.  A longer one is damaged.
static const size_t LINEMOST = 160;
static const size_t LOGPIECE = 65536;

static bool readlevelfield(const char *text, size_t length, int *level)
{
    if (length == 0 || length > 3) return false;
    int value = 0;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    *level = value;
    return isdifficultylevel(value);
}

// The date is the first field and the level and the grade the last two, so
// a headword that holds a tab is read whole.
bool readstudyline(const char *line, size_t length, char *words, StudyLine *read)
{
    const char *first = (const char *)memchr(line, '\t', length);
    if (first == nullptr) return false;
    const char *last = nullptr, *beforelast = nullptr;
    for (const char *c = line + length; c > first + 1;) {
        --c;
        if (*c != '\t') continue;
        if (last == nullptr) {
            last = c;
        } else {
            beforelast = c;
            break;
        }
    }
    if (beforelast == nullptr) return false;
    size_t wordlength = (size_t)(beforelast - first - 1);
    if (wordlength == 0 || wordlength >= (size_t)WORDSIZE || memchr(first + 1, '\0', wordlength) != nullptr)
        return false;
    const char *grade = last + 1;
    size_t gradelength = (size_t)(line + length - grade);
    bool knew = gradelength == strlen(KNEWTEXT) && memcmp(grade, KNEWTEXT, gradelength) == 0;
    bool notyet = gradelength == strlen(NOTYETTEXT) && memcmp(grade, NOTYETTEXT, gradelength) == 0;
    if (!knew && !notyet) return false;
    if (!readdate(line, (size_t)(first - line), &read->day)) return false;
    if (!readlevelfield(beforelast + 1, (size_t)(last - beforelast - 1), &read->level)) return false;
    memcpy(words, first + 1, wordlength);
    words[wordlength] = '\0';
    read->word = words;
    read->knew = knew;
    return true;
}

struct LineReader {
    char line[LINEMOST];
    size_t length;
    bool overlong;  // the line has gone past LINEMOST: damaged, passed over
    char words[WORDSIZE];
    void (*online)(const StudyLine &, void *);
    void *context;
};

static void endline(LineReader *r)
{
    size_t length = r->length;
    if (length > 0 && r->line[length - 1] == '\r') --length;
    StudyLine read;
    if (!r->overlong && readstudyline(r->line, length, r->words, &read)) r->online(read, r->context);
    r->length = 0;
    r->overlong = false;
}

static void takebytes(LineReader *r, const char *bytes, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        if (bytes[i] == '\n') {
            endline(r);
        } else if (r->length < LINEMOST) {
            r->line[r->length++] = bytes[i];
        } else {
            r->overlong = true;
        }
    }
}

bool readstudylog(const char *path, void (*online)(const StudyLine &line, void *context), void *context)
{
    long long size = 0;
    if (!filesize(path, &size)) return true;
    DataFile *log = fileopen(path, "rb");
    if (log == nullptr) return false;
    static LineReader reader;
    reader.length = 0;
    reader.overlong = false;
    reader.online = online;
    reader.context = context;
    static char piece[LOGPIECE];
    for (;;) {
        size_t got = fileread(log, piece, sizeof piece);
        takebytes(&reader, piece, got);
        if (got < sizeof piece) break;
    }
    bool whole = !fileerror(log);
    // the last line, if the log does not end in a line end; not when a read
    // failed, as it may be only part of a line
    if (whole && reader.length > 0) endline(&reader);
    return fileclose(log) && whole;
}

// True when the log is empty or not there, or ends in a line end; false
// when its last line was left without one, or the log could not be read.
static bool endsinlineend(const char *path)
{
    long long size = 0;
    if (!filesize(path, &size) || size == 0) return true;
    DataFile *log = fileopen(path, "rb");
    if (log == nullptr) return false;
    char last = '\0';
    bool read = fileseek(log, -1, SEEK_END) && fileread(log, &last, 1) == 1;
    fileclose(log);
    return read && last == '\n';
}

bool appendstudyline(const char *path, long day, const char *word, int level, bool knew)
{
    char date[DATESIZE];
    writedate(day, date);
    char line[LINEMOST + 2];
    int length = snprintf(line, sizeof line, "%s%s\t%s\t%d\t%s\r\n", endsinlineend(path) ? "" : "\r\n", date,
                          word, level, knew ? KNEWTEXT : NOTYETTEXT);
    if (length < 0 || (size_t)length >= sizeof line) return false;
    DataFile *log = fileopen(path, "ab");
    if (log == nullptr) return false;
    bool written = filewrite(log, line, (size_t)length) == (size_t)length && fileflush(log);
    bool closed = fileclose(log);
    return written && closed;
}
