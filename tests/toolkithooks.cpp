// The toolkit's seam for the tests that drive the real dialog and for the
// dialog benchmark: each call goes to its hook when one is set, else it is
// the real one; the shortcuts are taken while toolkitshortcuts is true.
#include "tests/toolkithooks.h"

#include <windows.h>
#include <shellapi.h>

#include "dictionary/resource.h"
#include "ui/credits.h"
#include "ui/reviewbox.h"
#include "ui/toolkitseam.h"

int (*messageboxhook)(const char *text, const char *caption, int style) = nullptr;
void (*searchmenuhook)(void) = nullptr;
void (*opendocumenthook)(const char *file) = nullptr;
void (*creditshook)(void) = nullptr;
void (*reviewhook)(HWND box) = nullptr;
void (*enddialoghook)(Dialog d, int result) = nullptr;
bool toolkitshortcuts = true;

int showmessagebox(HWND owner, const char *text, const char *caption, int style)
{
    if (messageboxhook != nullptr)
        return messageboxhook(text, caption, style);
    return MessageBoxA(owner, text, caption, static_cast<UINT>(style));
}

void tracksearchmenu(HMENU menu, HWND owner, int x, int y)
{
    if (searchmenuhook != nullptr)
        searchmenuhook();
    else if (menu != nullptr)
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, x, y, 0, owner, nullptr);
}

void shellopen(const char *file)
{
    if (opendocumenthook != nullptr)
        opendocumenthook(file);
    else
        ShellExecuteA(nullptr, "open", file, "", "", SW_SHOW);
}

void showcreditsbox(HWND owner)
{
    if (creditshook != nullptr)
        creditshook();
    else
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CREDITS), owner, CreditsFunc,
                        IDB_CREDITS);
}

void showreviewbox(HWND owner)
{
    if (reviewhook == nullptr) {
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_REVIEW), owner, ReviewFunc, 0);
        return;
    }
    EnableWindow(owner, FALSE);
    HWND box = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_REVIEW), owner, ReviewFunc, 0);
    ShowWindow(box, SW_SHOW);
    reviewhook(box);
    DestroyWindow(box);
    EnableWindow(owner, TRUE);
}

void enddialog(HWND dialog, int result)
{
    if (enddialoghook != nullptr)
        enddialoghook(reinterpret_cast<Dialog>(dialog), result);
    EndDialog(dialog, result);
}

bool tkshortcuts()
{
    return toolkitshortcuts;
}
