// Archives and folders that setup must refuse, and failures while it writes:
// none of them writes outside the folder, and none writes the install record.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>

#include "inst/files.h"
#include "inst/install.h"
#include "inst/paths.h"
#include "inst/uninstall.h"
#include "tests/setup/shellmodel.h"
#include "tests/registrymodel.h"
#include "tests/setup/setupfixture.h"
#include "tests/support/faultsweep.h"
#include "tests/support/setupfaults.h"
#include "tests/support/filefaults.h"
#include "dictionary/compile.h"
#include "dictionary/store.h"
#include <functional>

using Refusal = SetupTest;
using std::string;
using Names = std::vector<string>;

static bool norecord() { return !modelhaskey(PARENT); }

TEST_F(Refusal, MissingArchiveFailsBothPassesAndCreatesNoFolder)
{
    EXPECT_EQ(listarchive(), INSTALLFAILED);
    EXPECT_EQ(extractinto("out"), INSTALLFAILED);
    EXPECT_TRUE(tree().empty());
    EXPECT_TRUE(norecord());
}

struct NameRow {
    string name;
    bool accepted;
};

TEST_F(Refusal, HostileNamesAreRefusedBeforeTheFirstFileIsWritten)
{
    const NameRow rows[] = {
        {"..\\escape.txt", false}, {"../escape.txt", false}, {"..", false}, {".", false},
        {"sub\\..\\..\\escape.txt", false}, {"\\rooted.txt", false}, {"/rooted.txt", false},
        {"C:\\escape.txt", false}, {"C:escape.txt", false}, {"\\\\server\\share\\x", false},
        {"\\\\?\\C:\\x", false}, {"\\\\.\\COM1", false}, {"file.txt:stream", false},
        {"sub\\file.txt", false}, {"CON", false}, {"nul.txt", false}, {"Com1", false},
        {"LPT9.log", false}, {"aux .txt", false}, {"conout$", false}, {"com\xB9", false},
        {"dot.", false}, {"space ", false},
        // two names for one file once gave two "kept" lines for one file, or one file for two
        {"first.txt", false}, {"FIRST.TXT", false}, {"", false}, {"a*b", false}, {"tab\tname", false},
        {string(50, 'x'), false},  // no NUL inside the field
        {string(49, 'x'), true}, {"..hidden", true}, {"CONFIG.SYS", true}, {"COM10", true},
        {"nully.txt", true}, {"caf\xE9.txt", true}, {" lead.txt", true},
    };
    for (const NameRow &row : rows) {
        std::filesystem::remove_all("out");
        listlog.clear();
        resetregistry();
        writewholefile(ARCHIVE, archive("", "Prog", {{"first.txt", "1"}, {row.name, "2"}}));
        SCOPED_TRACE("name \"" + row.name + "\"");
        if (row.accepted) {
            EXPECT_EQ(listarchive(), INSTALLDONE);
            EXPECT_EQ(extractinto("out"), INSTALLDONE);
            EXPECT_EQ(readwholefile("out/" + row.name), "2");
            continue;
        }
        EXPECT_EQ(listarchive(), INSTALLFAILED);
        EXPECT_TRUE(listlog.empty()) << "not even the sound first name is listed";
        EXPECT_EQ(extractinto("out"), INSTALLFAILED);
        EXPECT_EQ(tree(), (Names{"data"})) << "neither the folder nor the first file is written";
        EXPECT_TRUE(norecord());
    }
    EXPECT_FALSE(exists("/rooted.txt"));
}

static string uppercase(string text)
{
    for (char &c : text) c = (char)toupper((unsigned char)c);
    return text;
}

struct GuardRow {
    string folder;
    string name;    // of the second file, whose bytes are "abc"
    string over;    // what it would be written over; empty when it installs
};

