// The shell seam of setup (inst/shell.h) for the host tests: the Start menu
// is the folder "startmenu" of the scratch folder, a shortcut a text file
// "program|folder", the uninstaller the bytes "uninstaller"; files named busy
// are in use and cannot be removed; the uninstaller's questions are answered
// from a list and every question and message is logged.
#ifndef VANTREL_SHELLMODEL_H
#define VANTREL_SHELLMODEL_H

#include <functional>
#include <set>
#include <string>
#include <vector>

extern std::set<std::string> busyfiles;       // as the uninstaller names them
extern std::vector<bool> answers;             // the next answers, Yes as true; No when none is left
extern std::vector<std::string> uninstalllog; // "ask TEXT", "ask no-default TEXT", "tell TEXT"
// Called while a question is open, with the number of lines logged by then
// (the question the last); null for nothing.
extern std::function<void(size_t)> whileasking;
void resetshellmodel();

#endif
