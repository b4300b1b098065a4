// What every harness shares: a scratch working folder of its own, removed
// when the process ends, whole-file writes that stop the run when they fail,
// and the check that stops the run (libFuzzer keeps the input that made it
// fail).  Whole files are read with tests/support/files.h.
#ifndef VANTREL_FUZZFOLDER_H
#define VANTREL_FUZZFOLDER_H

#include <cstddef>
#include <cstdint>
#include <string>

// Creates an empty folder for this process under the system's temporary
// folder and makes it the working folder; returns its absolute path.
std::string enterscratch(const char *harness);

void writebytes(const char *path, const void *data, size_t size);

[[noreturn]] void broken(const char *what, const std::string &detail);

#define REQUIRE(condition, what) \
    do { \
        if (!(condition)) broken(what, #condition); \
    } while (0)

#endif
