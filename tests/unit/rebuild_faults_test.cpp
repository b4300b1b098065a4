// The rebuild with a fault at the file seam at every point where one can
// strike: each open, each read and each write of the text source, the new
// store and the store, their closes and the final replace; and the rebuild
// stopped after any number of bytes, as a crash would stop it.  The store is
// always the whole old one or the whole new one; the old one comes with a
// message and the word list as it was, the new one with "Rebuilding done!"
// and a list of its words unless a message says the list is not complete.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/filefaults.h"
#include "dictionary/rebuild.h"
#include "dictionary/store.h"
#include "dictionary/wordlist.h"
#include "tests/headless.h"
#include "tests/support/scratch.h"
#include "dictionary/resource.h"
#include "tests/support/faultsweep.h"

using std::string;
using std::vector;

static const char THREEENTRIES[] =
    "Anchor marvoc\nA heavy hook.\nIt holds a vessel.\nberth marvoc\nA ship's place.\n\nquay marvoc\nA landing.";

struct Rebuilt {
    int result;
    string store;
    vector<string> list;
    vector<string> errors;  // every box but the question and "Rebuilding done!"
    bool done;
    bool leftover;  // the new store is still lying beside the store
    FileFaults faults;  // as the run left them: what happened, counted
};

// The two rebuilds: the one that keeps marks and levels writes berth's mark and
// level with its record, so both write the new store once and flush it once.
struct Command {
    const char *name;
    int (*run)(Dialog d);
};
static const Command COMMANDS[] = {{"rebuild", rebuildstore}, {"keeping", rebuildkeepingstudy}};

class RebuildFaults : public ScratchTest {
protected:
    void SetUp() override
    {
        ScratchTest::SetUp();
        writestore({{"harbour", "A haven.", RevisionMark, LevelEasy}, {"berth", "A pier.", RevisionMark, LevelUnknown}});
        oldstore = readwholefile(STOREFILE);
        writewholefile(SOURCEFILE, THREEENTRIES);
        use(COMMANDS[0]);
        oldlist = {"berth", "harbour"};  // as the start fills it
    }

    // The rebuild the tests run from now on, and the new store it makes.
    void use(const Command &c)
    {
        command = &c;
        Rebuilt clean = rebuild([] {});
        ASSERT_EQ(clean.result, 1) << c.name;
        newstore = clean.store;
        newlist = clean.list;
        ASSERT_EQ(newstore.size(), 3u * RECORDSIZE);
        writewholefile(STOREFILE, oldstore);
    }

    // Starts from the old store and its full list, injects, rebuilds.
    Rebuilt rebuild(const std::function<void()> &inject)
    {
        writewholefile(STOREFILE, oldstore);
        Dialog d = headlesscreate();
        fillwordlist(d);
        clearfilefaults();
        d->messages.clear();
        d->answers.push_back(ANSWER_YES);
        inject();
        Rebuilt out;
        out.result = command->run(d);
        out.faults = filefaults;
        clearfilefaults();
        out.store = readwholefile(STOREFILE);
        out.list = findcontrol(d, IDC_WORDLIST)->items;
        out.done = !d->messages.empty() && d->messages.back().text.compare(0, strlen(DONE), DONE) == 0;
        for (size_t i = 1; i < d->messages.size(); ++i)
            if (i + 1 < d->messages.size() || !out.done) out.errors.push_back(d->messages[i].text);
        out.leftover = std::filesystem::exists(NEWSTOREFILE);
        headlessdestroy(d);
        return out;
    }

