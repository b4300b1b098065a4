// Seams of the Win32 toolkit for tests that drive the real dialog.  With a hook
// set, a message box, the search menu, the credits box or a shell open goes to the hook instead
// of waiting for a person or starting another program, and the end of the
// dialog is reported to it as well.  All of them are null in the program.
#ifndef VANTREL_TOOLKITHOOKS_H
#define VANTREL_TOOLKITHOOKS_H

#include "dictionary/toolkit.h"

// answers the box instead of showing it
extern int (*messageboxhook)(const char *text, const char *caption, int style);
// stands for the search menu: the user's choice, if any, is the hook's to send
extern void (*searchmenuhook)(void);
// stands for the shell opening a document
extern void (*opendocumenthook)(const char *file);
// stands for the modal credits box
extern void (*creditshook)(void);
// told of every end of the dialog, before the dialog is ended
extern void (*enddialoghook)(Dialog d, int result);

// The toolkit's shortcuts, each of which leaves every control as the plain
// calls would: a multi-line edit written once per command, the word list's
// prefix found in the toolkit's copy of its items, a refill's redraw stopped
// before the list is emptied.  Test builds can switch them off, to compare
// with the plain calls; the program always takes them.
#ifdef VANTREL_FAULTS
extern bool toolkitshortcuts;
inline bool tkshortcuts() { return toolkitshortcuts; }
#else
inline bool tkshortcuts() { return true; }
#endif

#endif
