// Compiling the text source into a store: headword lines marked with "marvoc",
// meaning lines after them.  No window is involved, so the build and the
// tests can use it as the rebuild does.
#ifndef VANTREL_COMPILE_H
#define VANTREL_COMPILE_H

#include "dictionary/fileio.h"

struct DictEntry;

// A line of the source as the compiler reads it: at most 7999 bytes with its
// line feed; a longer line comes in several such pieces.
const int SOURCELINESIZE = 8000;

extern const char SOURCEMARKER[];  // "marvoc", which marks a headword line

// True when a line of the source is a headword line: it holds the marker.
bool isheadwordline(const char *line);
// Cuts a headword line, NUL-terminated, to its headword as the store takes it
// (before the cut to the word field).
void cutheadword(char *line);

enum Compiled { COMPILED, NOSOURCE, NOENTRY, READFAILED, WRITEFAILED, UTF16SOURCE };

struct SourceText;

// A step given each record just before it is written, with the context it was
// given with: it may set the record's fields.  None leaves every record as
// the source makes it: unmarked, at level 3.
typedef void (*RecordStep)(DictEntry *entry, void *context);

// Appends one record per entry of the source (started, dictionary/sourcetext.h)
// to the open store, through the entry buffer.  Lines before the first headword line are skipped.  A
// source with a NUL byte anywhere is READFAILED: it is not text, and the NUL
// would hide the rest of its line.
Compiled compilesource(SourceText *source, DataFile *store, RecordStep step = nullptr, void *context = nullptr);

// Opens the source, tells its encoding (a UTF-16 source is UTF16SOURCE and no
// store is made), opens the store from empty, compiles, flushes the store to
// the disk and closes both; the store is only complete when the result is
// COMPILED.
Compiled compilefiles(const char *sourcepath, const char *storepath, RecordStep step = nullptr,
                      void *context = nullptr);

#endif
