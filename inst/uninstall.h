// The uninstaller: setup's copy "uninstall.exe" in the install folder,
// started by the entry in the list of installed programs.  It removes what
// setup installed and the user left as it was, and keeps what the user
// changed or made unless they choose to remove it too.
#ifndef VANTREL_UNINSTALL_H
#define VANTREL_UNINSTALL_H

enum {
    UNINSTALLDONE = 1,     // removed; files the user chose to keep may remain
    UNINSTALLDECLINED = 2, // the user said No at the first question
    UNINSTALLFAILED = 0    // no record, or a file could not be removed: nothing was removed
};

// Uninstalls the install in folder (ending in its backslash).  It asks first;
// lists the files the user changed or made (NAME.new copies among them) and
// asks whether to remove them too, No by default; holds every file it will
// remove, and when any one cannot be removed says which and removes nothing;
// then removes them, the Start menu shortcut, the entry, the install record
// and the folder when nothing is left in it, and tells what it kept.  quiet
// asks and tells nothing, and keeps the user's files.
int uninstall(const char *folder, bool quiet);

#endif
