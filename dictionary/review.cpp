#include "dictionary/review.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "common/blocks.h"
#include "dictionary/lookup.h"
#include "dictionary/schedule.h"
#include "dictionary/store.h"
#include "dictionary/storescan.h"
#include "dictionary/studydate.h"
#include "dictionary/studylog.h"
#include "common/text.h"

// The entry is found again at each step by its record number, checked
// against its headword: a rebuild or another copy of the program may have
// changed the store since the review opened.  Where that record holds
// another word now, the first entry of that headword (byte for byte, as the
// log keys it) is taken; where there is none, the word is skipped, and the
// outcome says so.  The level graded is the one the record holds then.

const char REVIEWCAPTION[] = "Review";
const char NOTHINGMARKED[] =
    "No word is marked for revision.\n\n"
    "Look a word up and click \"Mark for revision\": the marked words are the ones reviewed here.";
const char REVIEWNOROOM[] = "There is not memory enough for the review of the marked words.";
const char LOGFAILED[] =
    "The study log studylog.txt could not be written, so the review ends here.\n"
    "The level of the last word graded is written in the dictionary.";

struct ReviewItem {
    int number;       // the record, from 1
    int level;        // as the store held it, then as graded
    long lastreview;  // a day number, or NEVERREVIEWED
    bool skipped;     // no longer in the store
    char word[WORDSIZE];
};

struct Review {
    ReviewItem *items;  // every marked entry, in store order
    int count;
    size_t room;
    int *order;   // the items reviewed, in store order
    int ordered;
    int at;       // the place in order of the word shown
    bool anyway;  // every marked entry, none being due
    bool shown;   // the meaning of the word shown is shown
    long today;
    int known;
    int notyet;
    int skipped;
};

static Review review;

static void forgetreview()
{
    freeblock(review.items);
    freeblock(review.order);
    memset(&review, 0, sizeof review);
}

static bool additem(int number, const DictEntry &entry)
{
    if (!growitems(&review.items, &review.room, (size_t)review.count, 1, 256)) return false;
    ReviewItem &item = review.items[review.count++];
    item.number = number;
    item.level = entry.level;
    item.lastreview = NEVERREVIEWED;
    item.skipped = false;
    copytext(item.word, sizeof item.word, entry.word);
    return true;
}

// Every marked entry's number, level and word; false, and told, when the
// store cannot be read whole or memory runs short.
static bool gathermarked(Dialog d)
{
    int count = countrecords(RECORDSIZE, STOREFILE);
    DataFile *store = openstore(d, "rb");
    if (store == nullptr) return false;
    StoreScan scan;
    startscan(&scan, store, count);
    DictEntry entry;
    bool room = true;
    while (room && nextword(&scan, &entry))
        if (entry.mark == RevisionMark) room = !scanlevel(&scan, &entry) || additem(scan.number, entry);
    bool whole = endscan(&scan);
    if (!whole)
        tellstoremissing(d);
    else if (!room)
        tkmessage(d, REVIEWNOROOM, ERRORCAPTION, BOX_OK);
    return whole && room;
}

struct ByWord {
    int *sorted;  // the items' places, in the order of their words
};

static bool wordbefore(int a, int b)
{
    int order = strcmp(review.items[a].word, review.items[b].word);
    return order != 0 ? order < 0 : a < b;
}

