// The scans that only read the store: the full fill of the word list, the
// narrowed list, the two related-word searches and the lookup, with the first, the
// second, ... read of the store failing.  Each says that it could not read
// the whole store instead of showing part of it as all there is; none
// writes the store.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/filefaults.h"
#include "dictionary/lookup.h"
#include "dictionary/search.h"
#include "dictionary/store.h"
#include "dictionary/wordlist.h"
#include "tests/headless.h"
#include "tests/support/faultsweep.h"
#include "tests/support/scratch.h"

using std::string;
using std::vector;

struct Scan {
    const char *what;
    void (*run)(Dialog d);
};

static void searchfor(Dialog d, SearchMode mode)
{
    char query[QUERYSIZE] = "a";
    searchrelated(d, query, mode);
}

// a word that is no entry's: the lookup reads every record
static void lookupmiss(Dialog d)
{
    findcontrol(d, IDC_WORD)->text = "anchorage";
    lookupword(d, TRIGGER_TYPING);
}

static const Scan SCANS[] = {
    {"the full fill of the word list", [](Dialog d) { fillwordlist(d); }},
    {"the narrowed word list", [](Dialog d) { filterwordlist(d); }},
    {"the all-words search", [](Dialog d) { searchfor(d, SearchAllWords); }},
    {"the phrase search", [](Dialog d) { searchfor(d, SearchPhrase); }},
    {"the lookup of a word that is no entry's", lookupmiss},
};

using ScanFaults = ScratchTest;

// These scans once stopped at a failed read as at the end of the store: the
// list or the results showed part of the store as the whole of it, and the
// lookup "<<SEARCHING>>" for a word it had not looked for in every entry.
// Each kind of read fails at its first, second, ... call, once or from then
// on; the part-reads and skips only where a scan reads records in parts.
TEST_F(ScanFaults, AReadThatFailsHalfwayThroughTheStoreIsTold)
{
    writestore({{"anchor", "A heavy hook.", 0, LevelHard},
                {"berth", "A ship's place.", 0, LevelHard},
                {"quay", "A landing.", 0, LevelHard}});
    string before = readwholefile(STOREFILE);
    int injected = 0;
    for (bool fromthenon : {false, true}) {
        for (const Scan &scan : SCANS) {
            for (const CountedFault &kind : {FAILEDREAD, FAILEDPART, FAILEDSKIP}) {
                injected += sweepfault([&](int n) {
                    Dialog d = headlesscreate();
                    clearfilefaults();
                    filefaults.path = STOREFILE;
                    filefaults.fromthenon = fromthenon;
                    filefaults.*kind.nth = n;
                    scan.run(d);
                    bool struck = filefaults.*kind.made >= n;
                    clearfilefaults();
                    vector<string> shown = messagesof(d);
                    headlessdestroy(d);
                    string what = string(scan.what) + ", " + kind.kind + " number " + std::to_string(n) +
                                  (fromthenon ? " and on" : "");
                    EXPECT_TRUE(readwholefile(STOREFILE) == before) << what;
                    if (!struck) {
                        EXPECT_TRUE(shown.empty()) << what << ": with no fault nothing is told";
                        return false;
                    }
                    EXPECT_EQ(shown, vector<string>{STOREMISSING}) << what;
                    return true;
                });
            }
        }
    }
    printf("[ figures  ] list, search and lookup: %d failed reads, part-reads and skips injected\n", injected);
    EXPECT_GE(injected, 2 * 15) << "each of the three records, in each of the five scans, read whole or in parts";
}
