// The bitmaps and the search menu of the main dialog: loaded at start-up by
// tkloadresources, released when the dialog ends.
#include <windows.h>

#include "dictionary/resource.h"
#include "dictionary/toolkit.h"
#include "ui/toolkitwin32.h"

static HBITMAP logo = nullptr;
static HBITMAP band = nullptr;
static HMENU searchmenubar = nullptr;  // menu 1500; owns the search menu
static HMENU search = nullptr;         // its first sub-menu, "Search"

void tkloadresources(Dialog)
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    tkreleaseresources(nullptr);
    logo = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_LOGO));
    band = LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_BAND));
    searchmenubar = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_SEARCHMENU));
    search = searchmenubar == nullptr ? nullptr : GetSubMenu(searchmenubar, 0);
}

void tkreleaseresources(Dialog)
{
    if (logo != nullptr)
        DeleteObject(logo);
    if (band != nullptr)
        DeleteObject(band);
    if (searchmenubar != nullptr)
        DestroyMenu(searchmenubar);  // and the search menu with it
    logo = nullptr;
    band = nullptr;
    searchmenubar = nullptr;
    search = nullptr;
}

HBITMAP logobitmap() { return logo; }
HBITMAP bandbitmap() { return band; }
HMENU searchmenu() { return search; }
