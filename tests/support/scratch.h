// A scratch working folder per test, and stores written record by record.
#ifndef VANTREL_SCRATCH_H
#define VANTREL_SCRATCH_H

#include <string>
#include <vector>

#include "dictionary/dictentry.h"
#include "dictionary/store.h"
#include "tests/support/files.h"
#include "tests/support/scratchtest.h"
#include "tests/support/storebytes.h"

// writes the entries as whole records, then extra bytes of a partial record
void writestore(const std::vector<TestEntry> &entries, size_t extrabytes = 0,
                const char *path = STOREFILE);
DictEntry storedrecord(int number, const char *path = STOREFILE);
// The store as a crash would leave it: snapshotstore, hooked to the moment a
// write is stopped, keeps its bytes in storeatstop.
extern std::string storeatstop;
void snapshotstore();

// Runs each test in a fresh empty working folder with the list settings reset.
class ScratchTest : public ScratchFolderTest {
protected:
    ScratchTest() : ScratchFolderTest("tests") {}
    void SetUp() override;
    void TearDown() override;
};

#endif
