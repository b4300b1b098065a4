// An in-memory registry hive for the host tests: keys with typed named values,
// names compared without regard to case as the real registry does, a date that
// the test sets, and a log of every call module y makes.
#ifndef VANTREL_REGISTRYMODEL_H
#define VANTREL_REGISTRYMODEL_H

#include <string>
#include <vector>

// Empties the hive and the log, and sets the date to 11 January 2003.
void resetregistry();
void setmodeldate(int y, int m, int d);
// Key creation fails for every path from now on (as a denied hive would).
void failkeycreation(bool fail);

// Calls in order: "create PATH", "query PATH NAME", "set PATH NAME DWORD 7",
// "set PATH NAME SZ text", "close PATH", "delete PATH [NAME]".
const std::vector<std::string> &registrylog();
void clearregistrylog();
int openkeys();  // created or opened and not yet closed

bool modelhaskey(const std::string &path);
bool modelhasvalue(const std::string &path, const std::string &name);
// The value as a DWORD; -1 when it is absent or not a four-byte REG_DWORD.
long long modeldword(const std::string &path, const std::string &name);
std::string modelstring(const std::string &path, const std::string &name);
size_t modelvaluecount(const std::string &path);

#endif