// The scratch folder's own path is one of the folders, so the test's name is
// short: the folder must fit in 98 characters.
TEST_F(Refusal, SelfOverwriteIsRefused)
{
    const string here = std::filesystem::current_path().string();
    std::vector<GuardRow> rows = {
        {".", "data", "the file data itself"},
        {".\\", "DATA", "the file data itself"},
        {here, "Data", "the file data itself"},
        {uppercase(here) + "\\", "data", "the file data itself"},
        {"out\\..", "dAtA", "the file data itself"},
        {"out", "data", ""},
        {".", "data.txt", ""},
        {".", "setup.exe", ""},  // the running program lies elsewhere
        // setup's own files beside the program
        {"out", "install.lst", "the record of what setup installed"},
        {"out", "Uninstall.EXE", "the uninstaller"},
        {"out", "install.lst.txt", ""},
        // a reinstall writes over nothing it did not write: NAME.bak is a name like any other
        {"out", "first.txt.bak", ""},
        {"out", "first.txt.new", ""},
    };
    char program[FULLPATHSIZE];
    ASSERT_TRUE(programpathname(program, sizeof program));
    std::filesystem::path self(program);
    const bool selffits = folderfits(self.parent_path().string().c_str());
    if (selffits) rows.push_back({self.parent_path().string(), uppercase(self.filename().string()), "the running setup"});
    for (const GuardRow &row : rows) {
        SCOPED_TRACE("folder \"" + row.folder + "\", name \"" + row.name + "\"");
        std::filesystem::remove_all("out");
        resetregistry();
        const string bytes = archive("", "Prog", {{"first.txt", "1"}, {row.name, "abc"}});
        writewholefile(ARCHIVE, bytes);
        EXPECT_EQ(listarchive(), INSTALLDONE) << "the name alone is sound";
        int result = extractinto(row.folder);
        if (row.over.empty()) {
            EXPECT_EQ(result, INSTALLDONE);
            EXPECT_EQ(readwholefile((row.folder == "." ? "" : row.folder + "/") + row.name), "abc");
            EXPECT_EQ(installreason, string());
            if (row.folder == ".") {
                std::filesystem::remove(row.name);
                std::filesystem::remove("first.txt");
                std::filesystem::remove("install.lst");
            }
            continue;
        }
        EXPECT_EQ(result, INSTALLFAILED);
        EXPECT_EQ(installreason, "The file data holds a file that would be written over " + row.over + ": " + row.name);
        EXPECT_EQ(tree(), (Names{"data"})) << "not even the first file is written";
        EXPECT_EQ(readwholefile(ARCHIVE), bytes) << "the archive is whole and may be tried again";
        EXPECT_TRUE(norecord());
    }
    if (!selffits) GTEST_SKIP() << "the row of the running setup: the test program's folder is too long to install into";
}

TEST_F(Refusal, ArchiveCutShortAtAnyByteIsRefusedWithoutWritingFFBytes)
{
    string whole = archive("", "Prog", {{"a.txt", "abc"}, {"b.txt", ""}});
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        writewholefile(ARCHIVE, whole.substr(0, cut));
        listlog.clear();
        ASSERT_EQ(listarchive(), INSTALLFAILED) << "cut at " << cut;
        ASSERT_TRUE(listlog.empty()) << "cut at " << cut;
        ASSERT_EQ(extractinto("out"), INSTALLFAILED) << "cut at " << cut;
        ASSERT_EQ(tree(), (Names{"data"})) << "cut at " << cut;
        ASSERT_TRUE(norecord()) << "cut at " << cut;
    }
    writewholefile(ARCHIVE, whole);
    EXPECT_EQ(extractinto("out"), INSTALLDONE) << "the whole archive installs";
}

struct CountRow {
    const char *what;
    int32_t count;
    int32_t size;  // of the one file, whose bytes are "abc"
    bool accepted;
};

