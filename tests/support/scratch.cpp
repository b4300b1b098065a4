#include "tests/support/scratch.h"

#include <cstring>

#include "tests/support/filefaults.h"
#include "tests/support/testtoday.h"
#include "dictionary/store.h"
#include "dictionary/wordlist.h"

void writestore(const std::vector<TestEntry> &entries, size_t extrabytes, const char *path)
{
    writewholefile(path, storebytes(entries, extrabytes));
}

DictEntry storedrecord(int number, const char *path)
{
    DictEntry entry;
    memset(&entry, 0, sizeof entry);
    std::string bytes = readwholefile(path);
    size_t at = (size_t)(number - 1) * sizeof entry;
    if (number >= 1 && at + sizeof entry <= bytes.size()) memcpy(&entry, bytes.data() + at, sizeof entry);
    return entry;
}

std::string storeatstop;
void snapshotstore() { storeatstop = readwholefile(STOREFILE); }

void ScratchTest::SetUp()
{
    ScratchFolderTest::SetUp();
    ShowFilter = SHOWALL;
    MarkedOnlyFilter = 0;
    clearfilefaults();
    settoday(dayof(2026, 12, 9));
}

void ScratchTest::TearDown()
{
    clearfilefaults();
    ScratchFolderTest::TearDown();
}
