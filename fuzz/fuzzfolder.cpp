#include "fuzz/fuzzfolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "tests/support/scratchfolder.h"

static std::filesystem::path scratch;

static void removescratch()
{
    leavescratchfolder(scratch, std::filesystem::temp_directory_path());
}

std::string enterscratch(const char *harness)
{
    scratch = enterscratchfolder("fuzz-" + std::string(harness), "");
    atexit(removescratch);
    return scratch.string();
}

void writebytes(const char *path, const void *data, size_t size)
{
    FILE *f = fopen(path, "wb");
    if (f == nullptr) broken("cannot write a scratch file", path);
    bool whole = fwrite(data, 1, size, f) == size;
    if (fclose(f) != 0 || !whole) broken("cannot write a scratch file", path);
}

void broken(const char *what, const std::string &detail)
{
    fprintf(stderr, "\n*** %s\n    (%s)\n", what, detail.c_str());
    fflush(stderr);
    abort();
}
