#include "tests/setup/setupfixture.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

#include "common/y.h"
#include "inst/files.h"
#include "inst/install.h"
#include "tests/registrymodel.h"

const char *const PARENT = "Software\\Marvoc";
std::vector<std::string> listlog;

void listadd(SetupDialog, const char *line) { listlog.push_back(std::string("add ") + line); }
void listselect(SetupDialog, int i) { listlog.push_back("select " + std::to_string(i)); }

void writefile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), (std::streamsize)bytes.size());
}

std::string readfile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

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
    previous = std::filesystem::current_path();
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    // one folder per process too, so that two builds may test at once
    folder = std::filesystem::temp_directory_path() /
             ("vantrel-setup-tests-" + std::to_string(getpid())) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    resetregistry();
    clearsetupfaults();
    listlog.clear();
}

void SetupTest::TearDown()
{
    clearsetupfaults();
    EXPECT_EQ(openkeys(), 0) << "every registry key opened is closed again";
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    std::filesystem::remove(folder.parent_path(), ignored);  // once it is empty
}
