// The toolkit's seam as the program has it: the real calls, and the
// shortcuts always taken.
#include "ui/toolkitseam.h"

#include <shellapi.h>

#include "dictionary/resource.h"
#include "ui/credits.h"
#include "ui/reviewbox.h"

int showmessagebox(HWND owner, const char *text, const char *caption, int style)
{
    return MessageBoxA(owner, text, caption, static_cast<UINT>(style));
}

void tracksearchmenu(HMENU menu, HWND owner, int x, int y)
{
    if (menu != nullptr)
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, x, y, 0, owner, nullptr);
}

void shellopen(const char *file)
{
    ShellExecuteA(nullptr, "open", file, "", "", SW_SHOW);
}

void showcreditsbox(HWND owner)
{
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CREDITS), owner, CreditsFunc,
                    IDB_CREDITS);
}

void showreviewbox(HWND owner)
{
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_REVIEW), owner, ReviewFunc, 0);
}

void enddialog(HWND dialog, int result)
{
    EndDialog(dialog, result);
}

bool tkshortcuts()
{
    return true;
}
