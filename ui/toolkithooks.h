// Seams of the Win32 toolkit for tests that drive the real dialog.  With a hook
// set, a message box, the search menu, the credits box or a shell open goes to the hook instead
// of waiting for a person or starting another program, and the end of the
// dialog is reported to it as well.  Only test builds (VANTREL_FAULTS) have
// them; in the program each is a null constant, and the code that asks for
// it folds away.
#ifndef VANTREL_TOOLKITHOOKS_H
#define VANTREL_TOOLKITHOOKS_H

#include "dictionary/toolkit.h"

#ifdef VANTREL_FAULTS
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
#else
constexpr int (*messageboxhook)(const char *, const char *, int) = nullptr;
constexpr void (*searchmenuhook)(void) = nullptr;
constexpr void (*opendocumenthook)(const char *) = nullptr;
constexpr void (*creditshook)(void) = nullptr;
constexpr void (*enddialoghook)(Dialog, int) = nullptr;
#endif

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
