// Compiling the text source into a store: headword lines marked with "marvoc",
// meaning lines after them.  No window is involved, so the build and the
// tests can use it as the rebuild does.
#ifndef VANTREL_COMPILE_H
#define VANTREL_COMPILE_H

#include "dictionary/fileio.h"

enum Compiled { COMPILED, NOSOURCE, NOENTRY, READFAILED, WRITEFAILED, UTF16SOURCE };

struct SourceText;

// Appends one record per entry of the source (started, dictionary/sourcetext.h)
// to the open store, through the entry buffer.  Lines before the first headword line are skipped.  A
// source with a NUL byte anywhere is READFAILED: it is not text, and the NUL
// would hide the rest of its line.
Compiled compilesource(SourceText *source, DataFile *store);

// Opens the source, tells its encoding (a UTF-16 source is UTF16SOURCE and no
// store is made), opens the store from empty, compiles, flushes the store to
// the disk and closes both; the store is only complete when the result is
// COMPILED.
Compiled compilefiles(const char *sourcepath, const char *storepath);

#endif
