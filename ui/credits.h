// The credits box, dialog template 200, shown modally over the main dialog.
#ifndef VANTREL_CREDITS_H
#define VANTREL_CREDITS_H

#include <windows.h>

INT_PTR CALLBACK CreditsFunc(HWND box, UINT message, WPARAM wparam, LPARAM lparam);

#endif
