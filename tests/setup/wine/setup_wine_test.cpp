// setup.exe started as a user starts it, in a scratch folder holding "data",
// and driven from this process through its real dialog and message boxes.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/setup/archivebytes.h"
#include "tests/setup/wine/realregistry.h"
#include "tests/wine/otherprocess.h"

using std::string;
namespace fs = std::filesystem;

namespace {

const DWORD WAITMS = 30000;  // a generous bound, so a hang fails instead of blocking CI

void writefile(const string &path, const string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), (std::streamsize)bytes.size());
}

string readfile(const string &path)
{
    std::ifstream in(path, std::ios::binary);
    return string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

string textof(HWND window) { return windowtext(window); }

// A run of setup.exe in its own scratch folder.
class SetupRun : public ::testing::Test {
protected:
    string folder;  // ends in a backslash
    PROCESS_INFORMATION process = {};

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
        if (process.hProcess != nullptr) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process.hProcess, 99);
                ADD_FAILURE() << "setup.exe was still running";
            }
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
        forget("E2ETest");
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    // Starts a program that lies next to this test, in the scratch folder.
    static bool launch(const string &program, const string &arguments, const string &in,
                       PROCESS_INFORMATION *started)
    {
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, sizeof self);
        string exe = fs::path(self).parent_path().string() + "\\" + program;
        string line = "\"" + exe + "\" " + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, in.c_str(),
                              &startup, started) != 0;
    }

    void start() { ASSERT_TRUE(launch("setup.exe", "ignored arguments", folder, &process)); }

    // Runs mkpayload.exe to its end; its exit status.
    DWORD mkpayload(const string &arguments)
    {
        PROCESS_INFORMATION packer = {};
        if (!launch("mkpayload.exe", arguments, folder, &packer)) return 0xDEAD;
        DWORD code = 0xDEAD;
        if (WaitForSingleObject(packer.hProcess, WAITMS) == WAIT_OBJECT_0) GetExitCodeProcess(packer.hProcess, &code);
        CloseHandle(packer.hProcess);
        CloseHandle(packer.hThread);
        return code;
    }

    HWND await(int control, HWND other = nullptr)
    {
        return awaitdialog(process, nullptr, control, other, WAITMS);
    }

    HWND dialog()
    {
        HWND d = await(106);
        EXPECT_NE(d, nullptr) << "the installer dialog appears";
        return d;
    }

    // "caption: text" of the next message box, which is then answered with OK.
    string answerbox()
    {
        HWND box = await(MESSAGEBOXTEXT);
        if (box == nullptr) return "no message box";
        string said = textof(box) + ": " + textof(GetDlgItem(box, MESSAGEBOXTEXT));
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        for (ULONGLONG end = GetTickCount64() + WAITMS; IsWindow(box) && GetTickCount64() < end;) Sleep(20);
        return said;
    }

    void press(HWND d, int id) { PostMessageA(GetDlgItem(d, id), BM_CLICK, 0, 0); }

    DWORD exitcode()
    {
        if (WaitForSingleObject(process.hProcess, WAITMS) != WAIT_OBJECT_0) return 0xDEAD;
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return code;
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

TEST_F(SetupRun, TitleShowsTwentyCharactersOfTheNameAndCancelEndsWithoutAMessage)
{
    struct Row { string name, title; } rows[] = {
        {"", "Installation"},
        {"Harbour Dict", "Installation of Harbour Dict"},
        {"Harbour Dictionary Deluxe 2003", "Installation of Harbour Dictionary D"},
    };
    for (const Row &row : rows) {
        writefile(folder + "data", archive("C:\\Harbour", row.name, {{"a.txt", "a"}, {"b.txt", ""}}));
        start();
        HWND d = dialog();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(textof(d), row.title);
        EXPECT_EQ(textof(GetDlgItem(d, 102)), "C:\\Harbour") << "the folder box holds the default";
        EXPECT_EQ(SendMessageW(GetDlgItem(d, 106), LB_GETCOUNT, 0, 0), 2) << "both files are listed";
        press(d, IDCANCEL);
        EXPECT_EQ(exitcode(), 1u) << "Cancel ends at once, with no box to answer";
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        process = {};
    }
}

TEST_F(SetupRun, EnterInstallsIntoTheDefaultFolderAndRecordsItInTheRegistry)
{
    const string dest = folder + "dest";
    writefile(folder + "a.txt", "abc");
    writefile(folder + "nothing", "");
    ASSERT_EQ(mkpayload("pack data --folder \"" + dest + "\" --name E2ETest a.txt --as empty.txt nothing"), 0u);
    long long counted = readdword(PARENT + "\\inst", "usage");
    start();
    HWND d = dialog();
    ASSERT_NE(d, nullptr);
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(process.dwThreadId, &gui);
    EXPECT_EQ(gui.hwndFocus, GetDlgItem(d, IDOK)) << "OK has the focus";
    PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(answerbox(), "ERROR: Installation Complete");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_EQ(readfile(dest + "\\a.txt"), "abc");
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
    writefile(folder + "data", archive("", "E2ETest", {{"a.txt", "abc"}}));
    start();
    HWND d = dialog();
    ASSERT_NE(d, nullptr);
    press(d, IDOK);
    EXPECT_EQ(answerbox(), "ERROR: The address is not acceptable");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDOK))) << "OK works again";
    EXPECT_EQ(contents(), std::vector<string>{"data"}) << "nothing was written, not even in a root";
    // 102 characters; cut to the 99 that fit, they would name another, acceptable folder
    std::wstring toolong = std::wstring(98, L'w') + L"\\xyz";
    SendMessageW(GetDlgItem(d, 102), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(toolong.c_str()));
    press(d, IDOK);
    EXPECT_EQ(answerbox(), "ERROR: The address is not acceptable") << "a long folder is refused, not cut";
    EXPECT_EQ(contents(), std::vector<string>{"data"});
    SendMessageW(GetDlgItem(d, 102), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed"));
    press(d, IDOK);
    EXPECT_EQ(answerbox(), "ERROR: Installation Complete");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_EQ(readfile(folder + "typed\\a.txt"), "abc") << "a relative folder is in the working folder";
}

