// mkstore: writes an entry store from a plain list, for tests and demos.
//
//   mkstore LIST STORE
//
// Each line of LIST is one entry: word TAB meaning TAB mark TAB level, where
// "\n" in the meaning stands for a line break (stored as CR LF) and mark and
// level are numbers (148 marked, 0 not; levels 3, 114, 115, 116, 117).
// Lines that are empty or begin with '#' are skipped.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dictionary/dictentry.h"
#include "dictionary/fileio.h"

static bool parseline(char *line, DictEntry *entry, int lineno)
{
    memset(entry, 0, sizeof *entry);
    char *fields[4] = {line, nullptr, nullptr, nullptr};
    for (int i = 1; i < 4; ++i) {
        char *tab = strchr(fields[i - 1], '\t');
        if (!tab) {
            fprintf(stderr, "line %d: expected word, meaning, mark and level separated by tabs\n", lineno);
            return false;
        }
        *tab = '\0';
        fields[i] = tab + 1;
    }
    if (strlen(fields[0]) >= sizeof entry->word) {
        fprintf(stderr, "line %d: headword longer than %d characters\n", lineno, WORDSIZE - 1);
        return false;
    }
    strcpy(entry->word, fields[0]);
    size_t used = 0;
    for (const char *c = fields[1]; *c; ++c) {
        const char *piece = (c[0] == '\\' && c[1] == 'n') ? "\r\n" : nullptr;
        size_t length = piece ? 2 : 1;
        if (used + length >= sizeof entry->meaning) {
            fprintf(stderr, "line %d: meaning longer than %d characters\n", lineno, MEANINGSIZE - 1);
            return false;
        }
        if (piece) {
            memcpy(entry->meaning + used, piece, 2);
            ++c;
        } else {
            entry->meaning[used] = *c;
        }
        used += length;
    }
    entry->mark = (int16_t)atoi(fields[2]);
    entry->level = (int16_t)atoi(fields[3]);
    return true;
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: mkstore LIST STORE\n");
        return 2;
    }
    DataFile *list = fileopen(argv[1], "r");
    if (!list) {
        fprintf(stderr, "mkstore: cannot read %s\n", argv[1]);
        return 1;
    }
    DataFile *store = fileopen(argv[2], "wb");
    if (!store) {
        fprintf(stderr, "mkstore: cannot write %s\n", argv[2]);
        fileclose(list);
        return 1;
    }
    static char line[3 * MEANINGSIZE];
    static DictEntry entry;
    int lineno = 0, written = 0;
    bool ok = true;
    while (ok && filereadline(list, line, sizeof line)) {
        ++lineno;
        line[strcspn(line, "\r\n")] = '\0';
        if (line[0] == '\0' || line[0] == '#') continue;
        ok = parseline(line, &entry, lineno) && filewrite(store, &entry, sizeof entry) == sizeof entry;
        if (ok) ++written;
    }
    fileclose(list);
    if (!fileclose(store) || !ok) {
        fprintf(stderr, "mkstore: %s not written\n", argv[2]);
        fileremove(argv[2]);
        return 1;
    }
    printf("%d entries written to %s\n", written, argv[2]);
    return 0;
}
