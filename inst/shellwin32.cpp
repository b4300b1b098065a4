// The shell seam on Windows: the Start menu folder and a shortcut through
// the shell's own IShellLink, the copy of the running setup, and files held
// with no sharing while they wait to be removed, so that a file another
// program holds open (a running program's own file among them) is found
// before anything is removed.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#endif
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstring>

#include "common/text.h"
#include "inst/files.h"
#include "inst/payload.h"
#include "inst/record.h"
#include "inst/shell.h"

bool startmenufolder(char *folder, size_t size)
{
    char programs[MAX_PATH];
    if (SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs) != S_OK) return false;
    return copytext(folder, size, programs) && appendtext(folder, size, "\\");
}

bool makeshortcut(const char *link, const char *program, const char *folder)
{
    wchar_t widelink[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, link, -1, widelink, MAX_PATH) == 0) return false;
    HRESULT started = CoInitialize(nullptr);
    IShellLinkA *shortcut = nullptr;
    IPersistFile *file = nullptr;
    bool made = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                           reinterpret_cast<void **>(&shortcut)));
    made = made && SUCCEEDED(shortcut->SetPath(program)) && SUCCEEDED(shortcut->SetWorkingDirectory(folder)) &&
           SUCCEEDED(shortcut->SetIconLocation(program, 0)) &&
           SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, reinterpret_cast<void **>(&file))) &&
           SUCCEEDED(file->Save(widelink, TRUE));
    if (file != nullptr) file->Release();
    if (shortcut != nullptr) shortcut->Release();
    if (SUCCEEDED(started)) CoUninitialize();
    return made;
}

bool copyprogram(const char *target)
{
    char self[FULLPATHSIZE];
    char folder[FULLPATHSIZE];
    if (!programpathname(self, sizeof self) || !copytext(folder, sizeof folder, target)) return false;
    char *cut = strrchr(folder, '\\');
    if (cut == nullptr) return false;
    cut[1] = '\0';
    if (onefile(self, target)) return true;  // setup run from the install folder's own copy
    return placecopy(self, folder, target);
}

struct RemovalClaim {
    HANDLE file;
};

RemovalClaim *claimremoval(const char *path)
{
    // a program that has just ended may hold its file a moment longer
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int tries = 0; tries < 5 && file == INVALID_HANDLE_VALUE; ++tries) {
        if (tries > 0) Sleep(200);
        file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_SHARING_VIOLATION &&
            GetLastError() != ERROR_ACCESS_DENIED)
            break;
    }
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    RemovalClaim *claim = new RemovalClaim;
    claim->file = file;
    return claim;
}

size_t claimread(RemovalClaim *claim, void *buffer, size_t size)
{
    DWORD got = 0;
    if (size > 0x10000000 || !ReadFile(claim->file, buffer, (DWORD)size, &got, nullptr)) return 0;
    return got;
}

bool endclaim(RemovalClaim *claim, bool remove)
{
    bool removed = true;
    if (remove) {
        FILE_DISPOSITION_INFO disposition = {TRUE};
        removed = SetFileInformationByHandle(claim->file, FileDispositionInfo, &disposition, sizeof disposition) != 0;
    }
    CloseHandle(claim->file);
    delete claim;
    return removed;
}

bool listfolder(const char *folder, void (*each)(const char *name, void *context), void *context)
{
    char pattern[FULLPATHSIZE];
    if (!copytext(pattern, sizeof pattern, folder) || !appendtext(pattern, sizeof pattern, "*")) return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) each(found.cFileName, context);
    } while (FindNextFileA(search, &found));
    bool whole = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(search);
    return whole;
}

bool removefolder(const char *folder)
{
    return RemoveDirectoryA(folder) != 0;
}