TEST_F(SetupRun, TheCloseBoxEndsWithInstallationUnsuccessful)
{
    writefile(folder + "data", archive(folder + "dest", "E2ETest", {{"a.txt", "abc"}}));
    start();
    HWND d = dialog();
    ASSERT_NE(d, nullptr);
    PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(answerbox(), "ERROR: Installation Unsuccessful");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_EQ(readdword(PARENT, "E2ETest"), -1) << "no install record";
}

TEST_F(SetupRun, MissingDataIsReportedAndTheRunEndsUnsuccessful)
{
    start();
    EXPECT_EQ(answerbox(), "ERROR: The file data was not found or is unaccessible");
    EXPECT_EQ(answerbox(), "ERROR: Installation Unsuccessful");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_TRUE(contents().empty());
}

TEST_F(SetupRun, AHostileArchiveIsRefusedBeforeAnythingIsWritten)
{
    writefile(folder + "data", archive(folder + "dest", "E2ETest",
                                       {{"first.txt", "1"}, {"..\\escape.txt", "2"}}));
    start();
    EXPECT_EQ(answerbox(), "ERROR: The file data holds a file name that is not a plain name "
                           "inside the install folder");
    EXPECT_EQ(answerbox(), "ERROR: Installation Unsuccessful");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_EQ(contents(), std::vector<string>{"data"});
    EXPECT_FALSE(fs::exists(fs::path(folder).parent_path().parent_path() / "escape.txt"));
    EXPECT_EQ(readdword(PARENT, "E2ETest"), -1) << "no install record";
}

