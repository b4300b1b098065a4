// The upgrade of the learner's word file by a release's, three ways against
// the base setup installed, and the store rebuilt from it keeping every mark
// and level: a table of base x learner x release -> the learner's word file
// afterwards, and every open, read, write, flush and replace of an upgrade
// failed in turn, each followed by a retry that completes it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "dictionary/compile.h"
#include "dictionary/rebuild.h"
#include "dictionary/store.h"
#include "dictionary/wordupgrade.h"
#include "tests/support/faultsweep.h"
#include "tests/support/filefaults.h"
#include "tests/support/scratch.h"

using std::string;

static const char BASE[] = "base.txt", RELEASE[] = "release.txt";
static const char ABC[] = "a marvoc\nA.\nb marvoc\nB.\nc marvoc\nC.\n";

// What the report tells, in a line: each count that is not 0 with its names.
static string told(const UpgradeReport &r)
{
    string line;
    const NamedWords *lists[] = {&r.merge.added, &r.merge.updated, &r.merge.own, &r.merge.conflicts, &r.merge.studied};
    const char *labels[] = {"added", "updated", "own", "conflicts", "studied"};
    for (int i = 0; i < 5; ++i) {
        if (lists[i]->count == 0) continue;
        line += string(line.empty() ? "" : " ") + labels[i] + ":";
        for (int n = 0; n < lists[i]->count && n < NAMEDMOST; ++n) line += string(n ? "," : "") + lists[i]->names[n];
    }
    return line + (r.merge.writenew ? " new" : "");
}

// Gives the entry with this headword in the store the revision mark.
static void markword(const char *word, const char *path = STOREFILE)
{
    string store = readwholefile(path);
    for (size_t at = 0; at + RECORDSIZE <= store.size(); at += RECORDSIZE)
        if (strcmp(store.data() + at + 2, word) == 0) store[at] = (char)RevisionMark;
    writewholefile(path, store);
}

class WordUpgrade : public ScratchTest {
protected:
    // The learner's folder: the word file, its store with word marked, the base and the release.
    void arrange(const char *base, const string &learner, const string &release, const char *word = nullptr)
    {
        std::filesystem::remove(BASE);
        if (base) writewholefile(BASE, base);
        std::filesystem::remove(SOURCEFILE);
        if (!learner.empty()) writewholefile(SOURCEFILE, learner);
        writewholefile(RELEASE, release);
        std::filesystem::remove(STOREFILE);
        compilefiles(SOURCEFILE, STOREFILE);
        if (word) markword(word);
    }
    Upgraded upgrade(UpgradeReport *r) { return upgradewordfile("", std::filesystem::exists(BASE) ? BASE : nullptr, RELEASE, r); }
};

struct UpgradeRow {
    const char *what;
    const char *base;  // null: none
    string learner;
    string release;
    string merged;     // the learner's word file afterwards
    Upgraded result;
    const char *told;
    const char *marked = nullptr;  // the headword the learner's store marks
};