TEST_F(Refusal, NegativeAndHugeCountsAndSizesAreRefused)
{
    const CountRow rows[] = {
        {"count -1", -1, 3, false},         {"count INT32_MIN", INT32_MIN, 3, false},
        {"count INT32_MAX", INT32_MAX, 3, false}, {"count one over", 2, 3, false},
        {"size -1", 1, -1, false},          {"size INT32_MIN", 1, INT32_MIN, false},
        {"size INT32_MAX", 1, INT32_MAX, false}, {"size one over", 1, 4, false},
        {"size exact fit", 1, 3, true},     {"size one short leaves a trailing byte", 1, 2, true},
    };
    for (const CountRow &row : rows) {
        std::filesystem::remove_all("out");
        resetregistry();
        writewholefile(ARCHIVE, header("", "Prog", row.count) + entry("a.txt", row.size) + "abc");
        int expected = row.accepted ? INSTALLDONE : INSTALLFAILED;
        EXPECT_EQ(listarchive(), expected) << row.what;
        EXPECT_EQ(extractinto("out"), expected) << row.what;
        EXPECT_EQ(norecord(), !row.accepted) << row.what;
        if (!row.accepted) {
            EXPECT_EQ(tree(), (Names{"data"})) << row.what;
        }
    }
}

struct FolderRow {
    string folder;
    int result;
    const char *note;
};

TEST_F(Refusal, EmptyTooLongOrUncreatableFoldersAreNotAcceptableAndMayBeRetried)
{
    writewholefile("afile", "");
    const string name49(49, 'n');
    writewholefile(ARCHIVE, archive("", "Prog", {{name49, "x"}}));
    const FolderRow rows[] = {
        {"", INSTALLBADFOLDER, "empty: never the root of the drive"},
        {"   ", INSTALLBADFOLDER, "only spaces"},
        {string(98, 'd'), INSTALLDONE, "98 characters and the backslash fit exactly"},
        {string(98, 'e') + "\\", INSTALLDONE, "99 characters ending in a backslash fit"},
        {string(99, 'f'), INSTALLBADFOLDER, "99 characters leave no room for the backslash"},
        {"missing\\out", INSTALLBADFOLDER, "the parent does not exist"},
        {"afile", INSTALLBADFOLDER, "a file is in the way"},
    };
    for (const FolderRow &row : rows) {
        resetregistry();
        EXPECT_EQ(extractinto(row.folder), row.result) << row.note;
        EXPECT_EQ(norecord(), row.result != INSTALLDONE) << row.note;
    }
    EXPECT_EQ(readwholefile(string(98, 'd') + "/" + name49), "x") << "the longest folder and name";
    EXPECT_EQ(tree(), (Names{"afile", "data", string(98, 'd'), string(98, 'd') + "/install.lst",
                             string(98, 'd') + "/" + name49, string(98, 'e'), string(98, 'e') + "/install.lst",
                             string(98, 'e') + "/" + name49}));
    setupfaults.failfolder = true;
    EXPECT_EQ(extractinto("other"), INSTALLBADFOLDER) << "a folder the system refuses";
    setupfaults.failfolder = false;
    EXPECT_EQ(extractinto("other"), INSTALLDONE) << "the user may try again";
}

TEST_F(Refusal, UnwritableFolderAnExistingFolderThatTakesNoFileIsNotAcceptableAndMayBeRetried)
{
    writewholefile(ARCHIVE, archive("", "Prog", {{"a.txt", "abc"}}));
    std::filesystem::create_directory("out");
    setupfaults.readonlyfolder = true;
    string locn;
    EXPECT_EQ(extractinto("out", &locn), INSTALLBADFOLDER);
    EXPECT_EQ(locn, "out") << "the folder box is left to the user";
    EXPECT_TRUE(norecord());
    EXPECT_EQ(tree(), (Names{"data", "out"}));
    setupfaults.readonlyfolder = false;
    EXPECT_EQ(extractinto("out"), INSTALLDONE) << "the user may try again";
    EXPECT_EQ(tree(), (Names{"data", "out", "out/a.txt", "out/install.lst"}))
        << "the test of the folder leaves no file behind";
}

// Nothing but the archive, the folder, the files the archive holds and the
// record of those put in place: no temporary file is left.
static void expectnothingelse(const string &what)
{
    const Names allowed = {"data", "out", "out/a.txt", "out/b.txt", "out/install.lst"};
    for (const string &item : tree())
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), item), allowed.end()) << what << " wrote " << item;
}

