// Another program started from a test as a user starts it, and its dialogs
// looked at as a user sees them: their texts (through the W functions, which
// cross processes whole) and the dialog that comes up next.
#ifndef VANTREL_OTHERPROCESS_H
#define VANTREL_OTHERPROCESS_H

#include <windows.h>

#include <string>

// The static of a message box that holds its text.
const int MESSAGEBOXTEXT = 65535;

// ASCII kept, anything else as '?'.
inline std::string narrowtext(const std::wstring &text)
{
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

inline std::string windowtext(HWND window)
{
    wchar_t text[8192] = L"";
    DWORD_PTR got = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 30000, &got);
    return narrowtext(text);
}

inline std::string controltext(HWND dialog, int id) { return windowtext(GetDlgItem(dialog, id)); }

// The folder of this test program, where the programs it starts are built;
// it ends in a backslash.
inline std::string programfolder()
{
    char path[MAX_PATH];
    std::string self(path, GetModuleFileNameA(nullptr, path, sizeof path));
    return self.substr(0, self.find_last_of('\\') + 1);
}

struct DialogLook {
    DWORD pid;
    const char *title;  // with control 0: the dialog's title; null for any dialog
    int control;        // not 0: a dialog that holds this control
    HWND other;         // a dialog that is not the one looked for
    HWND found;
};

inline BOOL CALLBACK matchdialog(HWND window, LPARAM parameter)
{
    DialogLook *look = reinterpret_cast<DialogLook *>(parameter);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[16] = "";
    GetClassNameA(window, cls, sizeof cls);
    if (pid != look->pid || window == look->other || !IsWindowVisible(window) || std::string(cls) != "#32770")
        return TRUE;
    if (look->control != 0 && GetDlgItem(window, look->control) == nullptr) return TRUE;
    if (look->control == 0 && look->title != nullptr && windowtext(window) != look->title) return TRUE;
    look->found = window;
    return FALSE;
}

// The visible dialog of the process that the look describes; null if none
// came within patience milliseconds while the process ran.
inline HWND awaitdialog(const PROCESS_INFORMATION &process, const char *title, int control, HWND other,
                        DWORD patience)
{
    DialogLook look = {process.dwProcessId, title, control, other, nullptr};
    for (ULONGLONG end = GetTickCount64() + patience; GetTickCount64() < end; Sleep(20)) {
        look.found = nullptr;
        EnumWindows(matchdialog, reinterpret_cast<LPARAM>(&look));
        if (look.found != nullptr) return look.found;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
    }
    return nullptr;
}

// A program started from the test, ended by the test if it still runs.
struct OtherProcess {
    PROCESS_INFORMATION info = {};
    DWORD patience = 30000;  // ms for a window to come or the program to end

    ~OtherProcess() { close(); }

    // Starts program in folder with its quoted name and then tail on the
    // command line, as a shortcut or a double-click does.
    bool start(const std::string &program, const std::string &tail, const std::string &folder)
    {
        std::string line = "\"" + program + "\"" + tail;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                              &startup, &info) != 0;
    }

    // A visible dialog of the program with this title, or holding this
    // control; null if none came while the program ran.
    HWND await(const char *title, int control = 0, HWND other = nullptr)
    {
        return awaitdialog(info, title, control, other, patience);
    }

    // "caption: text" of the next message box, which is then answered with
    // the button (OK, Yes or No).
    std::string answerbox(int button = IDOK)
    {
        HWND box = await(nullptr, MESSAGEBOXTEXT);
        if (box == nullptr) return "no message box";
        std::string said = windowtext(box) + ": " + controltext(box, MESSAGEBOXTEXT);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        for (ULONGLONG end = GetTickCount64() + patience; IsWindow(box) && GetTickCount64() < end;) Sleep(20);
        return said;
    }

    // The exit code, or -1 if the program did not end in time.
    long exitcode()
    {
        if (WaitForSingleObject(info.hProcess, patience) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(info.hProcess, &code);
        return static_cast<long>(code);
    }

    // Ends the program if it still runs and lets it go; false when it still ran.
    bool close()
    {
        if (info.hProcess == nullptr) return true;
        bool ended = WaitForSingleObject(info.hProcess, 0) != WAIT_TIMEOUT;
        if (!ended) TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
        info = {};
        return ended;
    }
};

#endif
