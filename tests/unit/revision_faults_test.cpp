// The revision toggle and the level change with a fault at the file seam at
// every point where one can strike, and with their write stopped after any
// number of bytes.  The store keeps its size, every byte but the one field
// stays as it was, the field holds its old value or its new one (or, cut
// short, exactly the bytes put down), a change is shown only when the store
// holds it, and every failure is told.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/filefaults.h"
#include "dictionary/levels.h"
#include "dictionary/review.h"
#include "dictionary/revision.h"
#include "dictionary/studylog.h"
#include "dictionary/store.h"
#include "tests/headless.h"
#include "tests/support/scratch.h"
#include "dictionary/resource.h"
#include "tests/support/faultsweep.h"

using std::string;
using std::vector;

struct Rewrite {
    const char *what;
    int record;         // 1-based
    size_t field;       // offset in the record
    int oldvalue;
    int newvalue;
    bool toggle;        // otherwise a level change to Easy
    const char *word;
};

// berth's mark 0x0101 (no mark) and level 0x03e7 (no level) differ from what
// replaces them in both bytes, so a write cut after one byte shows.
static const int BERTHMARK = 0x0101;
static const int BERTHLEVEL = 0x03e7;
static const Rewrite REWRITES[] = {
    {"marking berth", 2, offsetof(DictEntry, mark), BERTHMARK, RevisionMark, true, "berth"},
    {"unmarking quay", 3, offsetof(DictEntry, mark), RevisionMark, 0, true, "quay"},
    {"berth made easy", 2, offsetof(DictEntry, level), BERTHLEVEL, LevelEasy, false, "berth"},
};

struct Rewritten {
    string store;
    bool shown;  // the caption or the status line tells of the change
    vector<string> messages;
    FileFaults faults;  // as the run left them
};

class RewriteFaults : public ScratchTest {
protected:
    void SetUp() override
    {
        ScratchTest::SetUp();
        writestore({{"anchor", "A heavy hook.", 0, LevelHard},
                    {"berth", "A ship's place.", BERTHMARK, BERTHLEVEL},
                    {"quay", "A landing.", RevisionMark, LevelVeryEasy},
                    {"mole", "A pier.", 0, LevelUnknown}});
        oldstore = readwholefile(STOREFILE);
    }

    Rewritten run(const Rewrite &w, const std::function<void()> &inject)
    {
        writewholefile(STOREFILE, oldstore);
        Dialog d = headlesscreate();
        // the dialog as the lookup of the word leaves it
        findcontrol(d, IDC_WORD)->text = w.word;
        findcontrol(d, IDC_REVISION)->text = w.oldvalue == RevisionMark ? UNMARKCAPTION : MARKCAPTION;
        findcontrol(d, IDC_STATUS)->text = "4";
        for (int radio : {IDC_LEVEL_VERYHARD, IDC_LEVEL_HARD, IDC_LEVEL_EASY, IDC_LEVEL_VERYEASY, IDC_LEVEL_UNKNOWN})
            findcontrol(d, radio)->checked = radio == IDC_LEVEL_EASY;
        clearfilefaults();
        filefaults.path = STOREFILE;
        inject();
        if (w.toggle)
            togglemark(d, w.word);
        else
            setlevel(d);
        Rewritten out;
        out.faults = filefaults;
        clearfilefaults();
        out.store = readwholefile(STOREFILE);
        out.shown = w.toggle ? findcontrol(d, IDC_REVISION)->text == (w.newvalue == RevisionMark ? UNMARKCAPTION : MARKCAPTION)
                             : findcontrol(d, IDC_STATUS)->text == LEVELCHANGED;
        out.messages = messagesof(d);
        headlessdestroy(d);
        return out;
    }

    // The field's value in store, checking that every other byte is the old one.
    int fieldof(const Rewrite &w, const string &store, const string &what)
    {
        EXPECT_TRUE(sameoutsidefield(store, oldstore, w.record, w.field))
            << what << ": the size and every byte but the field are as they were";
        return storedfield(store, w.record, w.field);
    }

    void expectoldornew(const Rewrite &w, const string &store, const string &what)
    {
        int value = fieldof(w, store, what);
        EXPECT_TRUE(value == w.oldvalue || value == w.newvalue)
            << what << ": the field holds " << value << ", neither old nor new";
    }

    void expectfield(const Rewrite &w, const string &store, int value, const string &what)
    {
        EXPECT_EQ(fieldof(w, store, what), value) << what;
    }

    void expectsound(const Rewrite &w, const Rewritten &r, bool struck, const string &what)
    {
        expectoldornew(w, r.store, what);
        expecttold(w, r, struck, what);
    }

    // A change is shown only when the store holds it, and one not made is told.
    void expecttold(const Rewrite &w, const Rewritten &r, bool struck, const string &what)
    {
        bool written = storedfield(r.store, w.record, w.field) == w.newvalue;
        if (r.shown) {
            EXPECT_TRUE(written) << what << ": a change is shown only when the store holds it";
            EXPECT_TRUE(r.messages.empty()) << what;
        } else {
            EXPECT_EQ(r.messages, vector<string>{STOREMISSING}) << what << ": a change not made is told";
        }
        if (!struck) {
            EXPECT_TRUE(r.shown && written) << what << ": with no fault the change is made";
        }
    }

    string oldstore;
};

