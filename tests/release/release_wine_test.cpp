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
#include <objbase.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "common/text.h"
#include "common/version.h"
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
const string INSTALLED = "C:\\" VERSION_PRODUCT "\\";
const vector<string> SHIPPED = {"vantrel.exe", "dicbin.txt", "orlavexdic.txt", "Read me.htm"};

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
    for (char &c : text) c = lowerascii(c);
    return text;
}

// text with its first what replaced by with; text itself when what is not in it.
string replaced(string text, const string &what, const string &with)
{
    size_t at = text.find(what);
    return at == string::npos || what.empty() ? text : text.replace(at, what.size(), with);
}

string crlf(const string &text)
{
    string out;
    for (char c : text) out += c == '\n' ? string("\r\n") : string(1, c);
    return out;
}

// The entry of bollard in a word file with LF line ends: its headword line and its meaning.
string bollardentry(const string &text)
{
    size_t at = text.find("bollard marvoc\n");
    size_t next = at == string::npos ? at : text.find(" marvoc\n", at + 15);
    if (next == string::npos) return "";
    size_t end = text.rfind('\n', next) + 1;
    return text.substr(at, end - at);
}

// The names in a folder, sorted.
vector<string> listing(const string &folder)
{
    vector<string> names;
    for (const auto &item : fs::directory_iterator(folder)) names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
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

// The shortcut setup makes in the current user's Start menu.
string startmenulink()
{
    char programs[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
    return string(programs) + "\\" VERSION_PRODUCT ".lnk";
}

// The program and the working folder of a shortcut, read back through the shell.
bool readshortcut(const string &link, string *program, string *folder)
{
    CoInitialize(nullptr);
    IShellLinkA *shortcut = nullptr;
    IPersistFile *file = nullptr;
    std::wstring wide(link.begin(), link.end());
    char path[MAX_PATH] = "", work[MAX_PATH] = "";
    bool read = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                           reinterpret_cast<void **>(&shortcut))) &&
                SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file))) &&
                SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
                SUCCEEDED(shortcut->GetPath(path, MAX_PATH, nullptr, 0)) &&
                SUCCEEDED(shortcut->GetWorkingDirectory(work, MAX_PATH));
    if (file != nullptr) file->Release();
    if (shortcut != nullptr) shortcut->Release();
    CoUninitialize();
    *program = path;
    *folder = work;
    return read;
}

// What a command prints, run to its end.
string outputof(const string &command)
{
    string out;
    FILE *pipe = _popen(command.c_str(), "rb");
    for (int c; pipe != nullptr && (c = fgetc(pipe)) != EOF;) out += static_cast<char>(c);
    if (pipe != nullptr) _pclose(pipe);
    return out;
}

