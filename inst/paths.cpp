#include "inst/paths.h"

#include <cstring>

#include "common/filenames.h"
#include "common/text.h"
#include "inst/files.h"

// Whether the first length characters of name are word, without regard to case.
static bool sameprefix(const char *name, size_t length, const char *word)
{
    return strlen(word) == length && beginswithnocase(name, word);
}

// The part before the first dot (and before trailing spaces) names a device:
// "nul", "Con.txt", "COM1 .log", "lpt\xB9" all reach a device, never a file.
static bool devicename(const char *name)
{
    size_t base = 0;
    while (name[base] != '\0' && name[base] != '.') ++base;
    while (base > 0 && name[base - 1] == ' ') --base;
    static const char *const plain[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char *word : plain)
        if (sameprefix(name, base, word)) return true;
    if (base == 4 && (sameprefix(name, 3, "COM") || sameprefix(name, 3, "LPT"))) {
        unsigned char digit = (unsigned char)name[3];
        // 0xB9, 0xB2, 0xB3: superscript one, two and three in the ANSI code page
        if ((digit >= '0' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3)
            return true;
    }
    return false;
}

bool safename(const char *name)
{
    size_t length = strnlen(name, NAMESIZE);
    if (length == 0 || length >= NAMESIZE) return false;
    for (size_t i = 0; i < length; ++i) {
        unsigned char c = (unsigned char)name[i];
        if (c < 32 || c == 127 || strchr("\\/:*?\"<>|", c) != nullptr) return false;
    }
    if (strcmp(name, ".") == 0 || strcmp(name, "..") == 0) return false;
    if (name[length - 1] == '.' || name[length - 1] == ' ') return false;
    return !devicename(name);
}

// path with each / as \ into full (FULLPATHSIZE bytes); false when it does not fit.
static bool backslashed(char *full, const char *path)
{
    if (!copytext(full, FULLPATHSIZE, path)) return false;
    for (char *c = full; *c != '\0'; ++c)
        if (*c == '/') *c = '\\';
    return true;
}

bool samepathname(const char *a, const char *b)
{
    char x[FULLPATHSIZE], y[FULLPATHSIZE];
    if (!backslashed(x, a) || !backslashed(y, b)) return strcmp(a, b) == 0;
    return comparefilenames(x, y) == 0;
}

static bool blank(const char *text)
{
    for (; *text != '\0'; ++text)
        if (*text != ' ') return false;
    return true;
}

bool folderfits(const char *folder)
{
    size_t length = strnlen(folder, LOCNSIZE);
    if (length >= LOCNSIZE || blank(folder)) return false;
    bool slashed = length > 0 && folder[length - 1] == '\\';
    return length + (slashed ? 0 : 1) <= LOCNSIZE - 1;
}

bool acceptfolder(char *locn)
{
    if (!folderfits(locn)) return false;
    size_t length = strlen(locn);
    if (locn[length - 1] != '\\') {
        locn[length] = '\\';
        locn[length + 1] = '\0';
    }
    return true;
}

void setuptitle(char *title, const char *name)
{
    static const char start[] = "Installation of ";
    static_assert(sizeof start + TITLENAMEMOST <= TITLESIZE, "the title holds 20 characters of the name");
    copytext(title, TITLESIZE, start);
    if (name[0] == '\0') {
        title[strlen("Installation")] = '\0';
        return;
    }
    appendpart(title, TITLESIZE, name, TITLENAMEMOST);
}

void filepath(char *path, const char *locn, const char *name)
{
    static_assert(LOCNSIZE - 1 + NAMESIZE - 1 < PATHSIZE, "a folder and a name always fit");
    path[0] = '\0';
    appendpart(path, PATHSIZE, locn, LOCNSIZE - 1);
    appendpart(path, PATHSIZE, name, NAMESIZE - 1);
}

bool joinpath(char *path, size_t size, const char *folder, const char *name)
{
    return copytext(path, size, folder) && appendtext(path, size, name);
}
