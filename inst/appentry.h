// What a finished install adds around the files: the uninstaller beside them,
// the entry in the current user's list of installed programs (Apps &
// Features), and the Start menu shortcut to the program.
//
//   HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\<product>
//     DisplayName, DisplayVersion, Publisher, DisplayIcon, InstallLocation,
//     UninstallString, QuietUninstallString  REG_SZ
//     InstallDate  REG_SZ "yyyymmdd";  EstimatedSize  REG_DWORD, KB
//     NoModify, NoRepair  REG_DWORD 1
//
// <product> is the header's name (the name of the install record), with any
// backslash as "_", or the product's own name when the header has none.
#ifndef VANTREL_APPENTRY_H
#define VANTREL_APPENTRY_H

#include <cstddef>

#define UNINSTALLPARENT "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
#define UNINSTALLSWITCH "/uninstall"
#define QUIETSWITCH "/quiet"

enum { ENTRYKEYSIZE = 200 };

void appentrykey(const char *product, char *key);
// Writes (or rewrites) the entry; program is the name of the installed
// program in locn, empty for none; bytes what the files take.
void writeappentry(const char *product, const char *locn, const char *program, long long bytes);
// Removes the entry of product when it is the entry of the install in locn:
// its InstallLocation is locn and its UninstallString starts the uninstaller
// there.  False when there is such an entry of another install, which is
// left as it is.
bool removeappentry(const char *product, const char *locn);

// The Start menu shortcut setup makes: the current user's Start menu
// programs and the product's name; false when it does not fit in size.
bool shortcutpath(char *link, size_t size);

// After install has put every file in locn: copies the running setup there as
// the uninstaller, then writes the entry that starts it and the shortcut to
// the program of the header's exe when the archive held it (kept in the
// record, for the uninstaller).  Without an uninstaller there is no entry.
// 1 when all of it was made.
int finishinstall(const char *locn);

#endif
