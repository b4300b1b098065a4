// mkdictionary: compiles the text source into the entry store with the same
// code as the program's "Rebuild dictionary", so the store that ships is the
// one a rebuild on the user's machine would write.
//
//   mkdictionary SOURCE STORE
//
// Exit status 0 when the store was written whole; 1 when the source cannot be
// read or holds no headword line, or the store cannot be written (no store
// is left behind then); 2 for wrong usage.
#include <cstdio>

#include "dictionary/compile.h"
#include "dictionary/dictentry.h"
#include "dictionary/store.h"

static const char *failure(Compiled result)
{
    switch (result) {
    case NOSOURCE: return "cannot be opened";
    case NOENTRY: return "holds no headword line (a line ending in \" marvoc\")";
    case READFAILED: return "could not be read to its end";
    case WRITEFAILED: return "could not be compiled: the store could not be written";
    case UTF16SOURCE: return "is saved as UTF-16: save it as UTF-8 or ANSI";
    case COMPILED: break;
    }
    return "was compiled";
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fputs("usage: mkdictionary SOURCE STORE\n"
              "Compiles the text source (headword lines ending in \" marvoc\", then the\n"
              "lines of the meaning) into an entry store of 8104-byte records.\n",
              stderr);
        return 2;
    }
    Compiled result = compilefiles(argv[1], argv[2]);
    if (result != COMPILED) {
        fileremove(argv[2]);
        fprintf(stderr, "mkdictionary: %s %s\n", argv[1], failure(result));
        return 1;
    }
    printf("%d entries written to %s\n", countrecords(RECORDSIZE, argv[2]), argv[2]);
    return 0;
}
