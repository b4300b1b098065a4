// The hooks of the toolkit's seam for the tests that drive the real dialog
// and for the dialog benchmark, which link tests/toolkithooks.cpp in place of
// ui/toolkitseam.cpp.  With a hook set, a message box, the search menu, the
// credits box or a shell open goes to the hook instead of waiting for a
// person or starting another program, and the end of the dialog is reported
// to it as well; with none, the real call is made.
#ifndef VANTREL_TESTS_TOOLKITHOOKS_H
#define VANTREL_TESTS_TOOLKITHOOKS_H

#include <windows.h>

#include "dictionary/toolkit.h"

// answers the box instead of showing it
extern int (*messageboxhook)(const char *text, const char *caption, int style);
// stands for the search menu: the user's choice, if any, is the hook's to send
extern void (*searchmenuhook)(void);
// stands for the shell opening a document
extern void (*opendocumenthook)(const char *file);
// stands for the modal credits box
extern void (*creditshook)(void);
// plays the user's part in the real review box, made modeless over its disabled owner
extern void (*reviewhook)(HWND box);
// told of every end of the dialog, before the dialog is ended
extern void (*enddialoghook)(Dialog d, int result);

// The toolkit's shortcuts (ui/toolkitseam.h), on unless switched off here to
// compare with the plain calls.
extern bool toolkitshortcuts;

#endif
