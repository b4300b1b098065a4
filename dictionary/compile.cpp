#include "dictionary/compile.h"

#include <cstring>
#include <new>

#include "dictionary/sourcetext.h"
#include "dictionary/store.h"
#include "common/text.h"

const char SOURCEMARKER[] = "marvoc";

static bool isblank(char c) { return c == ' ' || c == '\t'; }

// A line that holds the marker anywhere is a headword line.  The marker is
// meant to stand at its end after one space: the word is the line less its
// last 7 characters (the marker and the line feed), less one trailing space.
// Blanks after a marker that ends the line are not seen in an editor, so they
// are taken away first.  The cut is made wherever the marker stands, and a
// line shorter than 7 characters (the marker alone on a last line without a
// line feed) leaves an empty word.
void cutheadword(char *line)
{
    size_t length = strlen(line);
    bool linefeed = length > 0 && line[length - 1] == '\n';
    size_t text = length - (linefeed ? 1 : 0);
    size_t kept = text;
    while (kept > 0 && isblank(line[kept - 1])) --kept;
    if (kept < text && kept >= sizeof SOURCEMARKER - 1 && memcmp(line + kept - (sizeof SOURCEMARKER - 1), SOURCEMARKER, sizeof SOURCEMARKER - 1) == 0) {
        if (linefeed) line[kept++] = '\n';
        line[kept] = '\0';
        length = kept;
    }
    length = length > 7 ? length - 7 : 0;
    if (length > 0 && line[length - 1] == ' ') --length;
    line[length] = '\0';
}

bool isheadwordline(const char *line)
{
    return strstr(line, SOURCEMARKER) != nullptr;
}

// A meaning line ends in CR LF in the store; a last line without a line feed
// is taken as it is.  What does not fit the meaning field is cut off.  used
// is the meaning's length so far, so that no line has to measure it again;
// full is set once the meaning is cut, and nothing is taken after that.
static void appendmeaningline(const char *line, size_t length, size_t *used, bool *full)
{
    if (*full) return;
    bool linefeed = length > 0 && line[length - 1] == '\n';
    if (linefeed) --length;
    size_t room = (size_t)MEANINGSIZE - 1 - *used;
    size_t taken = length < room ? length : room;
    memcpy(entrybuffer.meaning + *used, line, taken);
    *used += taken;
    // a line end goes in whole or not at all: never a lone CR at the cut, and
    // never the next line's bytes glued to a line whose end was left out
    if (linefeed && *used + 2 < (size_t)MEANINGSIZE) {
        memcpy(entrybuffer.meaning + *used, "\r\n", 2);
        *used += 2;
    } else if (taken < length || linefeed) {
        *full = true;
    }
    entrybuffer.meaning[*used] = '\0';
}

static bool writeentry(DataFile *store, RecordStep step, void *context)
{
    entrybuffer.level = LevelVeryHard;
    if (step) step(&entrybuffer, context);
    return filewrite(store, &entrybuffer, RECORDSIZE) == (size_t)RECORDSIZE;
}

// Reads the source line by line into the new store.  Lines before the first
// headword line belong to no entry and are skipped.
Compiled compilesource(SourceText *source, DataFile *store, RecordStep step, void *context)
{
    char line[SOURCELINESIZE];
    bool inentry = false;
    size_t used = 0;    // the length of the meaning so far
    bool full = false;  // the meaning is cut at its field
    while (size_t length = sourceline(source, line, SOURCELINESIZE)) {
        // A NUL byte would hide the rest of its line, marker and line feed
        // included: such a source is not text and would lose entries.
        if (memchr(line, '\0', length) != nullptr) return READFAILED;
        if (isheadwordline(line)) {
            cutheadword(line);
            if (inentry && !writeentry(store, step, context)) return WRITEFAILED;
            memset(&entrybuffer, 0, sizeof entrybuffer);
            copytext(entrybuffer.word, WORDSIZE, line);
            used = 0;
            full = false;
            inentry = true;
        } else if (inentry) {
            appendmeaningline(line, length, &used, &full);
        }
    }
    if (fileerror(source->file)) return READFAILED;
    if (!inentry) return NOENTRY;
    return writeentry(store, step, context) ? COMPILED : WRITEFAILED;
}

// The source is read in binary, so that no byte of it (a Ctrl-Z, a CR) ends
// or changes it unseen; sourcetext.h turns it into the lines of text.
Compiled compilefiles(const char *sourcepath, const char *storepath, RecordStep step, void *context)
{
    DataFile *file = fileopen(sourcepath, "rb");
    if (!file) return NOSOURCE;
    SourceText *source = new (std::nothrow) SourceText;
    Compiled compiled = READFAILED;
    if (source && startsource(source, file))
        compiled = source->encoding == SOURCEUTF16 ? UTF16SOURCE : COMPILED;
    if (compiled != COMPILED) {
        delete source;
        fileclose(file);
        return compiled;
    }
    DataFile *store = fileopen(storepath, "wb");
    if (store) {
        compiled = compilesource(source, store, step, context);
        if (!fileflush(store) && compiled == COMPILED) compiled = WRITEFAILED;
        if (!fileclose(store) && compiled == COMPILED) compiled = WRITEFAILED;
    } else {
        compiled = WRITEFAILED;
    }
    delete source;
    fileclose(file);
    return compiled;
}