// The process that parent started, once it has; its id, or 0.
DWORD childof(DWORD parent)
{
    for (ULONGLONG end = GetTickCount64() + PATIENCE; GetTickCount64() < end; Sleep(50)) {
        HANDLE all = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        PROCESSENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        DWORD found = 0;
        for (BOOL more = Process32First(all, &entry); more && found == 0; more = Process32Next(all, &entry))
            if (entry.th32ParentProcessID == parent && entry.th32ProcessID != parent) found = entry.th32ProcessID;
        CloseHandle(all);
        if (found != 0) return found;
    }
    return 0;
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
        fs::remove(startmenulink(), ignored);
        forget("VanTrel");
    }

    string upgrade = programfolder() + "release2\\";
    string said;  // the completion the last install showed

    // Starts setup.exe in the folder from (the release by default), installs
    // with Enter, and checks that the completion begins with completion.
    void install(const string &completion = "ERROR: Installation Complete", const string &from = "")
    {
        const string folder = from.empty() ? release : from;
        Process setup;
        ASSERT_TRUE(setup.start(folder + "setup.exe", "", folder)) << "setup.exe is in the release folder";
        HWND dialog = setup.await(nullptr, LIST);
        ASSERT_NE(dialog, nullptr) << "the installer dialog appears";
        EXPECT_EQ(windowtext(dialog), "Installation of VanTrel");
        EXPECT_EQ(controltext(dialog, PATH), "C:\\" VERSION_PRODUCT) << "the default folder";
        EXPECT_EQ(items(GetDlgItem(dialog, LIST), LB_GETCOUNT, LB_GETTEXT), SHIPPED);
        screenshot(dialog, "setup.bmp");

        PostMessageW(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_RETURN, 0);
        said = setup.answerbox();
        EXPECT_EQ(said.substr(0, completion.size()), completion);
        EXPECT_EQ(setup.exitcode(), 1);
    }

    // A second release in the folder upgrade: the first's program and Read me,
    // this word file and the store mkdictionary.exe compiles from it, packed
    // by mkpayload.exe as the release is, with setup.exe beside it.
    void makerelease(const string &words)
    {
        std::error_code ignored;
        fs::remove_all(upgrade, ignored);
        fs::create_directories(upgrade);
        for (const char *name : {"vantrel.exe", "Read me.htm"}) fs::copy_file(payload + name, upgrade + name);
        fs::copy_file(release + "setup.exe", upgrade + "setup.exe");
        ASSERT_TRUE(writewholefile(upgrade + "orlavexdic.txt", words));
        for (const string &run : {string("mkdictionary.exe orlavexdic.txt dicbin.txt"),
                                  string("mkpayload.exe pack data --folder \"C:\\" VERSION_PRODUCT "\" --name VanTrel "
                                         "--exe vantrel.exe vantrel.exe dicbin.txt orlavexdic.txt \"Read me.htm\"")}) {
            Process tool;
            const string name = run.substr(0, run.find(' '));
            ASSERT_TRUE(tool.start(programfolder() + name, run.substr(run.find(' ')), upgrade)) << name;
            ASSERT_EQ(tool.exitcode(), 0) << run;
        }
    }

    void checkinstalledfiles()
    {
        vector<string> shipped = SHIPPED;
        shipped.insert(shipped.end(), {"install.base", "install.lst", "uninstall.exe"});
        std::sort(shipped.begin(), shipped.end());
        EXPECT_EQ(listing(INSTALLED), shipped) << "the install folder holds the four files, setup's base, record and uninstaller";
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
            EXPECT_EQ(versionvalue(program, "ProductName"), VERSION_PRODUCT) << program;
            EXPECT_EQ(versionvalue(program, "FileVersion"), "1.0.0") << program;
        }
    }
};

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
    HWND dialog = program.await(VERSION_PRODUCT);
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
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_CREDITS, 0), 0);
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


