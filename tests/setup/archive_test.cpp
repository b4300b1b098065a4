// The archive as the packer writes it, listed and extracted.
#include <cstring>

#include <algorithm>

#include "common/version.h"
#include "dictionary/compile.h"
#include "dictionary/store.h"
#include "inst/appentry.h"
#include "inst/install.h"
#include "inst/uninstall.h"
#include "inst/payload.h"
#include "inst/payloadwriter.h"
#include "tests/registrymodel.h"
#include "tests/setup/setupfixture.h"
#include "tests/setup/shellmodel.h"

using Archive = SetupTest;
using std::string;
using Names = std::vector<string>;

static const char SHORTCUT[] = "startmenu/" VERSION_PRODUCT ".lnk";

static int pack(const string &loc, const string &name, const Names &names, const Names &sources)
{
    PayloadHeader h;
    memset(&h, 0, sizeof h);
    strncpy(h.loc, loc.c_str(), sizeof h.loc - 1);
    strncpy(h.name, name.c_str(), sizeof h.name - 1);
    strncpy(h.exe, "prog.exe", sizeof h.exe - 1);
    std::vector<const char *> n, s;
    for (const string &x : names) n.push_back(x.c_str());
    for (const string &x : sources) s.push_back(x.c_str());
    char problem[200];
    return writepayload(ARCHIVE, &h, (int)names.size(), n.data(), s.data(), problem, sizeof problem);
}

TEST_F(Archive, OneThreeByteFileIs263BytesLaidOutAsDocumented)
{
    writewholefile("abc.src", "abc");
    ASSERT_EQ(pack("C:\\Prog", "Prog", {"abc.txt"}, {"abc.src"}), 1);
    EXPECT_EQ(readwholefile(ARCHIVE), archive("C:\\Prog", "Prog", {{"abc.txt", "abc"}}));
    EXPECT_EQ(readwholefile(ARCHIVE).size(), 263u);
}

