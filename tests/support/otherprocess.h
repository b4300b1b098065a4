// Looking at another process's dialogs from a test, as a user sees them:
// their texts (through the W functions, which cross processes whole) and the
// dialog that comes up next.
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

#endif
