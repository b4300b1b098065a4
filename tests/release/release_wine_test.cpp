// The release as a new user meets it, under Wine: setup.exe started from the
// release folder, Enter pressed, every installed file checked; then the
// installed vantrel.exe started in its folder, a bundled headword typed, marked,
// graded, the list narrowed, a search made, and the program left.  Afterwards
// the store differs from the one shipped in exactly the one record changed,
// and the registry holds the install record and the counted start.
//
// Both programs run as processes of their own and are driven from here
// through their windows: texts are read with the W messages (the A ones lose
// all but one character across processes), clicks and keys are sent with a
// bound on the wait, so a hang fails instead of blocking the run.
// Screenshots of the installer, the main dialog and the credits box are
// written to screenshots/ for a person to look at; nothing is asserted on them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "dictionary/dictentry.h"
#include "tests/setup/wine/realregistry.h"
#include "tests/support/capture.h"
#include "tests/support/otherprocess.h"
#include "tests/support/files.h"
#include "inst/resource.h"

namespace fs = std::filesystem;
using std::string;
using std::vector;

namespace {

const DWORD PATIENCE = 30000;  // ms for a window to come or a process to end
const string INSTALLED = "C:\\Orlavex Dictionary\\";
const vector<string> SHIPPED = {"vantrel.exe", "dicbin.txt", "orlavexdic.txt", "Read me.htm"};

string textof(HWND window) { return windowtext(window); }

// Sends a message and waits for it to be handled; false if it was not in time.
bool deliver(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DWORD_PTR *result = nullptr)
{
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, PATIENCE,
                               result != nullptr ? result : &ignored) != 0;
}

// Items of a list box (or of a drop-down list, with the CB_ messages).
vector<string> items(HWND list, UINT countmessage, UINT textmessage)
{
    vector<string> lines;
    DWORD_PTR count = 0;
    deliver(list, countmessage, 0, 0, &count);
    for (DWORD_PTR i = 0; i < count && i < 5000; ++i) {
        wchar_t text[600] = L"";
        deliver(list, textmessage, i, reinterpret_cast<LPARAM>(text));
        lines.push_back(narrowtext(text));
    }
    return lines;
}

// A program of the release, which must have ended by the end of the test.
struct Process : OtherProcess {
    ~Process()
    {
        if (!close()) ADD_FAILURE() << "a program was still running at the end";
    }
};

// One entry of the bundled text source, as the rebuild stores it.
struct SourceEntry {
    string word;
    string meaning;  // each line ending in CR LF
};

vector<SourceEntry> readsource(const string &text)
{
    vector<SourceEntry> entries;
    std::istringstream lines(text);
    string line;
    while (std::getline(lines, line)) {
        const string marker = " marvoc";
        if (line.size() >= marker.size() && line.compare(line.size() - marker.size(), marker.size(), marker) == 0)
            entries.push_back({line.substr(0, line.size() - marker.size()), ""});
        else if (!entries.empty())
            entries.back().meaning += line + "\r\n";
    }
    return entries;
}

string lower(string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

void screenshot(HWND window, const string &name)
{
    // above every other window (the folder view that setup opened, say), and
    // everything painted, by the program's own thread
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, keep);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // the program paints on its own thread: taken when two looks 50 ms apart agree
    Picture shown = capturewindow(window);
    for (int look = 0; look < 20; ++look) {
        Sleep(50);
        Picture again = capturewindow(window);
        if (again.bgr == shown.bgr) break;
        shown = again;
    }
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    fs::create_directories("screenshots");
    // on a screen of another DPI than 96 the name says which: main-dialog-144dpi.bmp
    HDC screen = GetDC(nullptr);
    int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    string shotname = dpi == 96 ? name : fs::path(name).stem().string() + "-" + std::to_string(dpi) + "dpi.bmp";
    string path = "screenshots\\" + shotname;
    if (savebmp(shown, path))
        printf("screenshot: %s\n", fs::absolute(path).string().c_str());
}

string versionvalue(const string &program, const string &name)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(program.c_str(), &ignored);
    if (size == 0) return "no version information";
    vector<char> block(size);
    if (!GetFileVersionInfoA(program.c_str(), 0, size, block.data())) return "unreadable";
    char *value = nullptr;
    UINT length = 0;
    string query = "\\StringFileInfo\\040904E4\\" + name;
    if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void **>(&value), &length) ||
        value == nullptr)
        return "no " + name;
    return string(value);
}