// Without the fault, the same folder takes a whole install: a failure leaves
// nothing behind that spoils the next try.
static void expectsecondtryinstalls(const string &what)
{
    clearsetupfaults();
    resetregistry();
    EXPECT_EQ(extractinto("out"), INSTALLDONE) << what << ": a second try";
    EXPECT_EQ(readwholefile("out/a.txt"), string(9000, 'a')) << what << ": a second try";
    EXPECT_EQ(readwholefile("out/b.txt"), "b") << what << ": a second try";
    std::filesystem::remove_all("out");
}

static int injected = 0;  // faults that struck, over every test of this file

// One kind of counted fault: the n-th of these fails, for every n that happens.
struct SetupSweep {
    const char *what;
    int SetupFaults::*nth;
    int SetupFaults::*made;  // where they are counted
    const char *path;        // the one file it strikes; null for any
    int tried;               // how many of them at least are made
};

// The extraction with the n-th operation of one kind failing, for every n
// that happens: each run ends unsuccessful with no record and nothing written
// but the archive's own files in the folder.  The walk over the archive
// passes each file's bytes by, one skip a file; a short read is detected by
// the copy.
TEST_F(Refusal, EveryFailingReadSkipWriteOrOpenEndsUnsuccessfulWithoutARecord)
{
    const SetupSweep rows[] = {
        {"failed read", &SetupFaults::failread, &SetupFaults::reads, ARCHIVE, 3},
        {"failed skip", &SetupFaults::failskip, &SetupFaults::skips, ARCHIVE, 2},
        {"short read", &SetupFaults::shortread, &SetupFaults::reads, ARCHIVE, 3},
        {"failed write", &SetupFaults::failwrite, &SetupFaults::writes, nullptr, 3},
        {"failed open", &SetupFaults::failopen, &SetupFaults::opens, nullptr, 3},
    };
    writewholefile(ARCHIVE, archive("", "Prog", {{"a.txt", string(9000, 'a')}, {"b.txt", "b"}}));
    for (const SetupSweep &row : rows) {
        int struck = sweepfault([&](int n) {
            resetregistry();
            clearsetupfaults();
            setupfaults.path = row.path;
            setupfaults.*row.nth = n;
            int result = extractinto("out");
            if (setupfaults.*row.made < n) {
                EXPECT_EQ(result, INSTALLDONE) << row.what << ": with no fault the install succeeds";
                return false;
            }
            string which = row.what + string(" number ") + std::to_string(n);
            EXPECT_EQ(result, INSTALLFAILED) << which;
            EXPECT_TRUE(norecord()) << which;
            expectnothingelse(which);
            expectsecondtryinstalls(which);
            return true;
        });
        injected += struck;
        clearsetupfaults();
        EXPECT_GE(struck, row.tried) << row.what << ": several operations were tried";
    }
    printf("[ figures  ] extraction: %d faults injected so far\n", injected);
}

TEST_F(Refusal, AFileThatFailsToCloseEndsUnsuccessfulWithoutARecord)
{
    writewholefile(ARCHIVE, archive("", "Prog", {{"a.txt", string(9000, 'a')}, {"b.txt", "b"}}));
    // each file is written to a temporary name first: the first is ~setup0.tmp
    for (const char *path : {"out\\~setup0.tmp", ARCHIVE}) {
        resetregistry();
        setupfaults.path = path;
        setupfaults.failclose = true;
        EXPECT_EQ(extractinto("out"), INSTALLFAILED) << path;
        EXPECT_TRUE(norecord()) << path;
        expectnothingelse(path);
        expectsecondtryinstalls(path);
        ++injected;
    }
}