    // What every rebuild must show, fault or not; told, when given, is the
    // one message a rebuild that keeps the old store shows.
    void expectoldornew(const Rebuilt &r, bool struck, const string &what, const char *told = nullptr)
    {
        bool old = r.store == oldstore;
        bool whole = r.store == newstore;
        ASSERT_TRUE(old || whole) << what << ": the store is the whole old or the whole new one";
        if (old) {
            EXPECT_EQ(r.result, 0) << what;
            EXPECT_FALSE(r.done) << what << ": no success is told";
            EXPECT_FALSE(r.errors.empty()) << what << ": the failure is told";
            if (told != nullptr) {
                EXPECT_EQ(r.errors, vector<string>{told}) << what;
            }
            EXPECT_EQ(r.list, oldlist) << what << ": the list shows the store in use";
            EXPECT_FALSE(r.leftover) << what << ": no half-written store is left";
        } else {
            EXPECT_EQ(r.result, 1) << what;
            EXPECT_TRUE(r.done) << what;
            EXPECT_TRUE(r.list == newlist || !r.errors.empty())
                << what << ": an incomplete list is told";
        }
        if (!struck) {
            EXPECT_TRUE(whole && r.errors.empty() && r.list == newlist)
                << what << ": with no fault the rebuild succeeds";
        } else {
            EXPECT_TRUE(!r.errors.empty() || (whole && r.list == newlist))
                << what << ": a fault that changed the outcome is told";
        }
    }

    string oldstore, newstore;
    vector<string> oldlist, newlist;
    const Command *command = nullptr;
};

struct SweptFile {
    const char *path;
    CountedFault kind;
    const char *told;  // the message when the old store is kept; null where it varies
};

// For every file and every kind of counted fault: the first, the second, ...
// operation fails, until one past the last that happens.  The store was once
// opened for writing, and so emptied, before anything was known to work: any
// failure after that lost the whole dictionary.
TEST_F(RebuildFaults, AFailedOpenReadOrWriteOfAnyFileLeavesTheOldStoreOrTheWholeNewOne)
{
    const SweptFile rows[] = {
        {SOURCEFILE, FAILEDOPEN, SOURCEMISSING},     {SOURCEFILE, FAILEDREAD, SOURCEUNREADABLE},
        {SOURCEFILE, FAILEDWRITE, nullptr},          {NEWSTOREFILE, FAILEDOPEN, STORENOTWRITTEN},
        {NEWSTOREFILE, FAILEDREAD, nullptr},         {NEWSTOREFILE, FAILEDWRITE, STORENOTWRITTEN},
        {STOREFILE, FAILEDOPEN, nullptr},            {STOREFILE, FAILEDREAD, nullptr},
        {STOREFILE, FAILEDWRITE, nullptr},
        // the keeping rebuild once counted an entry whose word found no room, and its sort read far outside them
        {STOREFILE, FAILEDBLOCK, nullptr},
    };
    int injected = 0;
    for (const Command &c : COMMANDS) {
        use(c);
        for (const SweptFile &row : rows) {
            injected += sweepfault([&](int n) {
                Rebuilt r = rebuild([&] {
                    filefaults.path = row.path;
                    filefaults.*row.kind.nth = n;
                });
                bool struck = r.faults.*row.kind.made >= n;
                expectoldornew(r, struck,
                               string(c.name) + ", " + row.kind.kind + " number " + std::to_string(n) + " of " + row.path,
                               row.told);
                return struck;
            });
        }
    }
    printf("[ figures  ] both rebuilds: %d failed opens, reads and writes injected\n", injected);
    // the source is read whole twice (its encoding, then its entries)
    EXPECT_GE(injected, 11) << "every open, read and write of the three files was made to fail";
}

// A store renamed into place before it was on the disk could be empty or
// zeros after a power cut: the whole dictionary lost.
TEST_F(RebuildFaults, TheNewStoreIsOnTheDiskBeforeItTakesTheOldOnesPlace)
{
    for (const Command &c : COMMANDS) {
        use(c);
        Rebuilt r = rebuild([] {});
        EXPECT_EQ(r.faults.flushes, 1) << c.name << ": the new store, with the marks and levels it keeps";
        EXPECT_EQ(r.faults.flushesatreplace, 1) << c.name << ": before the replace";
    }
}

struct Switched {
    const char *what;
    const char *path;
    bool FileFaults::*fault;
    bool keepsold;
    bool keepsoldkeeping;  // the rebuild that keeps marks and levels reads the old store first
    const char *told;      // the message when the old store is kept; null where it varies
};