TEST_F(SetupRun, SelfOverwriteAFileOverTheArchiveOrOverSetupIsRefusedAndTheArchiveKeptWhole)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    const string here = folder.substr(0, folder.size() - 1);
    string upper = here;
    for (char &c : upper) c = (char)toupper((unsigned char)c);
    struct Row { string loc, name, over; } rows[] = {
        {".", "Data", "the file data itself"},
        {upper, "data", "the file data itself"},
        {fs::path(self).parent_path().string(), "SETUP.EXE", "the running setup"},  // setup.exe lies beside this test
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.loc);
        if (row.loc.size() > 98) {
            printf("[ skipped  ] %s is too long to install into\n", row.loc.c_str());
            continue;
        }
        const string bytes = archive(row.loc, "E2ETest", {{"first.txt", "1"}, {row.name, "abc"}});
        writefile(folder + "data", bytes);
        start();
        HWND d = dialog();
        ASSERT_NE(d, nullptr);
        press(d, IDOK);
        EXPECT_EQ(answerbox(), "ERROR: The file data holds a file that would be written over " + row.over + ": " + row.name);
        EXPECT_EQ(answerbox(), "ERROR: Installation Unsuccessful");
        EXPECT_EQ(exitcode(), 1u);
        EXPECT_EQ(readfile(folder + "data"), bytes) << "the archive is whole, to be tried again";
        EXPECT_EQ(contents(), std::vector<string>{"data"}) << "not even the first file is written";
        EXPECT_EQ(readdword(PARENT, "E2ETest"), -1) << "no install record";
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        process = {};
    }
}

TEST_F(SetupRun, ReinstallKeepsTheUsersChangedFilesInUseAndNamesTheNewCopies)
{
    const string dest = folder + "dest\\";
    fs::create_directories(dest);
    writefile(dest + "orlavexdic.txt", "harbour marvoc\nmy own word marvoc\n");
    writefile(dest + "orlavexdic.txt.new", "the user's own");
    writefile(dest + "same.txt", "same");
    writefile(folder + "data", archive(dest, "E2ETest", {{"orlavexdic.txt", "harbour marvoc\n"}, {"same.txt", "same"}}));
    start();
    HWND d = dialog();
    ASSERT_NE(d, nullptr);
    press(d, IDOK);
    EXPECT_EQ(answerbox(), "ERROR: Installation Complete\n\nThese files of yours were kept as they are, in use; the "
                           "new copies are beside them:\norlavexdic.txt: orlavexdic.txt.new2\n\n\"Read me.htm\" "
                           "tells what to do with them.");
    EXPECT_EQ(exitcode(), 1u);
    EXPECT_EQ(readfile(dest + "orlavexdic.txt"), "harbour marvoc\nmy own word marvoc\n");
    EXPECT_EQ(readfile(dest + "orlavexdic.txt.new"), "the user's own");
    EXPECT_EQ(readfile(dest + "orlavexdic.txt.new2"), "harbour marvoc\n");
    EXPECT_EQ(contents(), (std::vector<string>{"data", "dest", "dest/install.lst", "dest/orlavexdic.txt",
                                               "dest/orlavexdic.txt.new", "dest/orlavexdic.txt.new2", "dest/same.txt",
                                               "dest/uninstall.exe"}))
        << "nothing left of the test of the folder or of a temporary file";
}

TEST_F(SetupRun, CancellingTheFolderBrowserLeavesTheTypedFolder)
{
    writefile(folder + "data", archive("C:\\Harbour", "E2ETest", {{"a.txt", "a"}}));
    start();
    HWND d = dialog();
    ASSERT_NE(d, nullptr);
    SendMessageW(GetDlgItem(d, 102), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"D:\\typed"));
    press(d, 104);
    HWND browser = await(0, d);
    ASSERT_NE(browser, nullptr) << "the folder browser opens";
    PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    for (ULONGLONG end = GetTickCount64() + WAITMS; IsWindow(browser) && GetTickCount64() < end;) Sleep(20);
    EXPECT_EQ(textof(GetDlgItem(d, 102)), "D:\\typed");
    press(d, IDCANCEL);
    EXPECT_EQ(exitcode(), 1u);
}