TEST_F(Release, ANewUserInstallsUpgradesAndRemovesTheDictionaryAsWindowsUsersDo)
{
    ASSERT_NO_FATAL_FAILURE(install());
    const string entry = UNINSTALLENTRIES + "VanTrel";
    EXPECT_NE(outputof("uninstaller.exe --list").find("VanTrel|||" VERSION_PRODUCT), string::npos)
        << "the entry is among the installed programs";

    // the Start menu shortcut starts the program in its folder, on the dictionary
    string program, folder;
    ASSERT_TRUE(readshortcut(startmenulink(), &program, &folder)) << "the shortcut is in the Start menu";
    EXPECT_EQ(lower(program), lower(INSTALLED + "vantrel.exe"));
    EXPECT_EQ(lower(folder), lower(INSTALLED));
    const size_t words = readsource(readwholefile(INSTALLED + "orlavexdic.txt")).size();
    {
        Process started;
        ASSERT_TRUE(started.start(program, "", folder));
        HWND dialog = started.await(VERSION_PRODUCT);
        ASSERT_NE(dialog, nullptr) << "the main dialog appears with no message before it";
        EXPECT_EQ(controltext(dialog, IDC_WORDCOUNT), std::to_string(words)) << "every word is listed";
        // mark a word
        for (char key : string("bollard")) ASSERT_TRUE(deliver(GetDlgItem(dialog, IDC_WORD), WM_CHAR, key, 1));
        ASSERT_TRUE(deliver(GetDlgItem(dialog, IDC_REVISION), BM_CLICK, 0, 0));
        EXPECT_EQ(controltext(dialog, IDC_REVISION), "Unmark from &revision");
        // and review it with the keyboard: Enter shows its meaning, Enter again on "I knew it" grades it
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_REVIEW, 0), 0);
        HWND box = started.await("Review", IDC_REVIEWMEANING, dialog);
        ASSERT_NE(box, nullptr) << "the review box opens";
        EXPECT_EQ(controltext(box, IDC_REVIEWWORD) + ", " + controltext(box, IDC_REVIEWPROGRESS), "bollard, 1 of 1 due today");
        PostMessageW(GetDlgItem(box, IDC_REVIEWSHOW), WM_KEYDOWN, VK_RETURN, 0x001C0001);
        for (ULONGLONG end = GetTickCount64() + PATIENCE; controltext(box, IDC_REVIEWMEANING).empty() && GetTickCount64() < end;)
            Sleep(20);
        screenshot(box, "review.bmp");
        PostMessageW(GetDlgItem(box, IDC_REVIEWKNEW), WM_KEYDOWN, VK_RETURN, 0x001C0001);
        EXPECT_EQ(started.answerbox(), "Review: Reviewed: 1 (known: 1, not yet: 0)\nDue tomorrow: 0");
        EXPECT_EQ(readwholefile(INSTALLED + "studylog.txt").substr(10), "\tbollard\t114\tknew\r\n") << "the log, beside the store";
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
        EXPECT_EQ(started.exitcode(), 0);
    }
    const string studylog = readwholefile(INSTALLED + "studylog.txt");
    // and edit the word file in an editor that saves CR LF: their own meaning of bosun, a term of their own
    const string shipped = readwholefile(payload + "orlavexdic.txt");
    const string bosun = "The foreman of the deck crew, also written boatswain.\n";
    string edited = replaced(shipped, bosun, "My bosun: the boatswain, who runs the deck crew.\n");
    edited = crlf(edited + "my own word marvoc\nwhat it means to me\n");
    ASSERT_TRUE(writewholefile(INSTALLED + "orlavexdic.txt", edited));

    // a new release: two new terms, a corrected meaning, its own change of bosun, bollard no longer in it
    string second = replaced(shipped, "The front end of a ship.", "The front end of a ship, where the stem rises.");
    second = replaced(second, bosun, "The foreman of the deck crew (the boatswain).\n");
    second = replaced(second, "boom marvoc\n", "capstan bar marvoc\nA wooden lever that turns a capstan.\nboom marvoc\n");
    second = replaced(second, bollardentry(second), "") + "warping drum marvoc\nA drum of a winch that heaves a line.\n";
    ASSERT_NO_FATAL_FAILURE(makerelease(second));
    ASSERT_NO_FATAL_FAILURE(install(string("ERROR: Installation Complete\n\nThe new release's words were merged"),
                                    upgrade));
    for (const char *told : {"\nNew words added: 2 (capstan bar, warping drum)", "\nMeanings updated by the release: 1 (bow)",
                             "\nChanged by you and by the release, yours kept: 1 (bosun)",
                             "\nNo longer in the release, kept because you studied them: 1 (bollard)",
                             "\nThe release's whole word file is beside yours as orlavexdic.txt.new.",
                             "\nYour word file as it was is kept as orlavexdic.txt.before-upgrade."})
        EXPECT_NE(said.find(told), string::npos) << told << " in " << said;
    EXPECT_TRUE(readwholefile(INSTALLED + "orlavexdic.txt.before-upgrade") == edited) << "the word file as it was";
    EXPECT_TRUE(readwholefile(INSTALLED + "orlavexdic.txt.new") == second) << "the release's, for its change of bosun";
    EXPECT_FALSE(fs::exists(INSTALLED + "dicbin.txt.new")) << "the store is the learner's, rebuilt";
    EXPECT_TRUE(readwholefile(INSTALLED + "studylog.txt") == studylog) << "the study log is left alone";
    const string merged = readwholefile(INSTALLED + "orlavexdic.txt");
    EXPECT_EQ(merged.find("\n"), merged.find("\r\n") + 1) << "the learner's CR LF line ends";
    {
        // the dictionary now holds the release's words, its corrections, and all of the learner's
        Process started;
        ASSERT_TRUE(started.start(program, "", folder));
        HWND dialog = started.await(VERSION_PRODUCT);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(controltext(dialog, IDC_WORDCOUNT), std::to_string(words + 3)) << "two new terms and their own";
        const std::pair<const char *, const char *> looked[] = {
            {"capstan bar", "A wooden lever that turns a capstan.\r\n"},
            {"bow", "The front end of a ship, where the stem rises."},
            {"bosun", "My bosun: the boatswain, who runs the deck crew.\r\n"},
            {"my own word", "what it means to me\r\n"},
            {"bollard", "A short, strong post"},
        };
        for (const auto &look : looked) {
            ASSERT_TRUE(deliver(GetDlgItem(dialog, IDC_WORD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"")));
            for (const char *key = look.first; *key != '\0'; ++key)
                ASSERT_TRUE(deliver(GetDlgItem(dialog, IDC_WORD), WM_CHAR, *key, 1));
            EXPECT_EQ(controltext(dialog, IDC_MEANING).rfind(look.second, 0), 0u) << look.first;
        }
        EXPECT_EQ(controltext(dialog, IDC_REVISION), "Unmark from &revision") << "bollard is still marked";
        DWORD_PTR hard = 0;
        deliver(GetDlgItem(dialog, IDC_LEVEL_HARD), BM_GETCHECK, 0, 0, &hard);
        EXPECT_EQ(hard, static_cast<DWORD_PTR>(BST_CHECKED)) << "and at the level the review gave it";
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
        EXPECT_EQ(started.exitcode(), 0);
    }

    // removed through the entry: a copy in the temporary folder asks, removes, tells
    DWORD type = 0;
    string command;
    ASSERT_TRUE(readvalue(entry, "UninstallString", &type, &command));
    command.resize(strlen(command.c_str()));
    EXPECT_EQ(command, "\"" + INSTALLED + "uninstall.exe\" /uninstall");
    Process first;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &first.info));
    Process copy;
    copy.info.dwProcessId = childof(first.info.dwProcessId);
    ASSERT_NE(copy.info.dwProcessId, 0u) << "the uninstaller starts its copy";
    copy.info.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, copy.info.dwProcessId);
    EXPECT_EQ(first.exitcode(), 1);
    EXPECT_EQ(copy.answerbox(IDYES), VERSION_PRODUCT ": Remove " VERSION_PRODUCT " from " + INSTALLED + "?");
    const string mine = "\ndicbin.txt\norlavexdic.txt\norlavexdic.txt.before-upgrade\norlavexdic.txt.new\nstudylog.txt";
    // the learner changes a file of setup's while the second question is open: it is theirs now
    ASSERT_NE(copy.await(nullptr, MESSAGEBOXTEXT), nullptr);
    ASSERT_TRUE(writewholefile(INSTALLED + "Read me.htm", "my notes"));
    EXPECT_EQ(copy.answerbox(IDNO), VERSION_PRODUCT ": These files in " + INSTALLED +
                                        " were changed or made by you, or are new copies kept beside them:" + mine +
                                        "\n\nRemove them too?");
    EXPECT_EQ(copy.answerbox(), VERSION_PRODUCT ": " VERSION_PRODUCT " was removed.\n\nThese files of yours were "
                                "kept in " + INSTALLED + ":\nRead me.htm" + mine);
    EXPECT_EQ(copy.exitcode(), 1);
    EXPECT_EQ(listing(INSTALLED), (vector<string>{"Read me.htm", "dicbin.txt", "orlavexdic.txt",
                                                  "orlavexdic.txt.before-upgrade", "orlavexdic.txt.new", "studylog.txt"}))
        << "the user's files kept, in the folder kept for them";
    EXPECT_EQ(readwholefile(INSTALLED + "Read me.htm"), "my notes");
    EXPECT_FALSE(fs::exists(startmenulink())) << "the shortcut is gone";
    EXPECT_FALSE(readvalue(entry, "DisplayName", &type, &command)) << "the entry is gone";
    EXPECT_FALSE(readvalue(PARENT + "\\VanTrel", "locn", &type, &command)) << "the install record is gone";
}

} // namespace