TEST_F(RewriteFaults, AFailedOpenReadOrWriteChangesTheFieldWholeOrNotAtAllAndIsTold)
{
    int injected = 0;
    for (const Rewrite &w : REWRITES) {
        for (const CountedFault &kind : {FAILEDOPEN, FAILEDREAD, FAILEDWRITE}) {
            injected += sweepfault([&](int n) {
                Rewritten r = run(w, [&] { filefaults.*kind.nth = n; });
                bool struck = r.faults.*kind.made >= n;
                expectsound(w, r, struck, string(w.what) + ", " + kind.kind + " number " + std::to_string(n));
                return struck;
            });
        }
    }
    printf("[ figures  ] toggle and level: %d failed opens, reads and writes injected\n", injected);
    EXPECT_GE(injected, 12);
}

struct SeamFault {
    const char *what;
    void (*inject)();
    bool storekept;  // nothing may be written
};

TEST_F(RewriteFaults, AReadOnlyStoreAFailedScanReadFlushOrCloseIsToldAndNeverShownAsAChange)
{
    const SeamFault faults[] = {
        {"read-only", [] { filefaults.readonly = true; }, true},
        {"close fails", [] { filefaults.failclose = true; }, false},
        // a change not yet on the disk can still be lost: it is not called done
        {"not put on the disk", [] { filefaults.failflush = true; }, false},
        // the scan that looks for the entry once took a failed read for the
        // end of the store: the toggle or the level change then did nothing
        // and said nothing
        {"the scan's first read fails", [] { filefaults.failread = 1; }, true},
    };
    for (const Rewrite &w : REWRITES) {
        for (const SeamFault &f : faults) {
            string what = string(w.what) + ", " + f.what;
            Rewritten r = run(w, f.inject);
            expectsound(w, r, true, what);
            EXPECT_FALSE(r.shown) << what;
            if (f.storekept) {
                EXPECT_TRUE(r.store == oldstore) << what << ": nothing is written";
            }
        }
        Rewritten r = run(w, [] {});
        EXPECT_EQ(r.faults.flushes, 1) << w.what << ": the change is put on the disk";
    }
}

// The field as a write of it cut after `bytes` bytes leaves it: the first
// bytes of the new value, little-endian, over the old one.
static int cutfield(const Rewrite &w, long long bytes)
{
    unsigned old = (uint16_t)w.oldvalue, now = (uint16_t)w.newvalue;
    unsigned cut = bytes >= 2 ? now : bytes == 1 ? (old & 0xff00u) | (now & 0x00ffu) : old;
    return (int16_t)cut;
}

// A crash that cuts the two-byte write after 0 or 1 bytes, or none at all:
// at that moment and afterwards the field holds exactly what was put down
// (after one byte of berth's, neither its old value nor its new one) and
// nothing else has changed; a cut write is told and never shown as made.
TEST_F(RewriteFaults, AWriteCutAfterAnyNumberOfBytesLeavesOnlyWhatWasPutDown)
{
    int stops = 0;
    for (const Rewrite &w : REWRITES) {
        for (long long limit = 0; limit <= 2; ++limit) {
            storeatstop.clear();
            Rewritten r = run(w, [&] {
                filefaults.writelimit = limit;
                filefaults.atstop = snapshotstore;
            });
            string what = string(w.what) + ", cut after " + std::to_string(limit) + " bytes";
            bool stopped = limit < 2;
            EXPECT_EQ(!storeatstop.empty(), stopped) << what;
            if (stopped) expectfield(w, storeatstop, cutfield(w, limit), what + ", at the moment of the stop");
            expectfield(w, r.store, cutfield(w, limit), what);
            expecttold(w, r, stopped, what);
            ++stops;
        }
    }
    printf("[ figures  ] toggle and level: %d cut writes\n", stops);
}

// quay, marked and never reviewed, graded "Not yet" in the review: its level
// is written as a level radio writes it, then its log line; a failure of
// either is told and ends the review, and only a grade the store holds counts.
TEST_F(RewriteFaults, AReviewGradeOrLogLineThatCannotBeWrittenIsToldAndEndsTheReview)
{
    const struct { const char *what, *path; void (*inject)(); int level; } rows[] = {  // level 0: old or new
        {"the level's write fails", STOREFILE, [] { filefaults.failwrite = 1; }, LevelVeryEasy},
        {"the level is not put on the disk", STOREFILE, [] { filefaults.failflush = true; }, 0},
        {"the log cannot be opened", STUDYLOG, [] { filefaults.failopen = 1; }, LevelVeryHard},
        {"the log's write fails", STUDYLOG, [] { filefaults.failwrite = 1; }, LevelVeryHard},
    };
    for (const auto &row : rows) {
        writewholefile(STOREFILE, oldstore);
        std::remove(STUDYLOG);
        Dialog d = headlesscreate();
        filefaults.path = row.path;
        row.inject();
        reviewuser = [](Dialog box) { raisecommand(box, IDC_REVIEWSHOW, 0), raisecommand(box, IDC_REVIEWNOTYET, 0); };
        reviewmarked(d);
        reviewuser = nullptr;
        clearfilefaults();
        bool logfault = row.path == STUDYLOG;
        int level = storedrecord(3).level;
        EXPECT_TRUE(level == row.level || (row.level == 0 && (level == LevelVeryEasy || level == LevelVeryHard))) << row.what;
        EXPECT_TRUE(sameoutsidefield(readwholefile(STOREFILE), oldstore, 3, offsetof(DictEntry, level))) << row.what;
        string outcome = logfault ? "Reviewed: 1 (known: 0, not yet: 1)" : "Reviewed: 0 (known: 0, not yet: 0)";
        EXPECT_EQ(messagesof(d), (vector<string>{logfault ? LOGFAILED : STOREMISSING, outcome + "\nDue tomorrow: 1"})) << row.what;
        EXPECT_TRUE(logfault || readwholefile(STUDYLOG).empty()) << row.what << ": nothing logged";
        headlessdestroy(d);
    }
}
