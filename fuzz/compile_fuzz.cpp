// The rebuild's compiler of the text source: any bytes as "orlavexdic.txt".
//
// Whatever the source holds, a UTF-16 one is refused, and so is one with a
// NUL byte; otherwise the new store is whole records, each unmarked at level
// 3 with its word and meaning ended by a NUL inside their fields and zero
// bytes after it.  Of an ANSI source (each CR LF read as LF), there is one
// record for each line (or 7999-byte piece of a longer line) that holds the
// marker, its word is the start of its line, and its meaning the lines after
// it joined with CR LF, cut only at its field and never glued to a line
// whose end was left out.
#include <cstring>
#include <string>
#include <vector>

#include "common/codepage.h"
#include "dictionary/compile.h"
#include "dictionary/dictentry.h"
#include "fuzz/fuzzfolder.h"
#include "tests/support/files.h"

static const char SOURCE[] = "orlavexdic.txt";
static const char STORE[] = "dicbin.tmp";

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    enterscratch("compile");
    return 0;
}

struct Entry {
    std::string line;     // the piece that holds the marker
    std::string meaning;  // the pieces after it, each line feed as CR LF
};

// The pieces the source is read in: up to a line feed, at most 7999 bytes.
static std::vector<Entry> headwordpieces(const std::string &source)
{
    std::vector<Entry> pieces;
    size_t at = 0;
    while (at < source.size()) {
        size_t end = source.find('\n', at);
        size_t length = end == std::string::npos ? source.size() - at : end - at + 1;
        if (length > 7999) length = 7999;
        std::string piece = source.substr(at, length);
        at += length;
        if (piece.find("marvoc") != std::string::npos) pieces.push_back({piece, ""});
        else if (!pieces.empty()) pieces.back().meaning += piece.back() == '\n' ? piece.erase(length - 1) + "\r\n" : piece;
    }
    return pieces;
}

// Read as UTF-8: with its byte-order mark, or bytes above 127 all in valid
// sequences.  Its bytes in the store are then not those of the source.
static bool utf8source(const std::string &source)
{
    if (source.compare(0, 3, "\xEF\xBB\xBF") == 0) return true;
    const unsigned char *text = (const unsigned char *)source.data();
    bool high = false;
    for (size_t at = 0; at < source.size();) {
        unsigned long codepoint;
        size_t size = utf8sequence(text + at, source.size() - at, &codepoint);
        if (size == 0) return false;
        high = high || size > 1;
        at += size;
    }
    return high;
}

// The source with each CR LF as LF; one with no LF at all has a CR at each line end.
static std::string withoutcrlf(const std::string &source)
{
    bool crlines = source.find('\n') == std::string::npos;
    std::string text;
    for (size_t i = 0; i < source.size(); ++i)
        if (crlines && source[i] == '\r') text += '\n';
        else if (!(source[i] == '\r' && i + 1 < source.size() && source[i + 1] == '\n')) text += source[i];
    return text;
}

static bool zeroafternul(const char *field, size_t size)
{
    const char *nul = (const char *)memchr(field, '\0', size);
    if (nul == nullptr) return false;
    for (const char *c = nul; c < field + size; ++c)
        if (*c != '\0') return false;
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string source((const char *)data, size);
    writebytes(SOURCE, data, size);
    remove(STORE);
    Compiled compiled = compilefiles(SOURCE, STORE);

    std::string store = readwholefile(STORE);
    if (source.compare(0, 2, "\xFF\xFE") == 0 || source.compare(0, 2, "\xFE\xFF") == 0) {
        REQUIRE(compiled == UTF16SOURCE && store.empty(), "a UTF-16 source is refused");
        return 0;
    }
    if (source.find('\0') != std::string::npos) {
        REQUIRE(compiled == READFAILED, "a source with a NUL byte is refused");
        return 0;
    }
    bool utf8 = utf8source(source);
    std::vector<Entry> pieces = headwordpieces(withoutcrlf(source));
    if (utf8) {
        // its lines are those of the converted text: only the records are checked
        REQUIRE(compiled != UTF16SOURCE && compiled != WRITEFAILED, "a UTF-8 source is read");
        if (compiled == COMPILED) pieces.assign(store.size() / RECORDSIZE, Entry());
        else return 0;
    }
    if (pieces.empty()) {
        REQUIRE(compiled == NOENTRY, "a source with no headword line is refused");
        return 0;
    }
    REQUIRE(compiled == COMPILED, "a source with a headword line compiles");
    REQUIRE(store.size() == pieces.size() * RECORDSIZE, "one whole record per headword line");
    for (size_t i = 0; i < pieces.size(); ++i) {
        DictEntry entry;
        memcpy(&entry, store.data() + i * RECORDSIZE, sizeof entry);
        REQUIRE(entry.mark == 0, "every entry comes out unmarked");
        REQUIRE(entry.level == LevelVeryHard, "every entry comes out at level 3");
        REQUIRE(zeroafternul(entry.word, WORDSIZE), "the word ends inside its field, zeros after");
        REQUIRE(zeroafternul(entry.meaning, MEANINGSIZE), "the meaning ends inside its field, zeros after");
        REQUIRE(utf8 || pieces[i].line.compare(0, strlen(entry.word), entry.word) == 0,
                "the word is the start of its line");
        const std::string meaning = entry.meaning, &lines = pieces[i].meaning;
        bool cut = meaning.size() == 7999 ||
                   (meaning.size() == 7998 && lines.size() >= 7998 && lines.compare(7998, 2, "\r\n") == 0);
        REQUIRE(utf8 || (lines.compare(0, meaning.size(), meaning) == 0 && (meaning == lines || cut)),
                "the meaning is its lines joined, cut only at its field, never glued to the next");
    }
    return 0;
}