TEST_F(WordUpgrade, EachRuleOfTheMergeGivesTheLearnersWordFile)
{
    const string bom = "\xEF\xBB\xBF";
    string lines;  // past the first block read: the encoding is told there
    for (int i = 0; i < 12000; ++i) lines += "Line.\n";
    const string longbase = "a marvoc\n" + lines + "b marvoc\nB.\n", longlearner = "a marvoc\n" + lines + "b marvoc\nB caf\xC3\xA9.\n";
    const UpgradeRow rows[] = {
        {"changed by the release only", ABC, ABC, "a marvoc\nA.\nb marvoc\nB2.\nc marvoc\nC.\n",
         "a marvoc\nA.\nb marvoc\nB2.\nc marvoc\nC.\n", UPGRADED, "updated:b"},
        {"changed by the learner only", ABC, "a marvoc\nA.\nb marvoc\nMine.\nc marvoc\nC.\n", "a marvoc\nA2.\nb marvoc\nB.\nc marvoc\nC.\n",
         "a marvoc\nA2.\nb marvoc\nMine.\nc marvoc\nC.\n", UPGRADED, "updated:a own:b"},
        {"changed by both", ABC, "a marvoc\nA.\nb marvoc\nMine.\nc marvoc\nC.\n", "a marvoc\nA.\nb marvoc\nB2.\nc marvoc\nC.\n",
         "a marvoc\nA.\nb marvoc\nMine.\nc marvoc\nC.\n", UPGRADED, "conflicts:b new"},
        {"changed by both alike", ABC, "a marvoc\nA.\nb marvoc\nB2.\nc marvoc\nC.\n", "a marvoc\nA.\nb marvoc\nB2.\nc marvoc\nC.\n",
         "a marvoc\nA.\nb marvoc\nB2.\nc marvoc\nC.\n", UPGRADED, ""},
        {"new in the release, after the entry before it, or at the end", ABC, "c marvoc\nC.\nz marvoc\nZ.\na marvoc\nA.\nb marvoc\nB.\n",
         "0 marvoc\nO.\na marvoc\nA.\nab marvoc\nAB.\nb marvoc\nB.\nc marvoc\nC.\n",
         "c marvoc\nC.\nz marvoc\nZ.\na marvoc\nA.\nab marvoc\nAB.\nb marvoc\nB.\n0 marvoc\nO.\n", UPGRADED, "added:0,ab own:z"},
        {"removed by the release", ABC, ABC, "a marvoc\nA.\nc marvoc\nC.\n", "a marvoc\nA.\nc marvoc\nC.\n", UPGRADED, ""},
        {"removed by the release, marked in the store", ABC, ABC, "a marvoc\nA.\nc marvoc\nC.\n", ABC, UPGRADED, "studied:b", "b"},
        {"removed by the release, changed by the learner", ABC, "a marvoc\nA.\nb marvoc\nMine.\nc marvoc\nC.\n",
         "a marvoc\nA.\nc marvoc\nC.\n", "a marvoc\nA.\nb marvoc\nMine.\nc marvoc\nC.\n", UPGRADED, "conflicts:b new"},
        {"removed by the learner", ABC, "a marvoc\nA.\nc marvoc\nC.\n", "a marvoc\nA.\nb marvoc\nB2.\nc marvoc\nC2.\n",
         "a marvoc\nA.\nc marvoc\nC2.\n", UPGRADED, "updated:c"},
        {"the second entry of a headword", "b marvoc\n1.\nb marvoc\n2.\n", "b marvoc\n1.\nb marvoc\n2.\n", "b marvoc\n1.\nb marvoc\n2b.\n",
         "b marvoc\n1.\nb marvoc\n2b.\n", UPGRADED, "updated:b"},
        {"UTF-8 with its mark and CR LF: the release's LF entry written so", ABC, bom + "a marvoc\r\nA.\r\nb marvoc\r\nB.\r\n",
         "a marvoc\nA.\nb marvoc\nB.\nc marvoc\nC.\n\xC3\xA9 marvoc\n\xC3\xA9t\xC3\xA9\n",
         bom + "a marvoc\r\nA.\r\nb marvoc\r\nB.\r\n\xC3\xA9 marvoc\r\n\xC3\xA9t\xC3\xA9\r\n", UPGRADED, "added:\xE9"},
        {"UTF-8 first past 64 KB", longbase.c_str(), longlearner, longbase + "d marvoc\nD \xC3\xA9.\n",
         longlearner + "d marvoc\nD \xC3\xA9.\n", UPGRADED, "added:d own:b"},
        {"ANSI: a UTF-8 entry of the release in ANSI", ABC, "a marvoc\nA caf\xE9.\nb marvoc\nB.\nc marvoc\nC.\n",
         "a marvoc\nA.\nb marvoc\nB.\nc marvoc\nC \xC3\xA9t\xC3\xA9.\n", "a marvoc\nA caf\xE9.\nb marvoc\nB.\nc marvoc\nC \xE9t\xE9.\n",
         UPGRADED, "updated:c own:a"},
        {"UTF-8 without its mark: an ANSI entry of the release in UTF-8", ABC, "a marvoc\nA caf\xC3\xA9.\nb marvoc\nB.\nc marvoc\nC.\n",
         "a marvoc\nA.\nb marvoc\nB.\nc marvoc\nC \xE9t\xE9.\n", "a marvoc\nA caf\xC3\xA9.\nb marvoc\nB.\nc marvoc\nC \xC3\xA9t\xC3\xA9.\n",
         UPGRADED, "updated:c own:a"},
        {"ANSI, and a release entry it cannot hold: refused", ABC, "a marvoc\nA caf\xE9.\nb marvoc\nB.\nc marvoc\nC.\n",
         "a marvoc\nA.\nb marvoc\nB.\nc marvoc\nC \xCE\xB1.\n", "a marvoc\nA caf\xE9.\nb marvoc\nB.\nc marvoc\nC.\n", UPGRADEREFUSED,
         "updated:c own:a"},
        {"no base: only the headwords the learner lacks", nullptr, "a marvoc\nA.\nb marvoc\nMine.\n",
         "a marvoc\nA2.\nb marvoc\nB.\nd marvoc\nD.\n", "a marvoc\nA.\nb marvoc\nMine.\nd marvoc\nD.\n", UPGRADED, "added:d new"},
        {"a base that is no word file: no base", "\xFF\xFE" "a", "a marvoc\nA.", "a marvoc\nA2.\nd marvoc\nD.\n",
         "a marvoc\nA.\nd marvoc\nD.\n", UPGRADED, "added:d new"},
        {"the release's words are the base's", ABC, "a marvoc\nMine.", ABC, "a marvoc\nMine.", UPGRADEUNCHANGED, ""},
        {"the learner's file as UTF-16", ABC, "\xFF\xFE" "a\0 \0", "a marvoc\nA2.\n", "\xFF\xFE" "a\0 \0", UPGRADEREFUSED, ""},
        {"the learner's file with a NUL byte", ABC, string("a marvoc\nA\0.\n", 13), "a marvoc\nA2.\n", string("a marvoc\nA\0.\n", 13),
         UPGRADEREFUSED, ""},
        {"the learner's file with no headword", ABC, "A.\n", "a marvoc\nA2.\n", "A.\n", UPGRADEREFUSED, ""},
        {"the release's file with no headword", ABC, ABC, "A.\n", ABC, UPGRADEREFUSED, ""},
        {"no word file of the learner's", ABC, "", ABC + string("d marvoc\nD.\n"), "", UPGRADEREFUSED, ""},
    };
    for (const UpgradeRow &row : rows) {
        arrange(row.base, row.learner, row.release, row.marked);
        string store = readwholefile(STOREFILE);
        UpgradeReport report;
        EXPECT_EQ(upgrade(&report), row.result) << row.what;
        EXPECT_EQ(readwholefile(SOURCEFILE), row.merged) << row.what;
        EXPECT_EQ(told(report), row.told) << row.what;
        if (row.result != UPGRADED) {
            EXPECT_EQ(readwholefile(STOREFILE), store) << row.what << ": the store untouched";
            continue;
        }
        EXPECT_TRUE(row.merged == row.learner || readwholefile(BACKUPFILE) == row.learner) << row.what << ": the file as it was";
        compilefiles(SOURCEFILE, "merged.bin");
        if (row.marked) markword(row.marked, "merged.bin");
        EXPECT_TRUE(readwholefile(STOREFILE) == readwholefile("merged.bin")) << row.what << ": the store is the merged file's";
        EXPECT_EQ(report.carried, row.marked ? 1 : 0) << row.what;
        EXPECT_FALSE(std::filesystem::exists(MERGEDFILE) || std::filesystem::exists(BACKUPTEMPFILE) ||
                     std::filesystem::exists(NEWSTOREFILE))
            << row.what;
    }
}

