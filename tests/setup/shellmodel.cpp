#include "tests/setup/shellmodel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "inst/shell.h"
#include "inst/uninstall.h"
#include "tests/support/files.h"

namespace fs = std::filesystem;

std::set<std::string> busyfiles;
std::vector<bool> answers;
std::vector<std::string> uninstalllog;
std::function<void(size_t)> whileasking;

void resetshellmodel()
{
    busyfiles.clear();
    answers.clear();
    uninstalllog.clear();
    whileasking = nullptr;
}

static std::string native(std::string path)
{
    for (char &c : path)
        if (c == '\\') c = '/';
    return path;
}

bool startmenufolder(char *folder, size_t size)
{
    fs::create_directory("startmenu");
    return snprintf(folder, size, "startmenu\\") < (int)size;
}

bool makeshortcut(const char *link, const char *program, const char *folder)
{
    return writewholefile(native(link), std::string(program) + "|" + folder);
}

bool copyprogram(const char *target) { return writewholefile(native(target), "uninstaller"); }

struct RemovalClaim {
    std::string path;
    std::string bytes;  // as they were when it was claimed: no one else may change them now
    size_t at;
};

RemovalClaim *claimremoval(const char *path)
{
    if (busyfiles.count(path) != 0 || !fs::is_regular_file(native(path))) return nullptr;
    return new RemovalClaim{native(path), readwholefile(native(path)), 0};
}

size_t claimread(RemovalClaim *claim, void *buffer, size_t size)
{
    size_t got = std::min(size, claim->bytes.size() - claim->at);
    memcpy(buffer, claim->bytes.data() + claim->at, got);
    claim->at += got;
    return got;
}

bool endclaim(RemovalClaim *claim, bool remove)
{
    std::error_code failed;
    bool removed = !remove || fs::remove(claim->path, failed);
    delete claim;
    return removed;
}

bool listfolder(const char *folder, void (*each)(const char *name, void *context), void *context)
{
    std::error_code failed;
    for (const auto &item : fs::directory_iterator(native(folder), failed))
        if (item.is_regular_file()) each(item.path().filename().string().c_str(), context);
    return !failed;
}

bool removefolder(const char *folder)
{
    std::error_code failed;
    return fs::remove(native(folder), failed);
}

bool askyesno(const char *text, bool nodefault)
{
    uninstalllog.push_back(std::string(nodefault ? "ask no-default " : "ask ") + text);
    if (whileasking) whileasking(uninstalllog.size());
    bool yes = !answers.empty() && answers.front();
    if (!answers.empty()) answers.erase(answers.begin());
    return yes;
}

void tell(const char *text) { uninstalllog.push_back(std::string("tell ") + text); }
