// setup.exe started as a user starts it, in a scratch folder holding "data",
// and driven from this process through its real dialog and message boxes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "tests/setup/archivebytes.h"
#include "tests/setup/wine/realregistry.h"
#include "tests/support/files.h"
#include "inst/resource.h"
#include "tests/support/otherprocess.h"

using std::string;
namespace fs = std::filesystem;

namespace {

// A run of setup.exe in its own scratch folder.
class SetupRun : public ::testing::Test {
protected:
    string folder;  // ends in a backslash
    OtherProcess process;

    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        static int runs = 0;  // short folder names: the default folder must fit in 98 characters
        folder = string(temp) + "vantrel-e2e\\" + std::to_string(++runs) + "\\";
        fs::remove_all(folder);
        fs::create_directories(folder);
        forget("E2ETest");
    }

    void TearDown() override
    {
        if (!process.close()) ADD_FAILURE() << "setup.exe was still running";
        forget("E2ETest");
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    void start() { ASSERT_TRUE(process.start(programfolder() + "setup.exe", " ignored arguments", folder)); }

    // Runs mkpayload.exe, which lies next to this test, to its end; its exit status.
    DWORD mkpayload(const string &arguments)
    {
        OtherProcess packer;
        if (!packer.start(programfolder() + "mkpayload.exe", " " + arguments, folder)) return 0xDEAD;
        return static_cast<DWORD>(packer.exitcode());
    }

    HWND await(int control, HWND other = nullptr) { return process.await(nullptr, control, other); }

    // Starts setup.exe on the archive "data" holding these bytes (none: as it
    // lies); its installer dialog, or null when none appears.
    HWND startdialog(const string &data = "")
    {
        if (!data.empty()) writewholefile(folder + "data", data);
        start();
        HWND d = await(LIST);
        EXPECT_NE(d, nullptr) << "the installer dialog appears";
        return d;
    }

    string answerbox() { return process.answerbox(); }

    void press(HWND d, int id) { PostMessageA(GetDlgItem(d, id), BM_CLICK, 0, 0); }

    void typefolder(HWND d, const std::wstring &text)
    {
        SendMessageW(GetDlgItem(d, PATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }

    DWORD exitcode() { return static_cast<DWORD>(process.exitcode()); }

    // The run ends unsuccessful, and no install record is written.
    void expectunsuccessful()
    {
        EXPECT_EQ(answerbox(), "ERROR: Installation Unsuccessful");
        EXPECT_EQ(exitcode(), 1u);
        EXPECT_EQ(readdword(PARENT, "E2ETest"), -1) << "no install record";
    }

    std::vector<string> contents()
    {
        std::vector<string> out;
        for (const auto &item : fs::recursive_directory_iterator(folder))
            out.push_back(item.path().lexically_relative(folder).generic_string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

}  // namespace

// The cut of every name is checked on the host (SetupTitle); here one name
// that is cut, as the wiring to the real title.
TEST_F(SetupRun, TitleShowsTwentyCharactersOfTheNameAndCancelEndsWithoutAMessage)
{
    HWND d = startdialog(archive("C:\\Harbour", "Harbour Dictionary Deluxe 2003", {{"a.txt", "a"}, {"b.txt", ""}}));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(windowtext(d), "Installation of Harbour Dictionary D");
    EXPECT_EQ(controltext(d, PATH), "C:\\Harbour") << "the folder box holds the default";
    EXPECT_EQ(SendMessageW(GetDlgItem(d, LIST), LB_GETCOUNT, 0, 0), 2) << "both files are listed";
    press(d, IDCANCEL);
    EXPECT_EQ(exitcode(), 1u) << "Cancel ends at once, with no box to answer";
}

TEST_F(SetupRun, EnterInstallsIntoTheDefaultFolderAndRecordsItInTheRegistry)
{
    const string dest = folder + "dest";
    writewholefile(folder + "a.txt", "abc");
    writewholefile(folder + "nothing", "");
    ASSERT_EQ(mkpayload("pack data --folder \"" + dest + "\" --name E2ETest a.txt --as empty.txt nothing"), 0u);
    long long counted = readdword(PARENT + "\\inst", "usage");
    HWND d = startdialog();
    ASSERT_NE(d, nullptr);
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(process.info.dwThreadId, &gui);
    EXPECT_EQ(gui.hwndFocus, GetDlgItem(d, IDOK)) << "OK has the focus";
    PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(answerbox(), "ERROR: Installation Complete");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_EQ(readwholefile(dest + "\\a.txt"), "abc");
    EXPECT_TRUE(fs::exists(dest + "\\empty.txt"));
    DWORD type = 0;
    string locn;
    ASSERT_TRUE(readvalue(PARENT + "\\E2ETest", "locn", &type, &locn));
    EXPECT_EQ(locn, dest + "\\" + '\0');
    EXPECT_EQ(readdword(PARENT, "E2ETest") / 10000, utctoday() / 10000) << "the install date";
    EXPECT_EQ(readdword(PARENT + "\\inst", "usage"), counted < 0 ? 1 : counted + 1)
        << "setup counted its own start";
}

TEST_F(SetupRun, AnEmptyOrTooLongFolderIsNotAcceptableAndTheUserMayTryAgain)
{
    HWND d = startdialog(archive("", "E2ETest", {{"a.txt", "abc"}}));
    ASSERT_NE(d, nullptr);
    press(d, IDOK);
    EXPECT_EQ(answerbox(), "ERROR: The address is not acceptable");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDOK))) << "OK works again";
    EXPECT_EQ(contents(), std::vector<string>{"data"}) << "nothing was written, not even in a root";
    // 102 characters; cut to the 99 that fit, they would name another, acceptable folder
    std::wstring toolong = std::wstring(98, L'w') + L"\\xyz";
    typefolder(d, toolong);
    press(d, IDOK);
    EXPECT_EQ(answerbox(), "ERROR: The address is not acceptable") << "a long folder is refused, not cut";
    EXPECT_EQ(contents(), std::vector<string>{"data"});
    typefolder(d, L"typed");
    press(d, IDOK);
    EXPECT_EQ(answerbox(), "ERROR: Installation Complete");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_EQ(readwholefile(folder + "typed\\a.txt"), "abc") << "a relative folder is in the working folder";
}

TEST_F(SetupRun, TheCloseBoxEndsWithInstallationUnsuccessful)
{
    HWND d = startdialog(archive(folder + "dest", "E2ETest", {{"a.txt", "abc"}}));
    ASSERT_NE(d, nullptr);
    PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
    expectunsuccessful();
}

TEST_F(SetupRun, MissingDataIsReportedAndTheRunEndsUnsuccessful)
{
    start();
    EXPECT_EQ(answerbox(), "ERROR: The file data was not found or is unaccessible");
    expectunsuccessful();
    EXPECT_TRUE(contents().empty());
}

TEST_F(SetupRun, AHostileArchiveIsRefusedBeforeAnythingIsWritten)
{
    writewholefile(folder + "data", archive(folder + "dest", "E2ETest",
                                       {{"first.txt", "1"}, {"..\\escape.txt", "2"}}));
    start();
    EXPECT_EQ(answerbox(), "ERROR: The file data holds a file name that is not a plain name "
                           "inside the install folder");
    expectunsuccessful();
    EXPECT_EQ(contents(), std::vector<string>{"data"});
    EXPECT_FALSE(fs::exists(fs::path(folder).parent_path().parent_path() / "escape.txt"));
}

TEST_F(SetupRun, SelfOverwriteAFileOverTheArchiveOrOverSetupIsRefusedAndTheArchiveKeptWhole)
{
    // every spelling of the archive's own path is a row on the host (Refusal)
    const string besidesetup = fs::path(programfolder()).parent_path().string();  // setup.exe lies beside this test
    const bool fits = besidesetup.size() <= 98;
    struct Row { string loc, name, over; };
    std::vector<Row> rows = {{".", "Data", "the file data itself"}};
    if (fits) rows.push_back({besidesetup, "SETUP.EXE", "the running setup"});
    for (const Row &row : rows) {
        SCOPED_TRACE(row.loc);
        const string bytes = archive(row.loc, "E2ETest", {{"first.txt", "1"}, {row.name, "abc"}});
        HWND d = startdialog(bytes);
        ASSERT_NE(d, nullptr);
        press(d, IDOK);
        EXPECT_EQ(answerbox(), "ERROR: The file data holds a file that would be written over " + row.over + ": " + row.name);
        expectunsuccessful();
        EXPECT_EQ(readwholefile(folder + "data"), bytes) << "the archive is whole, to be tried again";
        EXPECT_EQ(contents(), std::vector<string>{"data"}) << "not even the first file is written";
        process.close();
    }
    if (!fits) GTEST_SKIP() << "the row of the running setup: " << besidesetup << " is too long to install into";
}

TEST_F(SetupRun, ReinstallKeepsTheUsersChangedFilesInUseAndNamesTheNewCopies)
{
    const string dest = folder + "dest\\";
    fs::create_directories(dest);
    writewholefile(dest + "orlavexdic.txt", "harbour marvoc\nmy own word marvoc\n");
    writewholefile(dest + "orlavexdic.txt.new", "the user's own");
    writewholefile(dest + "same.txt", "same");
    HWND d = startdialog(archive(dest, "E2ETest", {{"orlavexdic.txt", "harbour marvoc\n"}, {"same.txt", "same"}}));
    ASSERT_NE(d, nullptr);
    press(d, IDOK);
    EXPECT_EQ(answerbox(), "ERROR: Installation Complete\n\nThese files of yours were kept as they are, in use; the "
                           "new copies are beside them:\norlavexdic.txt: orlavexdic.txt.new2\n\n\"Read me.htm\" "
                           "tells what to do with them.");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_EQ(readwholefile(dest + "orlavexdic.txt"), "harbour marvoc\nmy own word marvoc\n");
    EXPECT_EQ(readwholefile(dest + "orlavexdic.txt.new"), "the user's own");
    EXPECT_EQ(readwholefile(dest + "orlavexdic.txt.new2"), "harbour marvoc\n");
    EXPECT_EQ(contents(), (std::vector<string>{"data", "dest", "dest/install.lst", "dest/orlavexdic.txt",
                                               "dest/orlavexdic.txt.new", "dest/orlavexdic.txt.new2", "dest/same.txt",
                                               "dest/uninstall.exe"}))
        << "nothing left of the test of the folder or of a temporary file";
}

TEST_F(SetupRun, CancellingTheFolderBrowserLeavesTheTypedFolder)
{
    HWND d = startdialog(archive("C:\\Harbour", "E2ETest", {{"a.txt", "a"}}));
    ASSERT_NE(d, nullptr);
    typefolder(d, L"D:\\typed");
    press(d, BRS);
    HWND browser = await(0, d);
    ASSERT_NE(browser, nullptr) << "the folder browser opens";
    PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    for (ULONGLONG end = GetTickCount64() + process.patience; IsWindow(browser) && GetTickCount64() < end;) Sleep(20);
    EXPECT_EQ(controltext(d, PATH), "D:\\typed");
    press(d, IDCANCEL);
    EXPECT_EQ(exitcode(), 1u);
}
