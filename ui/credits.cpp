// The credits box: Enter (the hidden default button 201) closes it with 0,
// Alt+F4 with 1; Escape and every other command are ignored.
#include "ui/credits.h"

static const int IDC_CREDITSOK = 201;

INT_PTR CALLBACK CreditsFunc(HWND box, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return FALSE;  // no focus set: Enter reaches the default button all the same
    case WM_COMMAND:
        if (LOWORD(wparam) == IDC_CREDITSOK)
            EndDialog(box, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(box, 1);
        return TRUE;
    }
    return FALSE;
}