TEST_F(RebuildFaults, AFailedCloseReplaceOrAReadOnlyFileIsToldAndLeavesTheOldStoreWhereItMatters)
{
    const Switched rows[] = {
        {"the new store fails to close", NEWSTOREFILE, &FileFaults::failclose, true, true, STORENOTWRITTEN},
        {"the new store cannot be created", NEWSTOREFILE, &FileFaults::readonly, true, true, STORENOTWRITTEN},
        {"the new store cannot be put on the disk", NEWSTOREFILE, &FileFaults::failflush, true, true, STORENOTWRITTEN},
        {"the replace fails", STOREFILE, &FileFaults::failreplace, true, true, STORENOTWRITTEN},
        {"the store has become read-only", STOREFILE, &FileFaults::readonly, true, true, STORENOTWRITTEN},
        {"the source fails to close after its last line", SOURCEFILE, &FileFaults::failclose, false, false, nullptr},
        {"the source is read-only", SOURCEFILE, &FileFaults::readonly, false, false, nullptr},
        {"the store fails to close after the list is refilled", STOREFILE, &FileFaults::failclose, false, true, nullptr},
    };
    for (const Command &c : COMMANDS) {
        use(c);
        for (const Switched &row : rows) {
            Rebuilt r = rebuild([&] {
                filefaults.path = row.path;
                filefaults.*row.fault = true;
            });
            expectoldornew(r, true, string(c.name) + ", " + row.what, row.told);
            EXPECT_EQ(r.store == oldstore, c.run == rebuildkeepingstudy ? row.keepsoldkeeping : row.keepsold) << c.name << ", " << row.what;
        }
    }
}

// Where in the 3 x 8104 bytes of the new store writing stops: every record
// boundary, the bytes around it, and the bytes around each field's end.
static vector<long long> stoppoints()
{
    vector<long long> points;
    for (long long record = 0; record < 3; ++record)
        for (long long at : {0, 1, 2, 101, 102, 103, 8101, 8102, 8103})
            points.push_back(record * RECORDSIZE + at);
    for (long long at = 0; at < 3 * RECORDSIZE; at += 997) points.push_back(at);
    return points;
}

// A crash freezes the files as they are when writing stops: the store on
// disk at that moment, and after the rebuild has given up, is the old one.
TEST_F(RebuildFaults, StoppedAfterAnyNumberOfBytesTheStoreIsTheWholeOldOne)
{
    int stops = 0;
    for (const Command &c : COMMANDS) {
        use(c);
        for (long long limit : stoppoints()) {
            storeatstop = "never stopped";
            Rebuilt r = rebuild([&] {
                filefaults.path = NEWSTOREFILE;
                filefaults.writelimit = limit;
                filefaults.atstop = snapshotstore;
            });
            string what = string(c.name) + ", stopped after " + std::to_string(limit) + " bytes";
            ASSERT_TRUE(storeatstop == oldstore) << what << ": at the moment of the stop";
            expectoldornew(r, true, what, STORENOTWRITTEN);
            EXPECT_TRUE(r.store == oldstore) << what;
            ++stops;
        }
        Rebuilt r = rebuild([&] {
            filefaults.path = NEWSTOREFILE;
            filefaults.writelimit = 3 * RECORDSIZE;
        });
        expectoldornew(r, false, string(c.name) + ", room for exactly the new store");
    }
    printf("[ figures  ] both rebuilds: stopped after %d different numbers of bytes\n", stops);
}

// The list was once refilled from the new store without a look at the reads:
// a read that failed left words out of it, and "Rebuilding done!" was all
// the user heard.
TEST_F(RebuildFaults, ARefilledListThatMissesWordsOfTheNewStoreIsTold)
{
    Rebuilt r = rebuild([] {
        filefaults.path = STOREFILE;
        filefaults.failread = 2;
    });
    EXPECT_TRUE(r.store == newstore);
    EXPECT_EQ(r.list, vector<string>{"Anchor"});
    EXPECT_EQ(r.errors, vector<string>{STOREMISSING});
    EXPECT_TRUE(r.done) << "the store itself was rebuilt";
}

// A crash leaves the unfinished new store behind; it is no part of the store.
TEST_F(RebuildFaults, ANewStoreLeftByACrashIsOverwrittenByTheNextRebuild)
{
    writewholefile(NEWSTOREFILE, string(RECORDSIZE * 5 + 17, 'x'));
    Rebuilt r = rebuild([] {});
    expectoldornew(r, false, "after a crash");
    EXPECT_TRUE(r.store == newstore);
}
