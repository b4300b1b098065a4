// setup.exe started by the entry in the list of installed programs: the
// command line "/uninstall" (and "/quiet" for no questions).  A program's own
// file cannot be removed while it runs, so the copy in the install folder
// starts a copy of itself in the temporary folder, naming the folder and its
// own process, and ends; that copy waits for it to end, then uninstalls.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/commandline.h"
#include "common/text.h"
#include "common/version.h"
#include "inst/appentry.h"
#include "inst/files.h"
#include "inst/paths.h"
#include "inst/shell.h"
#include "inst/uninstall.h"
#include "inst/uninstallrun.h"

bool askyesno(const char *text, bool nodefault)
{
    UINT style = MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND | (nodefault ? MB_DEFBUTTON2 : MB_DEFBUTTON1);
    return MessageBoxA(nullptr, text, VERSION_PRODUCT, style) == IDYES;
}

void tell(const char *text) { MessageBoxA(nullptr, text, VERSION_PRODUCT, MB_OK | MB_SETFOREGROUND); }

// Takes the next word of *at when it is word (any case), and the spaces after it.
static bool takeword(const char **at, const char *word)
{
    size_t length = strlen(word);
    if (_strnicmp(*at, word, length) != 0 || ((*at)[length] != '\0' && (*at)[length] != ' ')) return false;
    *at += length;
    while (**at == ' ') ++*at;
    return true;
}

struct Request {
    bool quiet;
    unsigned long waitfor;  // the process to wait for; 0 for none
    char folder[LOCNSIZE];  // ends in its backslash
};

// "/uninstall [/quiet] [/wait PID "FOLDER"]"; false for any other command line.
static bool parse(const char *line, Request *r)
{
    const char *at = commandtail(line);
    memset(r, 0, sizeof *r);
    if (!takeword(&at, UNINSTALLSWITCH)) return false;
    r->quiet = takeword(&at, QUIETSWITCH);
    if (takeword(&at, "/wait")) {
        char *end = nullptr;
        r->waitfor = strtoul(at, &end, 10);
        at = end;
        while (*at == ' ') ++at;
        if (*at != '"') return false;
        const char *close = strchr(at + 1, '"');
        if (close == nullptr || close - at - 1 >= LOCNSIZE - 1) return false;
        memcpy(r->folder, at + 1, (size_t)(close - at - 1));
        return acceptfolder(r->folder);
    }
    char self[FULLPATHSIZE];
    return programfolder(self, sizeof self) && copytext(r->folder, sizeof r->folder, self);
}

// Starts a copy of this program in the temporary folder to uninstall folder
// once this process has ended.
static bool handover(const Request *r)
{
    char self[FULLPATHSIZE];
    char temp[MAX_PATH];
    char copy[FULLPATHSIZE];
    DWORD templength = GetTempPathA(sizeof temp, temp);
    if (!programpathname(self, sizeof self) || templength == 0 || templength >= sizeof temp) return false;
    snprintf(copy, sizeof copy, "%suninstall-%lu.exe", temp, GetCurrentProcessId());
    if (!CopyFileA(self, copy, FALSE)) return false;
    char folder[LOCNSIZE];
    copytext(folder, sizeof folder, r->folder);
    folder[strlen(folder) - 1] = '\0';  // no backslash before the closing quote
    char line[2 * FULLPATHSIZE];
    snprintf(line, sizeof line, "\"%s\" %s%s /wait %lu \"%s\"", copy, UNINSTALLSWITCH,
             r->quiet ? " " QUIETSWITCH : "", GetCurrentProcessId(), folder);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(copy, line, nullptr, nullptr, FALSE, 0, nullptr, temp, &startup, &started)) {
        DeleteFileA(copy);
        return false;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

bool uninstallrun(const char *commandline, int *status)
{
    Request r;
    if (!parse(commandline, &r)) return false;
    *status = 1;
    char self[FULLPATHSIZE];
    if (r.waitfor == 0 && programfolder(self, sizeof self) && samepathname(self, r.folder)) {
        if (!handover(&r) && !r.quiet) tell("The uninstaller could not be started from the temporary folder.");
        return true;
    }
    if (r.waitfor != 0) {
        HANDLE before = OpenProcess(SYNCHRONIZE, FALSE, r.waitfor);
        if (before != nullptr) {
            WaitForSingleObject(before, 30000);
            CloseHandle(before);
        }
    }
    uninstall(r.folder, r.quiet);
    if (r.waitfor != 0 && programpathname(self, sizeof self))
        MoveFileExA(self, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);  // the copy in the temporary folder, when allowed
    return true;
}