// A reinstall over the user's changed b.txt fails at each point in turn: no
// real name ever holds part of a file, the user's file is untouched, and a
// second try installs whole.
TEST_F(Refusal, AReinstallThatFailsAnywhereLeavesNoPartialFileAndASecondTryInstallsWhole)
{
    const string dir(98, 'd');  // the longest folder, so the temporary paths are the longest too
    const string a1(9000, '1'), a2(9000, '2');
    const SetupSweep rows[] = {
        {"failed open", &SetupFaults::failopen, &SetupFaults::opens, nullptr, 1},
        {"failed write", &SetupFaults::failwrite, &SetupFaults::writes, nullptr, 1},
        {"failed read", &SetupFaults::failread, &SetupFaults::reads, nullptr, 1},
        {"failed flush", &SetupFaults::failsync, &SetupFaults::syncs, nullptr, 1},
        {"failed replace", &SetupFaults::failreplace, &SetupFaults::replaces, nullptr, 1},
    };
    for (const SetupSweep &row : rows) {
        injected += sweepfault([&](int n) {
            const string which = row.what + string(" number ") + std::to_string(n);
            SCOPED_TRACE(which);
            std::filesystem::remove_all(dir);
            writewholefile(ARCHIVE, archive("", "Prog", {{"a.txt", a1}, {"b.txt", "b1"}}));
            EXPECT_EQ(extractinto(dir), INSTALLDONE);
            writewholefile(dir + "/b.txt", "mine");
            const string before = readwholefile(dir + "/install.lst");
            writewholefile(ARCHIVE, archive("", "Prog", {{"a.txt", a2}, {"b.txt", "b2"}}));
            resetregistry();
            clearsetupfaults();
            setupfaults.*row.nth = n;
            int result = extractinto(dir);
            int happened = setupfaults.*row.made;
            clearsetupfaults();
            if (happened < n) {
                EXPECT_EQ(result, INSTALLDONE) << "with no fault the reinstall succeeds";
                return false;
            }
            EXPECT_EQ(result, INSTALLFAILED);
            EXPECT_TRUE(readwholefile(dir + "/a.txt") == a1 || readwholefile(dir + "/a.txt") == a2) << "old or whole new";
            EXPECT_EQ(readwholefile(dir + "/b.txt"), "mine") << "the user's file is untouched";
            if (exists(dir + "/b.txt.new")) {
                EXPECT_EQ(readwholefile(dir + "/b.txt.new"), "b2") << "whole or none";
            }
            string record = readwholefile(dir + "/install.lst");
            EXPECT_TRUE(record.size() >= before.size()) << "the record is whole";
            EXPECT_TRUE(norecord());
            for (const string &item : tree())
                EXPECT_EQ(item.find("~setup"), string::npos) << "a temporary file is left: " << item;
            EXPECT_EQ(extractinto(dir), INSTALLDONE) << "a second try";
            EXPECT_EQ(readwholefile(dir + "/a.txt"), a2) << "a second try";
            EXPECT_EQ(readwholefile(dir + "/b.txt"), "mine") << "a second try";
            EXPECT_EQ(readwholefile(dir + "/b.txt.new"), "b2") << "a second try";
            return n < 99;
        });
    }
    printf("[ figures  ] reinstall: %d faults injected so far\n", injected);
}

// The bytes of every file in the folder out, by name.
using Folder = std::map<string, string>;
static std::vector<Folder> moments;

static void keepmoment()
{
    Folder f;
    for (const auto &item : std::filesystem::directory_iterator("out"))
        f[item.path().filename().string()] = readwholefile(item.path().string());
    moments.push_back(f);
}

static void restore(const Folder &f)
{
    std::filesystem::remove_all("out");
    std::filesystem::create_directory("out");
    for (const auto &file : f) writewholefile("out/" + file.first, file.second);
}

