#include "dictionary/rebuild.h"

#include <cstring>

#include "dictionary/store.h"
#include "dictionary/text.h"
#include "ui/resource.h"

// The rebuild never writes the store itself.  It compiles the text source into
// a new store beside it, and only when that one is complete and closed does it
// take the old store's place in one step; so whatever fails, the old store is
// left as it was and the user is told that nothing changed.
//
// The word list is refilled from the new store after the replacement, not
// while the source is read: until then the rebuild may still fail, and the
// list must go on showing the store that is in use.  Every failure therefore
// leaves the list as it was.  The list ends up exactly as if each headword had
// been added as it was read: every word of the new store, no filter applied.

static const char SOURCEFILE[] = "orlavexdic.txt";
static const char NEWSTOREFILE[] = "dicbin.tmp";
static const char MARKER[] = "marvoc";
static const int LINESIZE = 8000;  // a line of the source: 7999 bytes with its line feed

static const char QUESTION[] =
    "Are you sure you want to rebuild your dictionary?\n"
    "\tRebuilding dictionary will help if your files had been corrupted\n"
    "\tor\n"
    "\tYou made some changes in your dictionary text file\n\n"
    "   BUT\n"
    "\tThis will remove all the difficulty level settings you had set for each word";
static const char NOCHANGE[] = "No change was made in any file";
static const char DONE[] = "Rebuilding done!";
static const char SOURCEMISSING[] =
    "The file orlavexdic.txt was not found or is unaccessible\n\nNo change was made in any file";
static const char SOURCEUNREADABLE[] =
    "The file orlavexdic.txt could not be read to its end\n\nNo change was made in any file";
static const char NOHEADWORD[] =
    "The file orlavexdic.txt holds no line with a headword\n\nNo change was made in any file";
static const char STORENOTWRITTEN[] =
    "The new dictionary could not be written\n\nNo change was made in any file";

// A line that holds the marker anywhere is a headword line.  The marker is
// meant to stand at its end after one space: the word is the line less its
// last 7 characters (the marker and the line feed), less one trailing space.
// The cut is made wherever the marker stands, and a line shorter than 7
// characters (the marker alone on a last line without a line feed) leaves an
// empty word.
static void cutheadword(char *line)
{
    size_t length = strlen(line);
    length = length > 7 ? length - 7 : 0;
    if (length > 0 && line[length - 1] == ' ') --length;
    line[length] = '\0';
}

// A meaning line ends in CR LF in the store; a last line without a line feed
// is taken as it is.  What does not fit the meaning field is cut off.
static void appendmeaningline(char *line)
{
    size_t length = strlen(line);
    bool linefeed = length > 0 && line[length - 1] == '\n';
    if (linefeed) line[length - 1] = '\0';
    appendtext(entrybuffer.meaning, MEANINGSIZE, line);
    if (linefeed) appendtext(entrybuffer.meaning, MEANINGSIZE, "\r\n");
}

static bool writeentry(DataFile *store)
{
    entrybuffer.level = LevelVeryHard;
    return filewrite(store, &entrybuffer, RECORDSIZE) == (size_t)RECORDSIZE;
}

enum Compiled { COMPILED, NOENTRY, READFAILED, WRITEFAILED };

// Reads the source line by line into the new store.  Lines before the first
// headword line belong to no entry and are skipped.
static Compiled compile(DataFile *source, DataFile *store)
{
    char line[LINESIZE];
    bool inentry = false;
    while (filereadline(source, line, LINESIZE)) {
        if (strstr(line, MARKER) != nullptr) {
            cutheadword(line);
            if (inentry && !writeentry(store)) return WRITEFAILED;
            memset(&entrybuffer, 0, sizeof entrybuffer);
            copytext(entrybuffer.word, WORDSIZE, line);
            inentry = true;
        } else if (inentry) {
            appendmeaningline(line);
        }
    }
    if (fileerror(source)) return READFAILED;
    if (!inentry) return NOENTRY;
    return writeentry(store) ? COMPILED : WRITEFAILED;
}

// Every headword of the store, in the list's own order.
static void listallwords(Dialog d)
{
    int count = countrecords(RECORDSIZE, STOREFILE);
    DataFile *store = fileopen(STOREFILE, "rb");
    if (!store) {
        tkmessage(d, STOREMISSING, ERRORCAPTION, BOX_OK);
        return;
    }
    tklistreset(d, IDC_WORDLIST);
    tksetredraw(d, IDC_WORDLIST, false);
    DictEntry entry;
    for (int i = 0; i < count && readrecord(store, &entry); ++i) tklistadd(d, IDC_WORDLIST, entry.word);
    tksetredraw(d, IDC_WORDLIST, true);
    fileclose(store);
}

static int fail(Dialog d, const char *message)
{
    fileremove(NEWSTOREFILE);
    tkmessage(d, message, ERRORCAPTION, BOX_OK);
    return 0;
}

int rebuildstore(Dialog d)
{
    if (tkmessage(d, QUESTION, "Are you sure", BOX_YESNO | BOX_ICONEXCLAMATION | BOX_DEFBUTTON2) !=
        ANSWER_YES) {
        tkmessage(d, NOCHANGE, ERRORCAPTION, BOX_OK);
        return 0;
    }

    DataFile *source = fileopen(SOURCEFILE, "r");
    if (!source) {
        tkmessage(d, SOURCEMISSING, ERRORCAPTION, BOX_OK);
        return 0;
    }
    DataFile *store = fileopen(NEWSTOREFILE, "wb");
    if (!store) {
        fileclose(source);
        return fail(d, STORENOTWRITTEN);
    }

    Compiled compiled = compile(source, store);
    fileclose(source);
    bool closed = fileclose(store);
    switch (compiled) {
    case NOENTRY: return fail(d, NOHEADWORD);
    case READFAILED: return fail(d, SOURCEUNREADABLE);
    case WRITEFAILED: return fail(d, STORENOTWRITTEN);
    case COMPILED: break;
    }
    if (!closed || !filereplace(NEWSTOREFILE, STOREFILE)) return fail(d, STORENOTWRITTEN);

    listallwords(d);
    tkmessage(d, DONE, ERRORCAPTION, BOX_OK);
    return 1;
}
