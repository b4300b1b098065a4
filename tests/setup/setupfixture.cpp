#include "tests/setup/setupfixture.h"

#include <algorithm>
#include <cstring>

#include "common/y.h"
#include "dictionary/compile.h"
#include "inst/files.h"
#include "tests/support/setupfaults.h"
#include "inst/install.h"
#include "tests/registrymodel.h"
#include "tests/setup/shellmodel.h"

const char *const PARENT = parentname;
std::vector<std::string> listlog;

void listadd(SetupDialog, const char *line) { listlog.push_back(std::string("add ") + line); }
void listselect(SetupDialog, int i) { listlog.push_back("select " + std::to_string(i)); }

bool exists(const std::string &path) { return std::filesystem::exists(path); }

std::vector<std::string> tree()
{
    std::vector<std::string> out;
    for (const auto &item : std::filesystem::recursive_directory_iterator("."))
        out.push_back(item.path().lexically_relative(".").generic_string());
    std::sort(out.begin(), out.end());
    return out;
}

int listarchive()
{
    char locn[LOCNSIZE] = "";
    return install(nullptr, locn, 0);
}

int extractinto(const std::string &folder, std::string *locnafter)
{
    char locn[LOCNSIZE];
    memset(locn, 0, sizeof locn);
    memcpy(locn, folder.data(), std::min(folder.size(), sizeof locn - 1));
    int result = install(nullptr, locn, 1);
    if (locnafter != nullptr) *locnafter = locn;
    return result;
}

void SetupTest::SetUp()
{
    ScratchFolderTest::SetUp();
    resetregistry();
    clearsetupfaults();
    resetshellmodel();
    listlog.clear();
}

void SetupTest::TearDown()
{
    clearsetupfaults();
    EXPECT_EQ(openkeys(), 0) << "every registry key opened is closed again";
    ScratchFolderTest::TearDown();
}

const std::string R1 = "anchor marvoc\nA hook.\nberth marvoc\nA place.\nquay marvoc\nA landing.\n";
const std::string R2 =
    "anchor marvoc\nA hook.\nmole marvoc\nA pier.\nberth marvoc\nA place.\nquay marvoc\nA landing place.\n";

std::string wordrelease(const std::string &words)
{
    writewholefile("words.src", words);
    EXPECT_EQ(compilefiles("words.src", "store.src"), COMPILED);
    return archive("", "Prog", {{"vantrel.exe", "V"}, {"dicbin.txt", readwholefile("store.src")}, {"orlavexdic.txt", words}});
}
