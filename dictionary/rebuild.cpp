#include "dictionary/rebuild.h"

#include <cstdio>
#include <cstring>

#include "dictionary/compile.h"
#include "dictionary/store.h"
#include "dictionary/storerebuild.h"
#include "dictionary/storescan.h"
#include "dictionary/studyrecord.h"
#include "dictionary/wordlist.h"
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
//
// The rebuild that keeps the marks and levels reads them from the old store
// first, compiles the same way with each record given its mark and level as
// it is written, so the new store has them before it is on the disk in the
// old one's place, and then narrows the list, its counts
// and the status line as the settings and filters shown ask, since the new
// store has marks and levels worth filtering by.

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
const char NOHEADWORD[] =
    "The file orlavexdic.txt holds no line with a headword\n\nNo change was made in any file";
const char UTF16SAVED[] =
    "The file orlavexdic.txt is saved as UTF-16\n"
    "Save it as UTF-8 or ANSI, then rebuild the dictionary\n\nNo change was made in any file";
const char STORENOTWRITTEN[] =
    "The new dictionary could not be written\n\nNo change was made in any file";

const char KEEPQUESTION[] =
    "Rebuild your dictionary from orlavexdic.txt, keeping your marks and levels?\n"
    "\tEach entry keeps the revision mark and the difficulty level of the entry\n"
    "\twith the same headword, letter for letter and in the same capitals;\n"
    "\ta headword written twice keeps the first one's, then the second one's\n\n"
    "   BUT\n"
    "\tA headword you removed from the text file, or whose spelling or capitals\n"
    "\tyou changed, loses its mark and level; new headwords come unmarked at Very Hard";
static const char STUDYUNREADABLE[] =
    "The marks and levels in dicbin.txt could not be read\n\nNo change was made in any file";
const char LOST[] =
    "\n\nNo longer in orlavexdic.txt as they were, letter for letter,\n"
    "so their marks and levels are lost:";
static const char KEPTCAPTION[] = "Rebuilding done";
static const int LOSTNAMED = 10;  // lost headwords the closing message names

static int fail(Dialog d, const char *message)
{
    fileremove(NEWSTOREFILE);
    tkmessage(d, message, ERRORCAPTION, BOX_OK);
    return 0;
}

// Asks the question; No is told that nothing changed.
static bool confirmed(Dialog d, const char *question)
{
    if (tkmessage(d, question, "Are you sure", BOX_YESNO | BOX_ICONEXCLAMATION | BOX_DEFBUTTON2) == ANSWER_YES)
        return true;
    tkmessage(d, NOCHANGE, ERRORCAPTION, BOX_OK);
    return false;
}

// Rebuilds the store from the text source, each record through record when
// given; false, with the failure told and no new store left, when the store
// is not the new one.
static bool rebuilt(Dialog d, StudyRecord *record)
{
    switch (rebuildfrom(SOURCEFILE, STOREFILE, NEWSTOREFILE, record)) {
    case NOSOURCE: tkmessage(d, SOURCEMISSING, ERRORCAPTION, BOX_OK); return false;
    case UTF16SOURCE: tkmessage(d, UTF16SAVED, ERRORCAPTION, BOX_OK); return false;
    case NOENTRY: return fail(d, NOHEADWORD);
    case READFAILED: return fail(d, SOURCEUNREADABLE);
    case WRITEFAILED: return fail(d, STORENOTWRITTEN);
    case COMPILED: break;
    }
    return true;
}

int rebuildstore(Dialog d)
{
    if (!confirmed(d, QUESTION)) return 0;
    if (!rebuilt(d, nullptr)) return 0;

    listallwords(d);
    tkmessage(d, DONE, ERRORCAPTION, BOX_OK);
    return 1;
}

// "Rebuilding done!", how many entries kept a mark or a level, and the
// headwords of the marked or graded entries that no new entry took: up to
// ten of them, then how many more.
static void tellkept(Dialog d, const StudyRecord &record)
{
    char message[2048];
    char line[128];
    copytext(message, sizeof message, DONE);
    snprintf(line, sizeof line, "\n\nEntries that kept a revision mark or a difficulty level: %d", record.kept);
    appendtext(message, sizeof message, line);
    int lost = 0, at = 0;
    while (const char *word = nextloststudy(&record, &at)) {
        if (lost == 0) appendtext(message, sizeof message, LOST);
        if (lost < LOSTNAMED) {
            appendtext(message, sizeof message, "\n\t");
            appendtext(message, sizeof message, word);
        }
        ++lost;
    }
    if (lost > LOSTNAMED) {
        snprintf(line, sizeof line, "\n\tand %d more", lost - LOSTNAMED);
        appendtext(message, sizeof message, line);
    }
    tkmessage(d, message, KEPTCAPTION, BOX_OK | BOX_ICONINFORMATION);
}

int rebuildkeepingstudy(Dialog d)
{
    if (!confirmed(d, KEEPQUESTION)) return 0;
    StudyRecord record;
    if (!readstudyrecord(STOREFILE, &record)) {
        freestudyrecord(&record);
        tkmessage(d, STUDYUNREADABLE, ERRORCAPTION, BOX_OK);
        return 0;
    }
    // the marks and levels are in the new store before it is on the disk in the old one's place
    bool done = rebuilt(d, &record);
    if (done) {
        filterwordlist(d);
        tellkept(d, record);
    }
    freestudyrecord(&record);
    return done ? 1 : 0;
}