TEST_F(Archive, PackedFilesListAndExtractInArchiveOrderWithTheRecord)
{
    string big(20000, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = (char)(i * 7);
    string longname(49, 'L');  // the longest name, used whole
    writewholefile("a.src", string("\xFF\x00\x01", 3));
    writewholefile("empty.src", "");
    writewholefile("big.src", big);
    ASSERT_EQ(pack("C:\\Prog", "Prog", {"first.bin", "empty.txt", longname}, {"a.src", "empty.src", "big.src"}), 1);

    EXPECT_EQ(listarchive(), INSTALLDONE);
    EXPECT_EQ(listlog, (Names{"add first.bin", "add empty.txt", "add " + longname}));
    listlog.clear();
    string locn;
    EXPECT_EQ(extractinto("out", &locn), INSTALLDONE);
    EXPECT_EQ(listlog, (Names{"select 0", "select 1", "select 2"})) << "one selection per file";
    EXPECT_EQ(readwholefile("out/first.bin"), string("\xFF\x00\x01", 3));
    EXPECT_TRUE(exists("out/empty.txt"));
    EXPECT_EQ(readwholefile("out/empty.txt"), "");
    EXPECT_EQ(readwholefile("out/" + longname), big);
    EXPECT_EQ(locn, "out\\");
    EXPECT_EQ(modelstring(string(PARENT) + "\\Prog", "locn"), string("out\\") + '\0');
    EXPECT_EQ(modeldword(PARENT, "Prog"), 20030111);
}

TEST_F(Archive, CountZeroListsNothingButStillCreatesTheFolderAndTheRecord)
{
    writewholefile(ARCHIVE, header("", "Prog", 0));
    EXPECT_EQ(listarchive(), INSTALLDONE);
    EXPECT_TRUE(listlog.empty());
    EXPECT_EQ(extractinto("out"), INSTALLDONE);
    EXPECT_EQ(tree(), (Names{"data", "out", "out/install.lst"}));
    EXPECT_EQ(modelstring(string(PARENT) + "\\Prog", "locn"), string("out\\") + '\0');
}

TEST_F(Archive, FolderWithOrWithoutItsBackslashIsTheSamePlace)
{
    writewholefile(ARCHIVE, archive("", "Prog", {{"a.txt", "1"}}));
    string first, second;
    EXPECT_EQ(extractinto("out", &first), INSTALLDONE);
    EXPECT_EQ(extractinto("out\\", &second), INSTALLDONE);
    EXPECT_EQ(first, "out\\");
    EXPECT_EQ(second, "out\\");
    EXPECT_EQ(tree(), (Names{"data", "out", "out/a.txt", "out/install.lst"}));
}

struct ReinstallRow {
    const char *what;
    string name;
    bool installed;       // an earlier install of "one" recorded it
    const char *disk;     // its bytes before the reinstall of "two"; null for none
    const char *usernew;  // the user's own NAME.new; null for none
    const char *between;  // an archive installed in between; null for none
    string after;         // NAME's bytes afterwards
    string copy;          // where the archive's "two" went beside it; empty for nowhere
    const char *shipsnew = nullptr;  // the archive's own NAME.new beside "two"; null for none
    string released = "";            // the name the archive gives "two"; empty for NAME
    const char *lined = nullptr;     // a line added to the record before the reinstall; null for none
};

TEST_F(Archive, ReinstallReplacesOnlyWhatSetupInstalledAndKeepsTheUsersWorkInUse)
{
    const string n45(45, 'n'), n46(46, 'm');
    const ReinstallRow rows[] = {
        {"unchanged since installed: replaced", "a.txt", true, "one", nullptr, nullptr, "two", ""},
        {"changed by the user: kept, the copy beside it", "a.txt", true, "mine", nullptr, nullptr, "mine", "a.txt.new"},
        {"already the archive's: left alone", "a.txt", true, "two", nullptr, nullptr, "two", ""},
        {"unrecorded and different: kept", "a.txt", false, "mine", nullptr, nullptr, "mine", "a.txt.new"},
        {"unrecorded and the same: left alone", "a.txt", false, "two", nullptr, nullptr, "two", ""},
        {"NAME.new is the user's: a free name", "a.txt", true, "mine", "notes", nullptr, "mine", "a.txt.new2"},
        {"NAME.new is setup's copy: replaced", "a.txt", true, "mine", nullptr, "early", "mine", "a.txt.new"},
        {"45 characters: NAME.new is 49", n45, true, "mine", nullptr, nullptr, "mine", n45 + ".new"},
        {"46 characters: no room for NAME.new", n46, true, "mine", nullptr, nullptr, "mine", "-"},
        // the archive's own NAME.new once took the copy's place, and the copy was lost
        {"the archive holds NAME.new too: the copy is NAME.new2", "a.txt", true, "mine", nullptr, nullptr, "mine",
         "a.txt.new2", "theirs"},
        // only ASCII letters were once one letter in two capitals: the unchanged file was taken for the user's
        {"its name in other capitals, \xC9 for \xE9: replaced", "caf\xE9.htm", true, "one", nullptr, nullptr, "two", "",
         nullptr, "CAF\xC9.HTM"},
        {"a record naming it twice is damaged: kept", "a.txt", true, "one", nullptr, nullptr, "one", "a.txt.new",
         nullptr, "", "installed 3 0000000000000000 A.TXT"},
    };
    for (const ReinstallRow &row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove_all("out");
        std::filesystem::create_directory("out");
        const string path = "out/" + row.name;
        if (row.installed) {
            writewholefile(ARCHIVE, archive("", "Prog", {{row.name, "one"}}));
            ASSERT_EQ(extractinto("out"), INSTALLDONE);
        }
        if (row.disk != nullptr) writewholefile(path, row.disk);
        if (row.usernew != nullptr) writewholefile(path + ".new", row.usernew);
        if (row.between != nullptr) {
            writewholefile(ARCHIVE, archive("", "Prog", {{row.name, row.between}}));
            ASSERT_EQ(extractinto("out"), INSTALLDONE);
        }
        if (row.lined != nullptr) writewholefile("out/install.lst", readwholefile("out/install.lst") + row.lined + "\r\n");
        const string released = row.released.empty() ? row.name : row.released;
        std::vector<FakeFile> files = {{released, "two"}, {"fresh.txt", "f"}};
        if (row.shipsnew != nullptr) files.push_back({row.name + ".new", row.shipsnew});
        writewholefile(ARCHIVE, archive("", "Prog", files));
        resetregistry();
        int result = extractinto("out");
        EXPECT_EQ(readwholefile("out/" + released), row.after);
        if (row.shipsnew != nullptr) {
            EXPECT_EQ(readwholefile(path + ".new"), row.shipsnew) << "the archive's own NAME.new is installed";
        }
        if (row.usernew != nullptr) {
            EXPECT_EQ(readwholefile(path + ".new"), row.usernew) << "the user's NAME.new is kept";
        }
        if (row.copy == "-") {
            EXPECT_EQ(result, INSTALLFAILED);
            EXPECT_EQ(installreason, "Your changed file " + row.name +
                                         " is kept, but there is no free name beside it for the new copy, so "
                                         "nothing was installed");
            EXPECT_FALSE(exists("out/fresh.txt")) << "refused before the first file is written";
            continue;
        }
        EXPECT_EQ(result, INSTALLDONE);
        EXPECT_EQ(readwholefile("out/fresh.txt"), "f");
        if (row.copy.empty()) {
            EXPECT_FALSE(exists(path + ".new2"));
            EXPECT_EQ(installkept, string());
            continue;
        }
        EXPECT_EQ(readwholefile("out/" + row.copy), "two");
        EXPECT_EQ(installkept, "\n" + row.name + ": " + row.copy) << "the completion names it";
    }
}

TEST_F(Archive, UnterminatedHeaderFieldsAreCutInsideTheirFields)
{
    string bytes = string(100, 'F') + string(50, 'E') + string(50, 'N') + le32(0);
    writewholefile(ARCHIVE, bytes);
    PayloadHeader h;
    ASSERT_EQ(readheader(ARCHIVE, &h), 1);
    EXPECT_EQ(string(h.loc), string(99, 'F'));
    EXPECT_EQ(string(h.name), string(49, 'N'));
    EXPECT_EQ(extractinto("out"), INSTALLDONE);
    EXPECT_TRUE(modelhasvalue(PARENT, string(49, 'N'))) << "the record's name is the cut name";
}

struct UninstallRow {
    const char *what;
    std::vector<bool> answers;
    const char *busy;  // a file in use, or null
    bool quiet;
    int result;
    Names left;  // in the folder afterwards; empty for the folder gone
    const char *changedwhileasked = nullptr;  // a file of setup's the learner changes at the second question
    const char *product = nullptr;            // the product the record is edited to name; null for none
};

TEST_F(Archive, UninstallRemovesWhatSetupInstalledAndKeepsTheUsersFilesUnlessAsked)
{
    const Names mine = {"notes.txt", "store.bin", "store.bin.new"};
    const Names all = {"install.lst", "notes.txt", "prog.exe", "store.bin", "store.bin.new", "uninstall.exe", "words.txt"};
    const UninstallRow rows[] = {
        {"No at the first question", {false}, nullptr, false, UNINSTALLDECLINED, all},
        {"the user's files kept", {true, false}, nullptr, false, UNINSTALLDONE, mine},
        {"the user's files removed too", {true, true}, nullptr, false, UNINSTALLDONE, {}},
        {"the program in use", {true, false}, "out\\prog.exe", false, UNINSTALLFAILED, all},
        {"quiet", {}, nullptr, true, UNINSTALLDONE, mine},
        // it was once judged before the question and removed after it without a second look
        {"a file changed while the second question is open is kept", {true, false}, nullptr, false, UNINSTALLDONE,
         {"notes.txt", "store.bin", "store.bin.new", "words.txt"}, "words.txt"},
        // an edited record once removed another program's entry and install record
        {"a record naming another program leaves its entry", {true, false}, nullptr, false, UNINSTALLDONE, mine,
         nullptr, "Other App"},
    };
    const string entry = UNINSTALLPARENT "Prog";
    const string other = UNINSTALLPARENT "Other App";
    for (const UninstallRow &row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove_all("out");
        resetregistry();
        resetshellmodel();
        writewholefile(ARCHIVE, archive("", "Prog", {{"prog.exe", "P"}, {"words.txt", "W"}, {"store.bin", "S"}}));
        ASSERT_EQ(extractinto("out"), INSTALLDONE);
        ASSERT_EQ(finishinstall("out\\"), 1);
        EXPECT_EQ(modelstring(entry, "UninstallString"), string("\"out\\uninstall.exe\" /uninstall") + '\0');
        EXPECT_EQ(readwholefile(SHORTCUT), "out\\prog.exe|out\\") << "program and working folder";
        writewholefile("out/store.bin", "marked");
        writewholefile("out/notes.txt", "mine");
        ASSERT_EQ(extractinto("out"), INSTALLDONE);
        ASSERT_EQ(finishinstall("out\\"), 1) << "a reinstall rewrites the one entry";
        answers = row.answers;
        if (row.busy != nullptr) busyfiles.insert(row.busy);
        if (row.changedwhileasked != nullptr) {
            whileasking = [&](size_t asked) {
                if (asked == 2) writewholefile(string("out/") + row.changedwhileasked, "marked while asked");
            };
        }
        if (row.product != nullptr) {
            string record = readwholefile("out/install.lst");
            writewholefile("out/install.lst", "product " + string(row.product) + record.substr(record.find("\r\n")));
            installreg(row.product, "D:\\Other\\");
            writeappentry(row.product, "D:\\Other\\", "other.exe", 1);
        }
        EXPECT_EQ(uninstall("out\\", row.quiet), row.result);
        Names left;
        for (const string &item : tree())
            if (item.rfind("out/", 0) == 0) left.push_back(item.substr(4));
        EXPECT_EQ(left, row.left);
        EXPECT_EQ(exists("out"), !row.left.empty()) << "the folder goes when nothing is left in it";
        bool removed = row.result == UNINSTALLDONE;
        EXPECT_EQ(modelhaskey(entry), !removed || row.product != nullptr);
        EXPECT_EQ(modelhaskey(string(PARENT) + "\\Prog"), !removed || row.product != nullptr);
        EXPECT_EQ(exists(SHORTCUT), !removed);
        if (row.product != nullptr) {
            EXPECT_EQ(modelstring(other, "InstallLocation"), string("D:\\Other\\") + '\0') << "the other's entry stays";
            EXPECT_EQ(modelstring(string(PARENT) + "\\Other App", "locn"), string("D:\\Other\\") + '\0');
            EXPECT_EQ(uninstalllog.back(), "tell " VERSION_PRODUCT " was removed.\n\nThese files of yours were kept "
                                           "in out\\:\nnotes.txt\nstore.bin\nstore.bin.new\n\nThe entry \"Other App\" "
                                           "among the installed programs was left as it is: it is not the entry of "
                                           "out\\.\n\nThe install record of \"Other App\" was left as it is: it names "
                                           "another folder, D:\\Other\\.");
        }
        if (row.changedwhileasked != nullptr) {
            EXPECT_EQ(readwholefile("out/words.txt"), "marked while asked") << "the learner's change is kept";
            EXPECT_NE(uninstalllog.back().find("\nwords.txt"), string::npos) << "and named as kept";
        }
        if (row.quiet) {
            EXPECT_TRUE(uninstalllog.empty());
        } else if (row.busy != nullptr) {
            EXPECT_EQ(uninstalllog.back(), "tell out\\prog.exe cannot be removed now: it is in use, perhaps by the "
                                           "dictionary still open. Close it and try again. Nothing was removed.");
        } else if (row.left == mine && row.product == nullptr) {
            EXPECT_EQ(uninstalllog[1], "ask no-default These files in out\\ were changed or made by you, or are new "
                                       "copies kept beside them:\nnotes.txt\nstore.bin\nstore.bin.new\n\nRemove them too?");
            EXPECT_EQ(uninstalllog.back(), "tell " VERSION_PRODUCT " was removed.\n\nThese files of yours were kept "
                                           "in out\\:\nnotes.txt\nstore.bin\nstore.bin.new");
        }
    }
    writewholefile(ARCHIVE, archive("", "Prog", {{"words.txt", "W"}}));  // its header names prog.exe
    ASSERT_EQ(extractinto("out"), INSTALLDONE);
    EXPECT_EQ(finishinstall("out\\"), 1);
    EXPECT_FALSE(exists(SHORTCUT)) << "no shortcut to a program the archive lacks";
    // a record once removed whatever file it named as the shortcut
    writewholefile("elsewhere.txt", "the user's");
    writewholefile("out/install.lst", readwholefile("out/install.lst") + "shortcut elsewhere.txt\r\n");
    answers = {true, false};
    EXPECT_EQ(uninstall("out\\", false), UNINSTALLDONE);
    EXPECT_EQ(readwholefile("elsewhere.txt"), "the user's") << "only the shortcut setup makes is removed";
}

// A release over a learner's dictionary: its words merged into the learner's
// word file and store, keeping every mark, level and word of theirs.

// "word mark" of each record of the store in out.
static Names marks()
{
    const string store = readwholefile("out/dicbin.txt");
    Names out;
    for (size_t at = 0; at + RECORDSIZE <= store.size(); at += RECORDSIZE)
        out.push_back(string(store.c_str() + at + 2) + " " + std::to_string((unsigned char)store[at]));
    return out;
}

struct UpgradeRow {
    const char *what;
    string learner;     // the learner's word file, rebuilt into their store, berth marked; empty for R1 as installed
    const char *noted;  // a line the record loses before the release, or null
    string words;       // the word file afterwards
    Names left;         // the files beside the learner's two afterwards, setup's own left out
    const char *told;   // a line the completion says
};

TEST_F(Archive, AnUpgradeMergesTheReleasesWordsIntoTheLearnersKeepingEveryMarkLevelAndWordOfTheirs)
{
    const string mine = R1 + "my term marvoc\nmine\n";
    const string conflict = "anchor marvoc\nA hook.\nberth marvoc\nA place.\nquay marvoc\nMy landing.\n";
    const UpgradeRow rows[] = {
        {"only marked: the release's words come in", "", nullptr, R2, {"orlavexdic.txt.before-upgrade"},
         "\nNew words added: 1 (mole)"},
        {"an own term: kept, the release's around it", mine, nullptr,
         "anchor marvoc\nA hook.\nmole marvoc\nA pier.\nberth marvoc\nA place.\nquay marvoc\nA landing place.\n"
         "my term marvoc\nmine\n",
         {"orlavexdic.txt.before-upgrade"}, "\nMeanings updated by the release: 1 (quay)"},
        {"a meaning both changed: the learner's kept", conflict, nullptr,
         "anchor marvoc\nA hook.\nmole marvoc\nA pier.\nberth marvoc\nA place.\nquay marvoc\nMy landing.\n",
         {"orlavexdic.txt.before-upgrade", "orlavexdic.txt.new"},
         "\nChanged by you and by the release, yours kept: 1 (quay)"},
        {"no base: the new headwords only", mine, "base ",
         "anchor marvoc\nA hook.\nmole marvoc\nA pier.\nberth marvoc\nA place.\nquay marvoc\nA landing.\n"
         "my term marvoc\nmine\n",
         {"orlavexdic.txt.before-upgrade", "orlavexdic.txt.new"}, "\nSetup had no copy of the word file"},
        {"a UTF-16 word file: today's rule", "\xFF\xFE" "a", nullptr, "\xFF\xFE" "a",
         {"dicbin.txt.new", "orlavexdic.txt.new"}, "is saved as UTF-16"},
    };
    for (const UpgradeRow &row : rows) {
        SCOPED_TRACE(row.what);
        std::filesystem::remove_all("out");
        writewholefile(ARCHIVE, wordrelease(R1));
        ASSERT_EQ(extractinto("out"), INSTALLDONE);
        if (!row.learner.empty()) {
            writewholefile("out/orlavexdic.txt", row.learner);
            if (row.learner[0] != '\xFF') {
                ASSERT_EQ(compilefiles("out/orlavexdic.txt", "out/dicbin.txt"), COMPILED);
            }
        }
        string store = readwholefile("out/dicbin.txt");
        store[RECORDSIZE] = (char)RevisionMark;  // berth, the second entry, marked
        writewholefile("out/dicbin.txt", store);
        if (row.noted != nullptr) {
            string record = readwholefile("out/install.lst");
            size_t at = record.find(row.noted);
            writewholefile("out/install.lst", record.erase(at, record.find('\n', at) + 1 - at));
        }
        writewholefile(ARCHIVE, wordrelease(R2));
        ASSERT_EQ(extractinto("out"), INSTALLDONE);
        EXPECT_EQ(readwholefile("out/orlavexdic.txt"), row.words);
        Names beside;
        for (const string &item : tree())
            if (item.rfind("out/", 0) == 0 && item.find("install.") == string::npos && item != "out/dicbin.txt" &&
                item != "out/orlavexdic.txt" && item != "out/vantrel.exe")
                beside.push_back(item.substr(4));
        EXPECT_EQ(beside, row.left);
        EXPECT_NE(string(installupgrade).find(row.told), string::npos) << installupgrade;
        if (row.learner.empty() || row.learner[0] != '\xFF') {
            Names stored = marks();
            EXPECT_NE(std::find(stored.begin(), stored.end(), "berth 148"), stored.end()) << "the mark is kept";
        }
        if (row.learner.empty()) {
            EXPECT_EQ(readwholefile("out/install.base"), R2) << "the release is the base of the next";
            ASSERT_EQ(extractinto("out"), INSTALLDONE) << "the same release again";
            EXPECT_NE(string(installupgrade).find("changes no word"), string::npos);
            EXPECT_EQ(readwholefile("out/orlavexdic.txt"), R2);
        }
    }
}
