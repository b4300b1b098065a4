#include "bench/glossary.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "bench/vocabulary.h"
#include "dictionary/compile.h"
#include "dictionary/fileio.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"
#include "dictionary/studydate.h"
#include "dictionary/studylog.h"

static unsigned nextrandom(unsigned *state)
{
    unsigned x = *state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    *state = x;
    return x;
}

static int pick(unsigned *state, int count)
{
    return (int)(nextrandom(state) % (unsigned)count);
}

static bool sortsbeforenocase(const std::string &a, const std::string &b)
{
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        int x = (unsigned char)a[i], y = (unsigned char)b[i];
        if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

static std::string makeheadword(unsigned *state)
{
    int shape = pick(state, 100);
    std::string word;
    if (shape >= 8) {
        word = MODIFIERS[pick(state, MODIFIERCOUNT)];
        word += ' ';
    }
    if (shape >= 55) {
        word += MODIFIERS[pick(state, MODIFIERCOUNT)];
        word += ' ';
    }
    word += TERMS[pick(state, TERMCOUNT)];
    return word;
}

// Distinct headwords in the order of the source: sorted as an editor keeps a
// glossary, the last sixth appended later in no order, and a few twins that
// differ from a listed word only in case.
static std::vector<std::string> makeheadwords(int entries, unsigned *state)
{
    std::set<std::string> seen;
    std::vector<std::string> words;
    while ((int)words.size() < entries) {
        std::string word = makeheadword(state);
        if (word.size() >= (size_t)WORDSIZE || !seen.insert(word).second) continue;
        words.push_back(word);
    }
    size_t sorted = words.size() - words.size() / 6;
    std::sort(words.begin(), words.begin() + (long)sorted, sortsbeforenocase);
    for (size_t i = 97; i + 2 < words.size(); i += 500) {
        std::string twin = words[i];
        twin[0] = (char)(twin[0] >= 'a' && twin[0] <= 'z' ? twin[0] - 'a' + 'A' : twin[0]);
        if (seen.insert(twin).second) words[i + 1] = twin;
    }
    return words;
}

// Most meanings a few hundred bytes, one in five up to about 1200 and one in
// twelve several thousand.
static int meaninglength(unsigned *state)
{
    int kind = pick(state, 100);
    if (kind < 70) return 120 + pick(state, 280);
    if (kind < 92) return 400 + pick(state, 800);
    return 1200 + pick(state, 5800);
}

static void appendsentence(std::string *text, unsigned *state)
{
    int words = 6 + pick(state, 14);
    for (int i = 0; i < words; ++i) {
        const char *word = pick(state, 5) == 0 ? TERMS[pick(state, TERMCOUNT)] : PROSE[pick(state, PROSECOUNT)];
        if (i == 0) {
            std::string first = word;
            if (first[0] >= 'a' && first[0] <= 'z') first[0] = (char)(first[0] - 'a' + 'A');
            *text += first;
        } else {
            *text += ' ';
            *text += word;
        }
    }
    *text += pick(state, 6) == 0 ? ";" : ".";
}

// Lines of about 60 to 140 characters, and now and then an empty line.
static std::string makemeaning(unsigned *state)
{
    int length = meaninglength(state);
    std::string meaning, line;
    while ((int)(meaning.size() + line.size()) < length) {
        if (!line.empty()) line += ' ';
        appendsentence(&line, state);
        if ((int)line.size() > 60 + pick(state, 80)) {
            meaning += line;
            meaning += '\n';
            line.clear();
            if (pick(state, 15) == 0) meaning += '\n';
        }
    }
    if (!line.empty()) meaning += line + '\n';
    if (meaning.size() > (size_t)MEANINGSIZE - 200) meaning.resize((size_t)MEANINGSIZE - 200);
    if (meaning.back() != '\n') meaning += '\n';
    return meaning;
}

static void keepword(char *target, const std::string &word)
{
    size_t length = word.size() < (size_t)WORDSIZE - 1 ? word.size() : (size_t)WORDSIZE - 1;
    memcpy(target, word.data(), length);
    target[length] = '\0';
}

bool writeglossary(const char *path, int entries, unsigned seed, Glossary *glossary)
{
    unsigned state = seed | 1u;
    std::vector<std::string> words = makeheadwords(entries, &state);
    DataFile *out = fileopen(path, "wb");
    if (!out) return false;
    bool ok = true;
    long long bytes = 0;
    for (const std::string &word : words) {
        std::string entry = word + " marvoc\n" + makemeaning(&state);
        ok = ok && filewrite(out, entry.data(), entry.size()) == entry.size();
        bytes += (long long)entry.size();
    }
    ok = fileclose(out) && ok;
    glossary->entries = entries;
    glossary->sourcebytes = bytes;
    keepword(glossary->firstword, words.front());
    keepword(glossary->lastword, words.back());
    keepword(glossary->missingword, "lighthouse keeper's cat");
    return ok;
}

bool markandgrade(const char *storepath, unsigned seed)
{
    static const int16_t LEVELS[] = {LevelVeryHard, LevelVeryHard, LevelHard, LevelEasy, LevelEasy,
                                     LevelVeryEasy, LevelUnknown};
    unsigned state = seed | 1u;
    long long size = 0;
    if (!filesize(storepath, &size)) return false;
    int count = (int)(size / RECORDSIZE);
    DataFile *store = fileopen(storepath, "rb+");
    if (!store) return false;
    bool ok = true;
    for (int i = 0; i < count && ok; ++i) {
        int16_t mark = pick(&state, 10) == 0 ? (int16_t)RevisionMark : (int16_t)0;
        int16_t level = LEVELS[pick(&state, (int)(sizeof LEVELS / sizeof LEVELS[0]))];
        long at = (long)i * RECORDSIZE;
        ok = fileseek(store, at, SEEK_SET) && filewrite(store, &mark, 2) == 2 &&
             fileseek(store, at + (long)offsetof(DictEntry, level), SEEK_SET) &&
             filewrite(store, &level, 2) == 2;
    }
    return fileclose(store) && ok;
}

bool writestudylog(const char *storepath, const char *path)
{
    DataFile *store = fileopen(storepath, "rb");
    DataFile *log = fileopen(path, "wb");
    bool written = store != nullptr && log != nullptr;
    StoreScan scan;
    startscan(&scan, store, written ? countrecords(RECORDSIZE, storepath) : 0);
    DictEntry entry;
    long today = localtoday();
    for (int n = 0; written && nextword(&scan, &entry) && scanlevel(&scan, &entry); ++n) {
        char date[DATESIZE], line[200];
        writedate(today - n % 30, date);
        int length = snprintf(line, sizeof line, "%s\t%s\t%d\t%s\r\n", date, entry.word, entry.level, KNEWTEXT);
        written = length > 0 && filewrite(log, line, (size_t)length) == (size_t)length;
    }
    if (store != nullptr) written = fileclose(store) && written;
    if (log != nullptr) written = fileclose(log) && written;
    return written;
}

bool makeglossary(int entries, Glossary *glossary)
{
    return writeglossary("orlavexdic.txt", entries, 20240611u + (unsigned)entries, glossary) &&
           compilefiles("orlavexdic.txt", STOREFILE) == COMPILED && markandgrade(STOREFILE, 7u) &&
           writestudylog(STOREFILE, STUDYLOG);
}
