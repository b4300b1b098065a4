// The uninstall run of setup.exe, chosen by its command line
// (inst/uninstallwin32.cpp).
#ifndef VANTREL_UNINSTALLRUN_H
#define VANTREL_UNINSTALLRUN_H

// When commandline asks for the uninstall, runs it, sets *status to the exit
// status and returns true; otherwise returns false and does nothing.
bool uninstallrun(const char *commandline, int *status);

#endif
