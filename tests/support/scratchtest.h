// The fixture under every host test: each test runs in a scratch folder of
// its own, named for the kind of test, the suite and the test.
#ifndef VANTREL_SCRATCHTEST_H
#define VANTREL_SCRATCHTEST_H

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/scratchfolder.h"

class ScratchFolderTest : public ::testing::Test {
protected:
    explicit ScratchFolderTest(const char *kind) : kind(kind) {}

    void SetUp() override
    {
        previous = std::filesystem::current_path();
        const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = enterscratchfolder(kind, std::string(info->test_suite_name()) + "." + info->name());
    }

    void TearDown() override { leavescratchfolder(folder, previous); }

private:
    const char *kind;
    std::filesystem::path previous;
    std::filesystem::path folder;
};

#endif