// A reinstall once wrote the record last: cut short after a file took its
// place, it left setup's new file looking like the user's, so the
// uninstaller kept it and the next release went beside it as NAME.new.  At
// every moment the reinstall may be cut short, the record there tells every
// file of setup's from the user's.
TEST_F(Refusal, AReinstallCutShortAtAnyMomentLeavesARecordThatTellsSetupsFilesFromTheUsers)
{
    writewholefile(ARCHIVE, archive("", "Prog", {{"a.txt", "a1"}, {"b.txt", "b1"}, {"c.txt", "c1"}}));
    ASSERT_EQ(extractinto("out"), INSTALLDONE);
    writewholefile("out/b.txt", "mine");
    const string release = archive("", "Prog", {{"a.txt", "a2"}, {"b.txt", "b2"}, {"c.txt", "c2"}, {"d.txt", "d"}});
    writewholefile(ARCHIVE, release);
    moments.clear();
    setupfaults.besidereplace = keepmoment;
    ASSERT_EQ(extractinto("out"), INSTALLDONE);
    clearsetupfaults();
    EXPECT_EQ(moments.size(), 2u * 6) << "before and after the record, four files and the record again";
    for (size_t m = 0; m < moments.size(); ++m) {
        SCOPED_TRACE("cut short at moment " + std::to_string(m));
        restore(moments[m]);
        resetshellmodel();
        answers = {true, false};
        EXPECT_EQ(uninstall("out\\", false), UNINSTALLDONE);
        Names left, mine = {"b.txt"};
        if (moments[m].count("b.txt.new") != 0) mine.push_back("b.txt.new");
        for (const auto &item : std::filesystem::directory_iterator("out")) left.push_back(item.path().filename().string());
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, mine) << "an uninstall keeps the user's files alone";
        restore(moments[m]);
        resetregistry();
        EXPECT_EQ(extractinto("out"), INSTALLDONE) << "a third install";
        EXPECT_EQ(installkept, string("\nb.txt: b.txt.new")) << "only the user's file is kept, its copy beside it";
        for (const char *name : {"a.txt", "c.txt", "d.txt"}) EXPECT_FALSE(exists(string("out/") + name + ".new")) << name;
        EXPECT_EQ(readwholefile("out/a.txt") + readwholefile("out/b.txt") + readwholefile("out/d.txt"), "a2mined");
    }
}

// Whether the entry berth is marked in the store in out.
static bool berthmarked()
{
    const string store = readwholefile("out/dicbin.txt");
    for (size_t at = 0; at + RECORDSIZE <= store.size(); at += RECORDSIZE)
        if (strcmp(store.c_str() + at + 2, "berth") == 0) return store[at] == (char)RevisionMark;
    return false;
}

// One kind of fault an upgrade meets, in setup's file layer or the dictionary's.
struct UpgradeSweep {
    const char *what;
    std::function<void(int)> arm;
    std::function<bool(int)> struck;
};

