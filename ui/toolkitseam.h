// The toolkit's seam, swapped at link time: the calls that wait for a person,
// start another program or end the dialog, and whether the toolkit takes its
// shortcuts.  The program links ui/toolkitseam.cpp: the real calls, and the
// shortcuts always taken.  The tests that drive the real dialog and the
// dialog benchmark link tests/toolkithooks.cpp in its place, whose hooks
// stand for the calls and whose switch turns the shortcuts off.
#ifndef VANTREL_TOOLKITSEAM_H
#define VANTREL_TOOLKITSEAM_H

#include <windows.h>

// A message box over owner; the button pressed.
int showmessagebox(HWND owner, const char *text, const char *caption, int style);
// The search menu at (x, y) on the screen, its choice sent to owner as a
// command; a null menu shows nothing.
void tracksearchmenu(HMENU menu, HWND owner, int x, int y);
// The shell opens a document.
void shellopen(const char *file);
// The modal credits box over owner, template 200.
void showcreditsbox(HWND owner);
// The modal review box over owner, template 300.
void showreviewbox(HWND owner);
// The end of the dialog.
void enddialog(HWND dialog, int result);

// The toolkit's shortcuts, each of which leaves every control as the plain
// calls would: a multi-line edit written once per command, the word list's
// prefix found in the toolkit's copy of its items, a refill's redraw stopped
// before the list is emptied, a caption not written with the text it shows.
bool tkshortcuts();

#endif