class Release : public ::testing::Test {
protected:
    string release = programfolder() + "release\\";
    string payload = programfolder() + "payload\\";

    void SetUp() override
    {
        // the programs are aware of the screen's DPI: so is this test, which
        // reads their windows' places and pixels
        SetProcessDPIAware();
        // a machine that has never seen the program
        std::error_code ignored;
        fs::remove_all(INSTALLED, ignored);
        forget("VanTrel");
    }

    void install();
    void checkinstalledfiles();
};

void Release::install()
{
    Process setup;
    ASSERT_TRUE(setup.start(release + "setup.exe", "", release)) << "setup.exe is in the release folder";
    HWND dialog = setup.await(nullptr, LIST);
    ASSERT_NE(dialog, nullptr) << "the installer dialog appears";
    EXPECT_EQ(textof(dialog), "Installation of VanTrel");
    EXPECT_EQ(controltext(dialog, PATH), "C:\\Orlavex Dictionary") << "the default folder";
    EXPECT_EQ(items(GetDlgItem(dialog, LIST), LB_GETCOUNT, LB_GETTEXT), SHIPPED);
    screenshot(dialog, "setup.bmp");

    PostMessageW(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(setup.answerbox(), "ERROR: Installation Complete");
    EXPECT_EQ(setup.exitcode(), 1);
}

void Release::checkinstalledfiles()
{
    vector<string> found;
    for (const auto &item : fs::directory_iterator(INSTALLED)) found.push_back(item.path().filename().string());
    vector<string> shipped = SHIPPED;
    std::sort(found.begin(), found.end());
    std::sort(shipped.begin(), shipped.end());
    EXPECT_EQ(found, shipped) << "the install folder holds the four files and nothing else";
    for (const string &name : SHIPPED) {
        string bytes = readwholefile(INSTALLED + name);
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(bytes == readwholefile(payload + name)) << name << " is installed byte for byte";
    }

    DWORD type = 0;
    string locn;
    ASSERT_TRUE(readvalue(PARENT + "\\VanTrel", "locn", &type, &locn)) << "the install record";
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(locn, INSTALLED + '\0');
    EXPECT_EQ(readdword(PARENT, "VanTrel"), utctoday()) << "the install date";
    EXPECT_EQ(readdword(PARENT + "\\VanTrel", "usage"), -1) << "not started yet";

    for (const string &program : {INSTALLED + "vantrel.exe", release + "setup.exe"}) {
        EXPECT_EQ(versionvalue(program, "ProductName"), "Orlavex Dictionary") << program;
        EXPECT_EQ(versionvalue(program, "FileVersion"), "1.0.0") << program;
    }
}

TEST_F(Release, ANewUserInstallsWithEnterAndUsesTheDictionaryAtOnce)
{
    ASSERT_NO_FATAL_FAILURE(install());
    ASSERT_NO_FATAL_FAILURE(checkinstalledfiles());

    vector<SourceEntry> source = readsource(readwholefile(INSTALLED + "orlavexdic.txt"));
    const string shipped = readwholefile(INSTALLED + "dicbin.txt");
    ASSERT_GE(source.size(), 300u);
    ASSERT_EQ(shipped.size(), source.size() * RECORDSIZE) << "one record for each headword line";
    const string word = "bollard";
    auto entry = std::find_if(source.begin(), source.end(),
                              [&](const SourceEntry &e) { return e.word == word; });
    ASSERT_NE(entry, source.end()) << "the bundled dictionary has " << word;
    const size_t number = static_cast<size_t>(entry - source.begin()) + 1;

    Process program;
    ASSERT_TRUE(program.start(INSTALLED + "vantrel.exe", "", INSTALLED));
    HWND dialog = program.await("Orlavex Dictionary");
    ASSERT_NE(dialog, nullptr) << "the main dialog appears with no message before it";
    HWND wordbox = GetDlgItem(dialog, IDC_WORD);
    HWND list = GetDlgItem(dialog, IDC_WORDLIST);
    EXPECT_EQ(controltext(dialog, IDC_WORDCOUNT), std::to_string(source.size())) << "every word is listed";

    // type the headword, key by key, and read its meaning
    for (char key : word) ASSERT_TRUE(deliver(wordbox, WM_CHAR, static_cast<WPARAM>(key), 1));
    EXPECT_EQ(controltext(dialog, IDC_MEANING), entry->meaning);
    EXPECT_EQ(controltext(dialog, IDC_ENTRYNO), std::to_string(number)) << "the entry number";
    EXPECT_EQ(controltext(dialog, IDC_REVISION), "Mark for &revision");
    screenshot(dialog, "main-dialog.bmp");

    // the credits box over it, closed with Enter
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(1023, 0), 0);
    HWND credits = program.await(nullptr, IDC_CREDITSTEXT, dialog);
    ASSERT_NE(credits, nullptr) << "the credits box opens";
    screenshot(credits, "credits.bmp");
    PostMessageW(credits, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    for (ULONGLONG end = GetTickCount64() + PATIENCE; IsWindowVisible(credits) && GetTickCount64() < end;)
        Sleep(20);
    EXPECT_FALSE(IsWindowVisible(credits)) << "Enter closes the credits box";

    // mark it for revision, then grade it Easy
    ASSERT_TRUE(deliver(GetDlgItem(dialog, IDC_REVISION), BM_CLICK, 0, 0));
    EXPECT_EQ(controltext(dialog, IDC_REVISION), "Unmark from &revision");
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(program.info.dwThreadId, &gui);
    EXPECT_EQ(gui.hwndFocus, list) << "the focus is in the word list after marking";
    ASSERT_TRUE(deliver(GetDlgItem(dialog, IDC_LEVEL_EASY), BM_CLICK, 0, 0));
    EXPECT_EQ(controltext(dialog, IDC_STATUS), "Difficulty level changed.");

    // narrow the list to the marked words
    ASSERT_TRUE(deliver(GetDlgItem(dialog, IDC_MARKEDONLY), BM_CLICK, 0, 0));
    EXPECT_EQ(items(list, LB_GETCOUNT, LB_GETTEXT), vector<string>{word});
    EXPECT_EQ(controltext(dialog, IDC_WORDCOUNT), "1");
    EXPECT_EQ(controltext(dialog, IDC_STATUS), std::to_string(source.size())) << "the entries in the store";

    // search for the entries that mention it
    for (char key : word) ASSERT_TRUE(deliver(wordbox, WM_CHAR, static_cast<WPARAM>(key), 1));
    ASSERT_TRUE(deliver(GetDlgItem(dialog, IDC_SEARCH), BM_CLICK, 0, 0));
    vector<string> results = items(GetDlgItem(dialog, IDC_RESULTS), CB_GETCOUNT, CB_GETLBTEXT);
    ASSERT_FALSE(results.empty());
    EXPECT_EQ(results.front(), "Related words found for " + word);
    results.erase(results.begin());
    vector<string> related;
    for (const SourceEntry &e : source)
        if (lower(e.word + "\n" + e.meaning).find(word) != string::npos) related.push_back(lower(e.word));
    std::sort(results.begin(), results.end());
    std::sort(related.begin(), related.end());
    EXPECT_EQ(results, related) << "every entry whose word or meaning holds " << word;
    EXPECT_GT(related.size(), 3u);

    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);  // Dictionary > Exit
    EXPECT_EQ(program.exitcode(), 0);

    // the store differs from the shipped one in that record's mark and level only
    string expected = shipped;
    size_t at = (number - 1) * RECORDSIZE;
    expected.replace(at + offsetof(DictEntry, mark), 2, string{static_cast<char>(RevisionMark), 0});
    expected.replace(at + offsetof(DictEntry, level), 2, string{static_cast<char>(LevelEasy), 0});
    string stored = readwholefile(INSTALLED + "dicbin.txt");
    ASSERT_EQ(stored.size(), shipped.size());
    EXPECT_TRUE(stored == expected) << "only the mark and the level of entry " << number << " changed";

    // the start was counted beside the install record
    EXPECT_EQ(readdword(PARENT + "\\VanTrel", "usage"), 1);
    long long today = utctoday();
    EXPECT_EQ(readdword(PARENT + "\\VanTrel", "sincey") * 10000 +
                  readdword(PARENT + "\\VanTrel", "sincem") * 100 +
                  readdword(PARENT + "\\VanTrel", "sinced"),
              today);
    DWORD type = 0;
    string locn;
    EXPECT_TRUE(readvalue(PARENT + "\\VanTrel", "locn", &type, &locn));
    EXPECT_EQ(locn, INSTALLED + '\0');
}

} // namespace
