#include "bench/memory.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "bench/measure.h"
#include "dictionary/resource.h"

namespace {

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK findmain(HWND window, LPARAM context)
{
    Search *search = reinterpret_cast<Search *>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->process && IsWindowVisible(window) && strcmp(title, "Orlavex Dictionary") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND waitformain(DWORD process)
{
    for (int tries = 0; tries < 600; ++tries) {
        Search search = {process, nullptr};
        EnumWindows(findmain, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        Sleep(50);
    }
    return nullptr;
}

// Sends a message across and waits until the program has handled it and
// everything it queued before it.
void sendandwait(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, 60000, &result);
}

void typeinto(HWND dialog, int id, const char *text)
{
    HWND edit = GetDlgItem(dialog, id);
    for (const char *c = text; *c; ++c) sendandwait(edit, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

void click(HWND dialog, int id)
{
    sendandwait(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// What a user does in a session: every operation that reads the store.
void usethedictionary(HWND dialog)
{
    typeinto(dialog, IDC_WORD, "anchor");
    click(dialog, IDC_SEARCH);
    click(dialog, IDC_PREFIXON);
    typeinto(dialog, IDC_PREFIX, "se");
    click(dialog, IDC_SHOW_HARD);
    click(dialog, IDC_SHOW_ALL);
    click(dialog, IDC_PREFIXON);
    HWND list = GetDlgItem(dialog, IDC_WORDLIST);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT top = 0; top < count; top += count / 20 + 1) sendandwait(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    sendandwait(dialog, WM_NULL, 0, 0);
}

} // namespace

bool benchmemory(const char *path, int entries)
{
    char commandline[MAX_PATH + 32];
    snprintf(commandline, sizeof commandline, "\"%s\" \\NOCOUNT", path);
    STARTUPINFOA startup;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(nullptr, commandline, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        printf("  %s could not be started\n", path);
        return false;
    }
    HWND dialog = waitformain(process.dwProcessId);
    bool ok = dialog != nullptr;
    if (ok) {
        usethedictionary(dialog);
        PROCESS_MEMORY_COUNTERS counters;
        memset(&counters, 0, sizeof counters);
        counters.cb = sizeof counters;
        ok = GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters) != 0;
        if (ok) {
            addamount(entries, "vantrel.exe peak resident memory", counters.PeakWorkingSetSize / 1048576.0, "MB",
                      "not growing with the store");
            addamount(entries, "vantrel.exe peak private memory", counters.PeakPagefileUsage / 1048576.0, "MB", "");
        }
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        ok = false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ok;
}
