// The usage and install records, on the in-memory hive.
#include <cstring>

#include "common/y.h"
#include "tests/registrymodel.h"
#include "tests/setup/setupfixture.h"

using Records = SetupTest;
using std::string;

static std::vector<string> writes()
{
    std::vector<string> out;
    for (const string &call : registrylog())
        if (call.rfind("set ", 0) == 0) out.push_back(call);
    return out;
}

// What module y does is checked on both registries by the contract suite
// (tests/scenarios/registry_contract_test.cpp); the model alone tells the
// order of the writes, the exact date, and a hive that refuses every key.
TEST_F(Records, EachOperationWritesOnlyItsOwnValuesInThisOrder)
{
    EXPECT_EQ(countusage("VanTrel"), 1);
    EXPECT_EQ(modeldword(PARENT, "VanTrel"), 20030111) << "11 January 2003 is 20030111";
    EXPECT_EQ(modelvaluecount(PARENT), 1u);
    EXPECT_EQ(writes(), (std::vector<string>{
                            "set Software\\Marvoc VanTrel DWORD 20030111",
                            "set Software\\Marvoc\\VanTrel usage DWORD 1",
                            "set Software\\Marvoc\\VanTrel sinced DWORD 11",
                            "set Software\\Marvoc\\VanTrel sincem DWORD 1",
                            "set Software\\Marvoc\\VanTrel sincey DWORD 2003"}))
        << "the date is set once, then usage and the since-date in this order";
    setmodeldate(2004, 12, 31);
    clearregistrylog();
    countusage("VanTrel");
    EXPECT_EQ(writes(), (std::vector<string>{"set Software\\Marvoc\\VanTrel usage DWORD 2"}));
    clearregistrylog();
    installreg("Other", "D:\\V\\");
    EXPECT_EQ(writes(), (std::vector<string>{"set Software\\Marvoc Other DWORD 20041231",
                                             "set Software\\Marvoc\\Other locn SZ D:\\V\\"}))
        << "an install writes its date and locn only";
}

TEST_F(Records, AnEmptyNameCountsIntoTheParentKeyItself)
{
    countusage("");
    EXPECT_EQ(string(fullname), string(PARENT) + "\\");
    EXPECT_EQ(modeldword(PARENT, "usage"), 1);
    EXPECT_EQ(modeldword(PARENT, ""), 20030111);
}

TEST_F(Records, ADeniedHiveWritesNothingAndStillReturnsOne)
{
    failkeycreation(true);
    EXPECT_EQ(countusage("VanTrel"), 1);
    EXPECT_EQ(installreg("VanTrel", "C:\\V\\"), 1);
    EXPECT_FALSE(modelhaskey(PARENT));
    EXPECT_TRUE(writes().empty());
}