// An upgrade that fails at any open, read, write, flush or replace leaves
// the learner's word file as it was or the whole merged one, with the mark
// in the store, and a second try completes it.
TEST_F(Refusal, AnUpgradeThatFailsAnywhereLosesNothingAndASecondTryCompletesIt)
{
    const string mine = R1 + "my term marvoc\nmine\n";
    const string merged = "anchor marvoc\nA hook.\nmole marvoc\nA pier.\nberth marvoc\nA place.\nquay marvoc\n"
                          "A landing place.\nmy term marvoc\nmine\n";
    const string first = wordrelease(R1), second = wordrelease(R2);
    auto setupkind = [](const char *what, int SetupFaults::*nth, int SetupFaults::*made) {
        return UpgradeSweep{what, [=](int n) { setupfaults.*nth = n; }, [=](int n) { return setupfaults.*made >= n; }};
    };
    auto dictionarykind = [](const CountedFault &kind) {
        return UpgradeSweep{kind.kind, [=](int n) { filefaults.*kind.nth = n; },
                            [=](int n) { return filefaults.*kind.made >= n; }};
    };
    auto dictionaryswitch = [](const char *what, bool FileFaults::*fault) {
        return UpgradeSweep{what, [=](int n) { filefaults.*fault = n == 1; }, [](int n) { return n == 1; }};
    };
    const UpgradeSweep rows[] = {
        setupkind("setup's open", &SetupFaults::failopen, &SetupFaults::opens),
        setupkind("setup's read", &SetupFaults::failread, &SetupFaults::reads),
        setupkind("setup's write", &SetupFaults::failwrite, &SetupFaults::writes),
        setupkind("setup's flush", &SetupFaults::failsync, &SetupFaults::syncs),
        setupkind("setup's replace", &SetupFaults::failreplace, &SetupFaults::replaces),
        dictionarykind(FAILEDOPEN), dictionarykind(FAILEDREAD), dictionarykind(FAILEDWRITE),
        dictionaryswitch("every flush of the merge", &FileFaults::failflush),
        dictionaryswitch("every replace of the merge", &FileFaults::failreplace),
    };
    int faults = 0;
    for (const UpgradeSweep &row : rows) {
        faults += sweepfault([&](int n) {
            SCOPED_TRACE(row.what + string(" number ") + std::to_string(n));
            std::filesystem::remove_all("out");
            clearsetupfaults();
            clearfilefaults();
            writewholefile(ARCHIVE, first);
            EXPECT_EQ(extractinto("out"), INSTALLDONE);
            writewholefile("out/orlavexdic.txt", mine);
            EXPECT_EQ(compilefiles("out/orlavexdic.txt", "out/dicbin.txt"), COMPILED);
            string store = readwholefile("out/dicbin.txt");
            store[RECORDSIZE] = (char)RevisionMark;
            writewholefile("out/dicbin.txt", store);
            writewholefile(ARCHIVE, second);
            resetregistry();
            row.arm(n);
            int result = extractinto("out");
            bool struck = row.struck(n);
            clearsetupfaults();
            clearfilefaults();
            if (!struck) {
                EXPECT_EQ(result, INSTALLDONE) << "with no fault the upgrade succeeds";
                return false;
            }
            const string words = readwholefile("out/orlavexdic.txt");
            EXPECT_TRUE(words == mine || words == merged) << "the word file as it was or the whole merged one";
            EXPECT_TRUE(berthmarked()) << "the mark is in the store";
            for (const string &item : tree())
                EXPECT_TRUE(item.find("~setup") == string::npos && item.find(".tmp") == string::npos) << item;
            EXPECT_EQ(extractinto("out"), INSTALLDONE) << "a second try";
            EXPECT_EQ(readwholefile("out/orlavexdic.txt"), merged) << "a second try completes the upgrade";
            EXPECT_TRUE(berthmarked()) << "a second try keeps the mark";
            return n < 200;
        });
    }
    printf("[ figures  ] upgrade: %d faults injected, each followed by a second try\n", faults);
}

TEST(SetupNames, TwoNamesAreOneFileWhenTheFileSystemComparesThemEqual)
{
    struct Row { const char *a, *b; bool same; } rows[] = {
        {"Read me.htm", "READ ME.HTM", true}, {"caf\xE9.htm", "CAF\xC9.HTM", true}, {"\xFF", "\x9F", true},
        {"\x9A\x9C\x9E", "\x8A\x8C\x8E", true}, {"out/a.txt", "OUT\\A.TXT", true}, {"", "", true},
        {"a.txt", "a.txt.new", false}, {"\xF7", "\xD7", false}, {"caf\xE9", "cafe", false}, {"", "a", false},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(samepathname(row.a, row.b), row.same) << row.a << " and " << row.b;
        EXPECT_EQ(samepathname(row.b, row.a), row.same) << row.b << " and " << row.a;
    }
}

TEST(SetupTitle, NamesAreCutToTwentyCharactersAndAnEmptyNameSaysInstallation)
{
    struct Row { string name; string title; } rows[] = {
        {"", "Installation"},
        {"Harbour Dict", "Installation of Harbour Dict"},
        {string(20, 'a'), "Installation of " + string(20, 'a')},
        {string(21, 'b'), "Installation of " + string(20, 'b')},
        {string(49, 'c'), "Installation of " + string(20, 'c')},
    };
    for (const Row &row : rows) {
        char title[TITLESIZE];
        setuptitle(title, row.name.c_str());
        EXPECT_EQ(string(title), row.title) << row.name.size() << " characters";
    }
}