// A line of the log: the items of its headword were last reviewed on its day.
static void takelogline(const StudyLine &line, void *context)
{
    const int *sorted = static_cast<ByWord *>(context)->sorted;
    int low = 0, high = review.count;
    while (low < high) {
        int middle = low + (high - low) / 2;
        if (strcmp(review.items[sorted[middle]].word, line.word) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    for (int i = low; i < review.count && strcmp(review.items[sorted[i]].word, line.word) == 0; ++i)
        review.items[sorted[i]].lastreview = line.day;
}

// The last review of each marked entry, from the log.  A log that cannot be
// read leaves its words never reviewed, so they are due: none is missed.
static bool readlastreviews()
{
    ByWord byword = {static_cast<int *>(newblock((size_t)review.count, sizeof(int)))};
    if (byword.sorted == nullptr) return false;
    for (int i = 0; i < review.count; ++i) byword.sorted[i] = i;
    std::sort(byword.sorted, byword.sorted + review.count, wordbefore);
    readstudylog(STUDYLOG, takelogline, &byword);
    freeblock(byword.sorted);
    return true;
}

// The items to review, in store order: the due ones, or every one.
static bool chooseitems(bool every)
{
    freeblock(review.order);
    review.order = static_cast<int *>(newblock((size_t)review.count, sizeof(int)));
    if (review.order == nullptr) return false;
    review.ordered = 0;
    for (int i = 0; i < review.count; ++i) {
        const ReviewItem &item = review.items[i];
        if (every || isdue(item.level, item.lastreview, review.today)) review.order[review.ordered++] = i;
    }
    review.anyway = every;
    return true;
}

static long nextdueday()
{
    long next = LONG_MAX;
    for (int i = 0; i < review.count; ++i) {
        const ReviewItem &item = review.items[i];
        next = std::min(next, dueday(item.level, item.lastreview, review.today));
    }
    return next;
}

// None due today: when the next is, and whether to review them all the same.
static bool reviewanyway(Dialog d)
{
    char date[DATESIZE];
    writedate(nextdueday(), date);
    char text[200];
    snprintf(text, sizeof text, "No marked word is due today; the next is due on %s.\n\nReview them anyway?", date);
    return tkmessage(d, text, REVIEWCAPTION, BOX_YESNO | BOX_ICONQUESTION | BOX_DEFBUTTON2) == ANSWER_YES;
}

static void telloutcome(Dialog d)
{
    int duetomorrow = 0;
    for (int i = 0; i < review.count; ++i) {
        const ReviewItem &item = review.items[i];
        if (!item.skipped && isdue(item.level, item.lastreview, review.today + 1)) ++duetomorrow;
    }
    char text[300];
    int length = snprintf(text, sizeof text, "Reviewed: %d (known: %d, not yet: %d)\nDue tomorrow: %d",
                          review.known + review.notyet, review.known, review.notyet, duetomorrow);
    if (review.skipped > 0 && length > 0 && (size_t)length < sizeof text)
        snprintf(text + length, sizeof text - (size_t)length,
                 "\nSkipped, no longer in the dictionary: %d", review.skipped);
    tkmessage(d, text, REVIEWCAPTION, BOX_OK | BOX_ICONINFORMATION);
}

void reviewmarked(Dialog d)
{
    forgetreview();
    review.today = localtoday();
    if (!gathermarked(d)) {
        forgetreview();
        return;
    }
    if (review.count == 0) {
        tkmessage(d, NOTHINGMARKED, REVIEWCAPTION, BOX_OK | BOX_ICONINFORMATION);
        forgetreview();
        return;
    }
    bool room = readlastreviews() && chooseitems(false);
    bool ready = room && (review.ordered > 0 || reviewanyway(d));
    if (ready && review.ordered == 0) room = ready = chooseitems(true);
    if (!room) tkmessage(d, REVIEWNOROOM, ERRORCAPTION, BOX_OK);
    if (ready) {
        tkshowreview(d);
        telloutcome(d);
        // the radios and the caption as the store holds them now
        lookupword(d, TRIGGER_TYPING);
    }
    forgetreview();
}

static ReviewItem &shownitem()
{
    return review.items[review.order[review.at]];
}

// The word at the place reached, its meaning hidden and the focus on
// "&Show meaning"; past the last one, the end of the review.
static void showword(Dialog r)
{
    review.shown = false;
    if (review.at >= review.ordered) {
        tkenddialog(r, 0);
        return;
    }
    tksettext(r, IDC_REVIEWWORD, shownitem().word);
    char progress[64];
    snprintf(progress, sizeof progress, review.anyway ? "%d of %d marked words" : "%d of %d due today",
             review.at + 1, review.ordered);
    tksettext(r, IDC_REVIEWPROGRESS, progress);
    tksettext(r, IDC_REVIEWMEANING, "");
    tksetfocus(r, IDC_REVIEWSHOW);
    tkenable(r, IDC_REVIEWKNEW, false);
    tkenable(r, IDC_REVIEWNOTYET, false);
}

void openreview(Dialog r)
{
    review.at = 0;
    showword(r);
}

static void advance(Dialog r)
{
    ++review.at;
    showword(r);
}

enum Found { FOUND, GONE, FAILED };

// The entry of the item in the store opened in mode, read whole, the store
// left open at it; GONE, the store closed, when no entry has the item's
// headword; FAILED, closed and told, when the store cannot be read.
static Found findreviewed(Dialog r, const ReviewItem &item, const char *mode, StoreScan *scan, DictEntry *entry)
{
    int count = countrecords(RECORDSIZE, STOREFILE);
    DataFile *store = openstore(r, mode);
    if (store == nullptr) return FAILED;
    long long offset = (long long)(item.number - 1) * RECORDSIZE;
    if (item.number <= count && offset <= LONG_MAX && fileseek(store, (long)offset, SEEK_SET)) {
        startscan(scan, store, count);
        scan->number = item.number - 1;
        if (nextword(scan, entry) && strcmp(entry->word, item.word) == 0) {
            if (scanrest(scan, entry)) return FOUND;
            fileclose(store);
            tellstoremissing(r);
            return FAILED;
        }
    }
    startscan(scan, store, count);
    if (fileseek(store, 0, SEEK_SET)) {
        while (nextword(scan, entry)) {
            if (strcmp(entry->word, item.word) != 0) continue;
            if (scanrest(scan, entry)) return FOUND;
            break;
        }
    }
    bool whole = !fileerror(store) && scan->number >= count;
    bool closed = endscan(scan);
    if (whole && closed) return GONE;
    tellstoremissing(r);
    return FAILED;
}

static void skipword(Dialog r)
{
    shownitem().skipped = true;
    ++review.skipped;
    advance(r);
}

static void showmeaning(Dialog r)
{
    if (review.shown || review.at >= review.ordered) return;
    StoreScan scan;
    DictEntry entry;
    Found found = findreviewed(r, shownitem(), "rb", &scan, &entry);
    if (found == GONE) return skipword(r);
    if (found == FAILED || !closestore(r, scan.store)) return tkenddialog(r, 0);
    tksettext(r, IDC_REVIEWMEANING, entry.meaning);
    tkenable(r, IDC_REVIEWKNEW, true);
    tkenable(r, IDC_REVIEWNOTYET, true);
    tksetfocus(r, IDC_REVIEWKNEW);
    review.shown = true;
}

// Writes the grade into the entry's record, put on the disk, then into the
// log; a failure of either is told and ends the review.
static void grade(Dialog r, bool knew)
{
    if (!review.shown || review.at >= review.ordered) return;
    ReviewItem &item = shownitem();
    StoreScan scan;
    DictEntry entry;
    Found found = findreviewed(r, item, "rb+", &scan, &entry);
    if (found == GONE) return skipword(r);
    if (found == FAILED) return tkenddialog(r, 0);
    int level = gradedlevel(entry.level, knew);
    if (!rewriteandclose(r, &scan, offsetof(DictEntry, level), level)) return tkenddialog(r, 0);
    item.level = level;
    item.lastreview = review.today;
    ++(knew ? review.known : review.notyet);
    if (!appendstudyline(STUDYLOG, review.today, item.word, level, knew)) {
        tkmessage(r, LOGFAILED, ERRORCAPTION, BOX_OK | BOX_ICONEXCLAMATION);
        return tkenddialog(r, 0);
    }
    advance(r);
}

void reviewcommand(Dialog r, int id, int)
{
    switch (id) {
    case IDC_REVIEWSHOW: showmeaning(r); break;
    case IDC_REVIEWKNEW: grade(r, true); break;
    case IDC_REVIEWNOTYET: grade(r, false); break;
    case IDC_REVIEWSTOP: tkenddialog(r, 0); break;
    default: break;
    }
}
