// Host tests of setup: each test runs in an empty scratch folder with a fresh
// registry model, no injected faults, and a fake list box that logs.
#ifndef VANTREL_SETUPFIXTURE_H
#define VANTREL_SETUPFIXTURE_H

#include <cstdint>
#include <string>
#include <vector>

#include "tests/setup/archivebytes.h"
#include "tests/support/files.h"
#include "tests/support/scratchtest.h"

bool exists(const std::string &path);
// Every file and folder under the scratch folder, relative, sorted.
std::vector<std::string> tree();

// The fake list box: "add NAME" and "select I", in order.
extern std::vector<std::string> listlog;

int listarchive();
// Runs the extraction into folder (held in a LOCNSIZE buffer, cut there).
int extractinto(const std::string &folder, std::string *locnafter = nullptr);

extern const char *const PARENT;  // "Software\Marvoc"

// Two releases of a word file: the second adds "mole" and corrects "quay".
extern const std::string R1, R2;
// The archive of a release of the program with this word file and the store
// compiled from it.
std::string wordrelease(const std::string &words);

class SetupTest : public ScratchFolderTest {
protected:
    SetupTest() : ScratchFolderTest("setup-tests") {}
    void SetUp() override;
    void TearDown() override;
};

#endif
