// The review box.  Its template's dialog units follow the dialog font, which
// the system scales by its DPI, as the main dialog's template does; the
// headword's larger font is made from that font, so it scales with it.  It
// holds that font for as long as it is open.
#include "ui/reviewbox.h"

#include "dictionary/resource.h"
#include "dictionary/review.h"
#include "ui/toolkitwin32.h"

static HFONT wordfont = nullptr;

HFONT reviewwordfont() { return wordfont; }

static Dialog asdialog(HWND box) { return reinterpret_cast<Dialog>(box); }

static void makewordfont(HWND box)
{
    LOGFONTA face = {};
    HFONT dialogfont = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    if (dialogfont == nullptr || GetObjectA(dialogfont, sizeof face, &face) == 0)
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfHeight *= REVIEWWORDGROWTH;
    face.lfWidth = 0;
    face.lfWeight = FW_BOLD;
    wordfont = CreateFontIndirectA(&face);
    if (wordfont != nullptr)
        SendDlgItemMessageA(box, IDC_REVIEWWORD, WM_SETFONT, reinterpret_cast<WPARAM>(wordfont), FALSE);
}

static void command(HWND box, int id, int code)
{
    tkbegincommand(asdialog(box));
    reviewcommand(asdialog(box), id, code);
    tkendcommand(asdialog(box));
}

INT_PTR CALLBACK ReviewFunc(HWND box, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        makewordfont(box);
        tkbegincommand(asdialog(box));
        openreview(asdialog(box));
        tkendcommand(asdialog(box));
        return FALSE;  // the review has put the focus on "&Show meaning"
    case WM_COMMAND:
        command(box, LOWORD(wparam), HIWORD(wparam));
        return TRUE;
    case WM_CLOSE:
        command(box, IDCANCEL, 0);
        return TRUE;
    case WM_DESTROY:
        if (wordfont != nullptr)
            DeleteObject(wordfont);
        wordfont = nullptr;
        return FALSE;
    }
    return FALSE;
}
