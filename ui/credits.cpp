// The credits box.  It holds three things for as long as it is open, all
// released when it is destroyed, however it ends: the font file "lhandw"
// added to the process's own fonts, the credits font on the three texts, and
// the credits picture.
#include "ui/credits.h"

#include "common/picture.h"
#include "dictionary/toolkit.h"
#include "ui/layout.h"

const char CREDITSFACE[] = "Lucida Handwriting";
const char CREDITSFONTFILE[] = "lhandw";

static HFONT font = nullptr;
static HBITMAP picture = nullptr;
static bool drawfailshown = false;  // "????" shows at most once per opening

HFONT creditsfont() { return font; }
HBITMAP creditspicture() { return picture; }

static void tell(const char *text)
{
    // no owner: the box is not shown yet when the picture is missing
    tkmessage(nullptr, text, "ERROR", BOX_OK);
}

static void opencredits(HWND box, int pictureid)
{
    drawfailshown = false;
    // private to this process; a missing file simply adds nothing
    AddFontResourceExA(CREDITSFONTFILE, FR_PRIVATE, nullptr);
    font = CreateFontA(scaled(CREDITSHEIGHT, layoutdpi()), 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, CREDITSFACE);
    static const int TEXTS[] = {IDC_CREDITSTEXT, IDC_CREDITSHINT, IDC_DISCLAIMER};
    for (int id : TEXTS)
        SendDlgItemMessageA(box, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(pictureid));
    InvalidateRect(box, nullptr, TRUE);
    if (picture == nullptr)
        tell("FAIL:");
}

static void paintcredits(HWND box)
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(box, &paint);
    // at the picture's own size, scaled by DPI / 96 as its place is; the
    // rest of the 300 x 300 area is the box's own background
    int dpi = layoutdpi();
    bool drawn = target != nullptr && drawpicture(target, picture, scaled(CREDITSPICTUREX, dpi),
                                                  scaled(CREDITSPICTUREY, dpi), dpi);
    EndPaint(box, &paint);
    // Told after the paint cycle, and only once: the message over the box
    // makes the box paint again.
    if (!drawn && !drawfailshown) {
        drawfailshown = true;
        tell("????");
    }
}

static void releasepicture()
{
    if (picture != nullptr)
        DeleteObject(picture);
    picture = nullptr;
}

static void closecredits()
{
    releasepicture();
    RemoveFontResourceExA(CREDITSFONTFILE, FR_PRIVATE, nullptr);
    if (font != nullptr)
        DeleteObject(font);
    font = nullptr;
}

INT_PTR CALLBACK CreditsFunc(HWND box, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        opencredits(box, static_cast<int>(lparam));
        return FALSE;  // no focus set: Enter reaches the default button all the same
    case WM_PAINT:
        paintcredits(box);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDC_CREDITSCLOSE) {
            EndDialog(box, 0);  // hides the box: nothing is painted after this
            releasepicture();
        }
        return TRUE;  // Escape (IDCANCEL) and every other command: nothing
    case WM_CLOSE:
        EndDialog(box, 1);
        return TRUE;
    case WM_DESTROY:
        closecredits();
        return FALSE;
    }
    return FALSE;
}