// The learner marked b, which the release removes, changed a and added z;
// the release changes c and adds d.  Every counted call of the upgrade fails
// in turn, then each flush and each replace: the learner's files are as they
// were, or the store is the merged file's beside the word file as it was, or
// both are merged, and a retry then ends exactly as the upgrade with no fault.
TEST_F(WordUpgrade, AFailureAnywhereLosesNothingAndARetryCompletesTheUpgrade)
{
    const string learner = "a marvoc\nMine.\nb marvoc\nB.\nc marvoc\nC.\nz marvoc\nZ.\n";
    auto start = [&] { arrange(ABC, learner, "a marvoc\nA.\nc marvoc\nC2.\nd marvoc\nD.\n", "b"); };
    start();
    const string oldstore = readwholefile(STOREFILE);
    UpgradeReport report;
    ASSERT_EQ(upgrade(&report), UPGRADED);
    const string merged = readwholefile(SOURCEFILE), newstore = readwholefile(STOREFILE);
    ASSERT_EQ(merged, "a marvoc\nMine.\nb marvoc\nB.\nc marvoc\nC2.\nd marvoc\nD.\nz marvoc\nZ.\n");
    int injected = 0;
    auto failthenretry = [&](const string &what, const std::function<void()> &inject) {
        start();
        inject();
        Upgraded result = upgrade(&report);
        FileFaults made = filefaults;
        clearfilefaults();
        string source = readwholefile(SOURCEFILE), store = readwholefile(STOREFILE);
        EXPECT_TRUE((source == learner && (store == oldstore || store == newstore)) || (source == merged && store == newstore))
            << what;
        EXPECT_TRUE(result == UPGRADED || result == UPGRADEFAILED) << what;
        EXPECT_FALSE(std::filesystem::exists(MERGEDFILE) || std::filesystem::exists(BACKUPTEMPFILE) ||
                     std::filesystem::exists(NEWSTOREFILE))
            << what << ": no temporary file left";
        EXPECT_EQ(upgrade(&report), UPGRADED) << what << ": the retry";
        EXPECT_TRUE(readwholefile(SOURCEFILE) == merged && readwholefile(STOREFILE) == newstore &&
                    readwholefile(BACKUPFILE) == learner)
            << what << ": the retry completes it";
        ++injected;
        return made;
    };
    for (const CountedFault &kind : {FAILEDOPEN, FAILEDREAD, FAILEDPART, FAILEDSKIP, FAILEDWRITE})
        sweepfault([&](int n) {
            FileFaults made = failthenretry(string(kind.kind) + " number " + std::to_string(n),
                                            [&] { filefaults.*kind.nth = n; });
            return made.*kind.made >= n;
        });
    for (const char *path : {MERGEDFILE, BACKUPTEMPFILE, NEWSTOREFILE, SOURCEFILE, STOREFILE, BACKUPFILE})
        for (bool FileFaults::*fault : {&FileFaults::failflush, &FileFaults::failreplace, &FileFaults::failclose})
            failthenretry(string("flush, replace or close of ") + path, [&] {
                filefaults.path = path;
                filefaults.*fault = true;
            });
    // writing stopped part way, as a crash stops it: at that moment the learner's files are as they were
    static string atstop;
    for (const char *path : {MERGEDFILE, BACKUPTEMPFILE, NEWSTOREFILE})
        for (long long limit : {0, 9, 30}) {
            atstop.clear();
            failthenretry(string("writing ") + path + " stopped", [&] {
                filefaults.path = path;
                filefaults.writelimit = limit;
                filefaults.atstop = [] { atstop = readwholefile(SOURCEFILE) + readwholefile(STOREFILE); };
            });
            EXPECT_EQ(atstop, learner + oldstore) << path << " stopped after " << limit << " bytes";
        }
    printf("[ figures  ] the upgrade: %d faults injected, each followed by a retry\n", injected);
}
