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

class SetupTest : public ScratchFolderTest {
protected:
    SetupTest() : ScratchFolderTest("setup-tests") {}
    void SetUp() override;
    void TearDown() override;
};

#endif
