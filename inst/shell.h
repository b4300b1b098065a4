// What setup and its uninstaller need of the Windows shell, of files in use
// and of their windows, beyond the file layer: the Start menu shortcut, the
// copy of the running program that becomes the uninstaller, the removal of
// files that another program may hold open, the installer's list and the
// uninstaller's questions.  On Windows these are shellwin32.cpp,
// uninstallwin32.cpp and inst.cpp; the host tests link a model of them
// (tests/setup/shellmodel.cpp, the list in tests/setup/setupfixture.cpp).
#ifndef VANTREL_SHELL_H
#define VANTREL_SHELL_H

#include <cstddef>

// The current user's Start menu programs folder, ending in its backslash.
bool startmenufolder(char *folder, size_t size);

// Makes (or replaces) the shortcut file link, which starts program in the
// working folder folder and shows program's icon.
bool makeshortcut(const char *link, const char *program, const char *folder);

// Copies the running program whole to target, through a temporary name
// beside it, on the disk before it takes target's place.
bool copyprogram(const char *target);

// A file held for removal, so that no other program can open it meanwhile;
// null when it cannot be removed now (in use, read-only, missing).
struct RemovalClaim;
RemovalClaim *claimremoval(const char *path);
// Reads the held file on from its start: the bytes read, fewer than size at
// its end (or when a read fails).
size_t claimread(RemovalClaim *claim, void *buffer, size_t size);
// Lets the file go, and removes it when remove is true; false when that fails.
bool endclaim(RemovalClaim *claim, bool remove);

// Calls each with every plain file name in folder (which ends in its
// backslash); false when the folder cannot be read.
bool listfolder(const char *folder, void (*each)(const char *name, void *context), void *context);
// Removes folder when it is empty.
bool removefolder(const char *folder);

// What install needs of the dialog: append a line to the list box LIST, and
// select line i (0-based) and scroll it into view.
typedef void *SetupDialog;  // the installer dialog, an HWND on Windows
void listadd(SetupDialog hdlg, const char *line);
void listselect(SetupDialog hdlg, int i);

// What uninstall needs of the window side: a Yes/No question (true for Yes),
// with No as the default button when nodefault; and a message.
bool askyesno(const char *text, bool nodefault);
void tell(const char *text);

#endif
