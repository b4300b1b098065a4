// Starts the real vantrel.exe as a user does, from another process: copied
// into a folder whose name has spaces, with a small store beside it, and a
// command line with a quoted program name and a tail.  Its windows are read
// from here with the W messages (the A ones lose all but one character across
// processes), and it is ended with Escape or its close box.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/resource.h"
#include "tests/setup/wine/realregistry.h"
#include "tests/support/files.h"
#include "tests/support/storebytes.h"
#include "tests/support/otherprocess.h"
#include "tests/support/scratchtest.h"

namespace {

// The store as the program keeps it, then `extra` stray bytes.
void writestore(const std::string &path, int extra)
{
    const std::vector<TestEntry> entries = {
        {"harbour", "A sheltered place where ships lie.", 0, 115},
        {"harbour wall", "The wall that shelters a harbour from the sea.", 148, 114},
        {"quay", "A landing place built along the water.", 0, 116},
    };
    ASSERT_TRUE(writewholefile(path, storebytes(entries, (size_t)extra))) << path;
}

using Program = OtherProcess;

// Each test in a scratch folder of its own whose name has spaces.
class StartUp : public ScratchFolderTest {
public:
    StartUp() : ScratchFolderTest("start test") {}
    std::string folder;
    std::string program;

    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        folder = std::filesystem::current_path().string() + "\\";
        program = folder + "vantrel.exe";
        ASSERT_TRUE(CopyFileA((programfolder() + "vantrel.exe").c_str(), program.c_str(), FALSE))
            << "vantrel.exe is built beside this test";
    }

    // Starts the program in the scratch folder with this text after the
    // quoted program name.
    void start(Program *running, const std::string &after)
    {
        ASSERT_TRUE(running->start(program, after, folder)) << after;
    }
};

long long usagecount()
{
    long long usage = readdword(PARENT + "\\VanTrel", "usage");
    return usage < 0 ? 0 : usage;
}

void pressescape(HWND dialog)
{
    HWND focus = GetDlgItem(dialog, IDC_WORD);
    PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(focus, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001u));
}

struct CountedStart {
    const char *tail;
    const char *wordbox;
    long long growth;
    const char *meaning;  // and the entry number, where the tail is looked up
    const char *entryno;
    bool closebox;  // ended with its close box instead of Escape
};

// Runs the program to its end with the row's tail and returns how much the
// usage count grew.
long long countgrowth(StartUp *test, Program *running, const CountedStart &row)
{
    long long before = usagecount();
    test->start(running, row.tail);
    HWND dialog = running->await("Orlavex Dictionary");
    EXPECT_NE(dialog, nullptr) << "the main dialog did not appear";
    if (dialog == nullptr)
        return 0;
    EXPECT_EQ(controltext(dialog, IDC_WORD), row.wordbox);
    if (row.meaning != nullptr) {
        EXPECT_EQ(controltext(dialog, IDC_MEANING), row.meaning);
        EXPECT_EQ(controltext(dialog, IDC_ENTRYNO), row.entryno);
    }
    if (row.closebox)
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        pressescape(dialog);
    EXPECT_EQ(running->exitcode(), 0);
    return usagecount() - before;
}

// A quoted name with spaces passes a two-word tail, which is looked up.  The
// switch alone, in any case, is not counted and still goes into the word box.
// The close box ends the program with zero, as Escape does.
TEST_F(StartUp, OrdinaryStartIsCountedNoCountStartIsNot)
{
    writestore(folder + "dicbin.txt", 0);
    const CountedStart rows[] = {
        {"   harbour wall", "harbour wall", 1, "The wall that shelters a harbour from the sea.", "2", false},
        {" harbour", "harbour", 1, nullptr, nullptr, false},
        {" \\nocount", "\\nocount", 0, nullptr, nullptr, false},
        {" \\NOCOUNT", "\\NOCOUNT", 0, nullptr, nullptr, false},
        {" \\NOCOUNT harbour", "\\NOCOUNT harbour", 1, nullptr, nullptr, false},
        {"", "", 1, nullptr, nullptr, true},
    };
    for (const CountedStart &row : rows) {
        Program running;
        EXPECT_EQ(countgrowth(this, &running, row), row.growth) << row.tail;
    }
}

TEST_F(StartUp, PartialRecordShowsIntegrityMessageBeforeTheDialog)
{
    writestore(folder + "dicbin.txt", 10);
    Program running;
    start(&running, " quay");

    HWND box = running.await("ERROR");
    ASSERT_NE(box, nullptr) << "no integrity message";
    EXPECT_EQ(controltext(box, MESSAGEBOXTEXT),
              "The file dicbin.txt has failed integrity check.\nMay need to be rebuilt.");
    DialogLook shown = {running.info.dwProcessId, "Orlavex Dictionary", 0, nullptr, nullptr};
    EnumWindows(matchdialog, reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(shown.found, nullptr) << "the dialog shows only after the message";

    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    HWND dialog = running.await("Orlavex Dictionary");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(controltext(dialog, IDC_WORD), "quay");
    EXPECT_EQ(controltext(dialog, IDC_MEANING), "A landing place built along the water.");

    pressescape(dialog);
    EXPECT_EQ(running.exitcode(), 0);
}

} // namespace
