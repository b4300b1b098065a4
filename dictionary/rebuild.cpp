#include "dictionary/rebuild.h"

#include <cstring>

#include "dictionary/compile.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"
#include "common/text.h"
#include "dictionary/resource.h"

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

const char SOURCEFILE[] = "orlavexdic.txt";
const char NEWSTOREFILE[] = "dicbin.tmp";

const char QUESTION[] =
    "Are you sure you want to rebuild your dictionary?\n"
    "\tRebuilding dictionary will help if your files had been corrupted\n"
    "\tor\n"
    "\tYou made some changes in your dictionary text file\n\n"
    "   BUT\n"
    "\tThis will remove all the difficulty level settings you had set for each word";
static const char NOCHANGE[] = "No change was made in any file";
const char DONE[] = "Rebuilding done!";
const char SOURCEMISSING[] =
    "The file orlavexdic.txt was not found or is unaccessible\n\nNo change was made in any file";
const char SOURCEUNREADABLE[] =
    "The file orlavexdic.txt could not be read to its end\n\nNo change was made in any file";
static const char NOHEADWORD[] =
    "The file orlavexdic.txt holds no line with a headword\n\nNo change was made in any file";
static const char UTF16SAVED[] =
    "The file orlavexdic.txt is saved as UTF-16\n"
    "Save it as UTF-8 or ANSI, then rebuild the dictionary\n\nNo change was made in any file";
const char STORENOTWRITTEN[] =
    "The new dictionary could not be written\n\nNo change was made in any file";

// Every headword of the store, in the list's own order.
static void listallwords(Dialog d)
{
    int count = countrecords(RECORDSIZE, STOREFILE);
    DataFile *store = openstore(d, "rb");
    if (!store) return;
    tkfillbegin(d, IDC_WORDLIST);
    DictEntry entry;
    // the words alone: their meanings and levels play no part in the list
    for (int i = 0; i < count && readword(store, &entry); ++i) {
        tklistadd(d, IDC_WORDLIST, entry.word);
        if (!skiprest(store)) break;
    }
    tkfillend(d, IDC_WORDLIST);
    // the new store is in place, but the list misses words: say so
    closestore(d, store);
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

    switch (compilefiles(SOURCEFILE, NEWSTOREFILE)) {
    case NOSOURCE:
        tkmessage(d, SOURCEMISSING, ERRORCAPTION, BOX_OK);
        return 0;
    case UTF16SOURCE:
        tkmessage(d, UTF16SAVED, ERRORCAPTION, BOX_OK);
        return 0;
    case NOENTRY: return fail(d, NOHEADWORD);
    case READFAILED: return fail(d, SOURCEUNREADABLE);
    case WRITEFAILED: return fail(d, STORENOTWRITTEN);
    case COMPILED: break;
    }
    if (!filereplace(NEWSTOREFILE, STOREFILE)) return fail(d, STORENOTWRITTEN);

    listallwords(d);
    tkmessage(d, DONE, ERRORCAPTION, BOX_OK);
    return 1;
}
