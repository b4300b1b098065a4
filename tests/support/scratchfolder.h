// The one way every test program takes its scratch folder: under the
// system's temporary folder, named for the kind of test and the process, so
// that two copies of any test program, or two builds, can run at once.
#ifndef VANTREL_SCRATCHFOLDER_H
#define VANTREL_SCRATCHFOLDER_H

#include <filesystem>
#include <string>
#include <system_error>
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

// The folder TEMP/vantrel-KIND-PID/NAME (NAME may be empty), emptied,
// created and made the working folder.
inline std::filesystem::path enterscratchfolder(const std::string &kind, std::string name)
{
#ifdef _WIN32
    int process = _getpid();
#else
    int process = (int)getpid();
#endif
    for (char &c : name)
        if (c == '/' || c == '\\') c = '_';
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("vantrel-" + kind + "-" + std::to_string(process));
    if (!name.empty()) folder /= name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    return folder;
}

// Goes back to previous and removes the folder, and its process folder once
// that is empty.
inline void leavescratchfolder(const std::filesystem::path &folder, const std::filesystem::path &previous)
{
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    std::filesystem::remove_all(folder, ignored);
    if (folder.parent_path().filename().string().rfind("vantrel-", 0) == 0)
        std::filesystem::remove(folder.parent_path(), ignored);
}

#endif
