// setup: counts its start, shows the installer dialog over the archive "data"
// in the working folder, extracts on OK, records the install and opens the
// folder.  The archive logic is in extract.cpp and payload.cpp.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

#include "common/picture.h"
#include "common/text.h"
#include "common/y.h"
#include "inst/appentry.h"
#include "inst/install.h"
#include "inst/paths.h"
#include "inst/payload.h"
#include "inst/resource.h"
#include "inst/uninstallrun.h"

HINSTANCE hinst;
HBITMAP hbit;
HICON icon;
char locn[LOCNSIZE];
char ins[TITLESIZE];

static const char CAPTION[] = "ERROR";  // every box of setup, success included

void listadd(SetupDialog hdlg, const char *line)
{
    SendDlgItemMessageA(static_cast<HWND>(hdlg), LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
}

void listselect(SetupDialog hdlg, int i)
{
    SendDlgItemMessageA(static_cast<HWND>(hdlg), LIST, LB_SETCURSEL, (WPARAM)i, 0);
}

// The folder browser.  result holds MAX_PATH characters, as the shell may
// write that many; 1 when a folder with a file-system path was chosen.
int BrowseDir(const char *Title, char *result)
{
    IMalloc *allocator = nullptr;
    if (SHGetMalloc(&allocator) != NOERROR || allocator == nullptr) return 0;
    char displayname[MAX_PATH];
    BROWSEINFOA request;
    memset(&request, 0, sizeof request);
    request.hwndOwner = GetActiveWindow();
    request.pszDisplayName = displayname;
    request.lpszTitle = Title;
    int chosen = 0;
    LPITEMIDLIST item = SHBrowseForFolderA(&request);
    if (item != nullptr) {
        result[0] = '\0';
        if (SHGetPathFromIDListA(item, result)) chosen = result[0] != '\0';
        allocator->Free(item);
    }
    allocator->Release();
    return chosen;
}

// The corner picture, 50 pixels from the right and 20 from the bottom at its
// own size; on a screen of another DPI the figures and the picture scaled by
// DPI / 96.
int paint(HWND hdlg)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hdlg, &ps);
    RECT client;
    GetClientRect(hdlg, &client);
    int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    drawpicture(dc, hbit, client.right - MulDiv(50, dpi, 96), client.bottom - MulDiv(20, dpi, 96), dpi);
    EndPaint(hdlg, &ps);
    return 1;
}

// Title, folder box, bitmap and icon.  0 when the header cannot be read.
int InitializeApp(HWND hdlg)
{
    int header = readheader(ARCHIVE, &def);
    SetDlgItemTextA(hdlg, PATH, def.loc);
    setuptitle(ins, def.name);
    SetWindowTextA(hdlg, ins);
    hinst = GetModuleHandleA(nullptr);
    hbit = LoadBitmapA(hinst, MAKEINTRESOURCEA(IDB_CORNER));
    icon = LoadIconA(hinst, MAKEINTRESOURCEA(IDI_SETUP));
    SendMessageA(hdlg, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    return header;
}

// Says why the archive cannot be installed.
static void tellarchive()
{
    PayloadCheck check;
    checkpayload(ARCHIVE, &check);
    if (check.problem == PAYLOADMISSING || check.problem == PAYLOADUNREADABLE ||
        check.problem == PAYLOADSOUND) {
        MessageBoxA(nullptr, "The file data was not found or is unaccessible", CAPTION, MB_OK);
        return;
    }
    char text[200] = "The file data ";
    appendtext(text, sizeof text, payloadproblemtext(check.problem));
    MessageBoxA(nullptr, text, CAPTION, MB_OK);
}

static void enablebuttons(HWND hdlg, BOOL on)
{
    EnableWindow(GetDlgItem(hdlg, IDOK), on);
    EnableWindow(GetDlgItem(hdlg, IDCANCEL), on);
}

// "Installation Complete", what an upgrade merged into the learner's word
// file and store, and the files the user had changed, which stay in use,
// with where the new copies went.
static const char *completion()
{
    static char text[KEPTSIZE + UPGRADETEXTSIZE + 300];
    copytext(text, sizeof text, "Installation Complete");
    appendtext(text, sizeof text, installupgrade);
    if (installkept[0] == '\0') return text;
    appendtext(text, sizeof text, "\n\nThese files of yours were kept as they are, in use; the new copies are "
                                  "beside them:\n");
    appendtext(text, sizeof text, installkept + 1);
    appendtext(text, sizeof text, "\n\n\"Read me.htm\" tells what to do with them.");
    return text;
}

static void installsequence(HWND hdlg)
{
    // A box longer than locn holds is refused whole, never cut.
    bool toolong = GetWindowTextLengthA(GetDlgItem(hdlg, PATH)) > LOCNSIZE - 1;
    memset(locn, 0, sizeof locn);
    if (!toolong) GetDlgItemTextA(hdlg, PATH, locn, LOCNSIZE);
    enablebuttons(hdlg, FALSE);
    int result = toolong ? INSTALLBADFOLDER : install(hdlg, locn, 1);
    if (result == INSTALLDONE) {
        finishinstall(locn);
        ShellExecuteA(hdlg, "explore", locn, "", "", SW_SHOW);
        MessageBoxA(hdlg, completion(), CAPTION, MB_OK);
        EndDialog(hdlg, 1);
    } else if (result == INSTALLBADFOLDER) {
        MessageBoxA(hdlg, "The address is not acceptable", CAPTION, MB_OK);
        enablebuttons(hdlg, TRUE);
    } else {
        if (installreason[0] != '\0') MessageBoxA(hdlg, installreason, CAPTION, MB_OK);
        EndDialog(hdlg, 0);
    }
}

static void browsesequence(HWND hdlg)
{
    char chosen[MAX_PATH];
    memset(locn, 0, sizeof locn);
    memset(chosen, 0, sizeof chosen);
    BrowseDir("Browse for Directory to install", chosen);
    if (chosen[0] == '\0') return;
    if (!folderfits(chosen)) {
        MessageBoxA(hdlg, "The address is not acceptable", CAPTION, MB_OK);
        return;
    }
    copytext(locn, sizeof locn, chosen);
    SetDlgItemTextA(hdlg, PATH, locn);
}

INT_PTR CALLBACK DialogFunc(HWND hdlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (msg) {
    case WM_INITDIALOG:
        if (!InitializeApp(hdlg) || install(hdlg, locn, 0) != INSTALLDONE) {
            tellarchive();
            EndDialog(hdlg, 0);
        }
        return 1;
    case WM_PAINT:
        return paint(hdlg);
    case WM_CLOSE:
        EndDialog(hdlg, 0);
        return 1;
    case WM_DESTROY:
        if (hbit != nullptr) DeleteObject(hbit);
        hbit = nullptr;
        return 0;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            installsequence(hdlg);
            return 1;
        case IDCANCEL:
            EndDialog(hdlg, -1);
            return 1;
        case BRS:
            browsesequence(hdlg);
            return 1;
        }
        return 0;
    }
    return 0;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int uninstalled = 0;
    if (uninstallrun(GetCommandLineA(), &uninstalled)) return uninstalled;
    countusage("inst");
    // the controls of version 6, which the manifest asks for
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    INT_PTR flag = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_MAINDIALOG),
                                   nullptr, DialogFunc, 0);
    if (flag == 0) MessageBoxA(nullptr, "Installation Unsuccessful", CAPTION, MB_OK);
    return 1;
}
