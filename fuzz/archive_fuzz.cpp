// The payload archive reader of setup: any bytes as the archive "data", then
// the listing pass and the extraction into the folder "out".
//
// Nothing is ever written but "out" and plain files directly inside it; a
// listing that fails lists nothing, and then the extraction fails too,
// before the folder is made and without an install record; an archive that
// lists extracts every file it lists with exactly its bytes (the last of two
// equal names wins) and writes the record, unless it holds a file by the
// name of setup's own record of the files or its uninstaller.
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/text.h"
#include "common/y.h"
#include "fuzz/fuzzfolder.h"
#include "inst/install.h"
#include "tests/registrymodel.h"
#include "tests/support/files.h"

namespace fs = std::filesystem;

static std::vector<std::string> listed;
static int selections;

void listadd(SetupDialog, const char *line) { listed.push_back(line); }
void listselect(SetupDialog, int i)
{
    REQUIRE(i == selections, "the extraction selects the lines in order");
    ++selections;
}

static std::string root;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // the extraction runs in root/work: anything that lands in root itself,
    // or anywhere in work but "data" and "out", has left the folder
    root = enterscratch("archive");
    fs::create_directory("work");
    fs::current_path("work");
    return 0;
}

// A plain name by the archive's own bytes: what the extraction may create.
static bool plainname(const std::string &name)
{
    if (name.empty() || name == "." || name == "..") return false;
    return name.find_first_of("\\/:") == std::string::npos;
}

static int32_t le32(const std::string &bytes, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | (unsigned char)bytes[at + (size_t)i];
    return (int32_t)v;
}

// The files of a sound archive by name, read from its bytes directly.
static std::map<std::string, std::string> filesof(const std::string &archive)
{
    std::map<std::string, std::string> files;
    int32_t count = le32(archive, 200);
    size_t at = 204;
    for (int32_t i = 0; i < count; ++i) {
        std::string name = archive.substr(at, 50);
        name = name.substr(0, name.find('\0'));
        size_t bytes = (size_t)le32(archive, at + 52);
        files[name] = archive.substr(at + 56, bytes);
        at += 56 + bytes;
    }
    return files;
}

// Whether the archive holds a file by the name of setup's own record or
// uninstaller, case aside: such an archive is refused.
static bool holdssetupsown(const std::map<std::string, std::string> &files)
{
    for (const auto &file : files) {
        std::string name = file.first;
        for (char &c : name) c = lowerascii(c);
        if (name == "install.lst" || name == "uninstall.exe") return true;
    }
    return false;
}

static std::set<std::string> everything(const std::string &folder)
{
    std::set<std::string> found;
    for (const auto &item : fs::recursive_directory_iterator(folder))
        found.insert(item.path().lexically_relative(folder).generic_string());
    return found;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string archive((const char *)data, size);
    fs::remove_all("out");
    writebytes(ARCHIVE, data, size);
    resetregistry();
    listed.clear();
    selections = 0;

    char locn[LOCNSIZE] = "";
    int listing = install(nullptr, locn, 0);
    REQUIRE(listing == INSTALLDONE || listing == INSTALLFAILED, "the listing succeeds or fails");
    REQUIRE(listing == INSTALLDONE || listed.empty(), "a refused archive lists nothing");
    for (const std::string &name : listed) REQUIRE(plainname(name), "only plain names are listed");

    strcpy(locn, "out");
    int extraction = install(nullptr, locn, 1);
    bool clash = listing == INSTALLDONE && holdssetupsown(filesof(archive));
    REQUIRE(extraction == (clash ? INSTALLFAILED : listing), "what lists, extracts; what is refused, is refused");
    REQUIRE(modelhaskey(parentname) == (extraction == INSTALLDONE),
            "the install record is written exactly when the extraction succeeded");
    REQUIRE(selections == (int)(extraction == INSTALLDONE ? listed.size() : 0), "one selection per file");

    std::set<std::string> expected = {"work", "work/data"};
    if (extraction == INSTALLDONE) {
        expected.insert("work/out");
        expected.insert("work/out/install.lst");
        std::map<std::string, std::string> files = filesof(archive);
        REQUIRE(files.size() <= listed.size(), "every file was listed");
        for (const auto &file : files) {
            expected.insert("work/out/" + file.first);
            REQUIRE(readwholefile("out/" + file.first) == file.second, "each file holds its bytes");
        }
    }
    REQUIRE(everything(root) == expected, "nothing is written outside the install folder");
    return 0;
}
