#include "tests/support/scratch.h"

#include <cstring>
#include <fstream>
#include <sstream>

#include "tests/support/filefaults.h"
#include "tests/support/scratchfolder.h"
#include "dictionary/wordlist.h"

DictEntry makeentry(const TestEntry &e)
{
    DictEntry entry;
    memset(&entry, 0, sizeof entry);
    entry.mark = (int16_t)e.mark;
    entry.level = (int16_t)e.level;
    strncpy(entry.word, e.word.c_str(), sizeof entry.word - 1);
    strncpy(entry.meaning, e.meaning.c_str(), sizeof entry.meaning - 1);
    return entry;
}

void writestore(const std::vector<TestEntry> &entries, size_t extrabytes, const char *path)
{
    std::string bytes;
    for (const TestEntry &e : entries) {
        DictEntry entry = makeentry(e);
        bytes.append(reinterpret_cast<const char *>(&entry), sizeof entry);
    }
    bytes.append(extrabytes, 'x');
    writewholefile(path, bytes);
}

std::string readwholefile(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void writewholefile(const char *path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), (std::streamsize)bytes.size());
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

void ScratchTest::SetUp()
{
    previous = std::filesystem::current_path();
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = enterscratchfolder("tests", std::string(info->test_suite_name()) + "." + info->name());
    ShowFilter = SHOWALL;
    MarkedOnlyFilter = 0;
    clearfilefaults();
}

void ScratchTest::TearDown()
{
    clearfilefaults();
    leavescratchfolder(folder, previous);
}
