// The usage and install records, on the in-memory hive.
#include <cstring>

#include "common/y.h"
#include "tests/registrymodel.h"
#include "tests/setup/setupfixture.h"

using Records = SetupTest;
using std::string;

static const string VANTREL = "Software\\Marvoc\\VanTrel";

static std::vector<string> writes()
{
    std::vector<string> out;
    for (const string &call : registrylog())
        if (call.rfind("set ", 0) == 0) out.push_back(call);
    return out;
}

TEST_F(Records, FirstCountOnAnEmptyHiveWritesTheDateTheCountAndTheSinceDate)
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
}

TEST_F(Records, NextCountAddsOneAndChangesNoDate)
{
    countusage("VanTrel");
    setmodeldate(2004, 12, 31);
    clearregistrylog();
    countusage("VanTrel");
    EXPECT_EQ(modeldword(VANTREL, "usage"), 2);
    EXPECT_EQ(writes(), (std::vector<string>{"set Software\\Marvoc\\VanTrel usage DWORD 2"}));
    EXPECT_EQ(modeldword(PARENT, "VanTrel"), 20030111);
}

TEST_F(Records, ParentKeyOfAnotherProgramStillGetsThisProgramsDate)
{
    modelputdword(PARENT, "inst", 20020202);
    countusage("VanTrel");
    EXPECT_EQ(modeldword(PARENT, "VanTrel"), 20030111);
    EXPECT_EQ(modeldword(PARENT, "inst"), 20020202) << "the other program's date is left alone";
}

struct WrongValue {
    const char *what;
    unsigned long type;
    string data;
};

TEST_F(Records, AValueOfAnyOtherShapeThanAFourByteDwordCountsAsAbsent)
{
    const WrongValue rows[] = {
        {"a string", REGTYPESZ, string("20020202", 9)},
        {"eight binary bytes", 3, string(8, '\x07')},
        {"a dword of two bytes", REGTYPEDWORD, string("\x05\x00", 2)},
        {"a dword of eight bytes", REGTYPEDWORD, string("\x05\x00\x00\x00\x00\x00\x00\x00", 8)},
        {"an empty string", REGTYPESZ, string()},
    };
    for (const WrongValue &row : rows) {
        resetregistry();
        setmodeldate(2003, 1, 11);
        modelput(PARENT, "VanTrel", row.type, row.data);
        modelput(VANTREL, "usage", row.type, row.data);
        modelputdword(VANTREL, "sincey", 1999);
        countusage("VanTrel");
        EXPECT_EQ(modeldword(PARENT, "VanTrel"), 20030111) << row.what << " as the date is replaced";
        EXPECT_EQ(modeldword(VANTREL, "usage"), 1) << row.what << " as usage restarts the count";
        EXPECT_EQ(modeldword(VANTREL, "sincey"), 2003) << row.what << ": the since-date is rewritten";
    }
}

TEST_F(Records, InstallAfterCountedStartsReplacesTheDateAndKeepsTheCount)
{
    countusage("VanTrel");
    countusage("VanTrel");
    setmodeldate(2003, 2, 5);
    EXPECT_EQ(installreg("VanTrel", "C:\\Program Files\\VanTrel\\"), 1);
    EXPECT_EQ(modeldword(PARENT, "VanTrel"), 20030205);
    EXPECT_EQ(modeldword(VANTREL, "usage"), 2);
    EXPECT_EQ(modeldword(VANTREL, "sinced"), 11);
    ModelValue locn = modelvalue(VANTREL, "locn");
    EXPECT_EQ(locn.type, (unsigned long)REGTYPESZ);
    EXPECT_EQ(locn.data, string("C:\\Program Files\\VanTrel\\") + '\0') << "the text and its NUL";
}

TEST_F(Records, InstallBeforeTheFirstStartLeavesTheCountToTheFirstStart)
{
    installreg("VanTrel", "D:\\V\\");
    EXPECT_EQ(modelvaluecount(VANTREL), 1u) << "the specific key holds only locn";
    setmodeldate(2003, 3, 1);
    countusage("VanTrel");
    EXPECT_EQ(modeldword(VANTREL, "usage"), 1);
    EXPECT_EQ(modeldword(VANTREL, "sincem"), 3);
    EXPECT_EQ(modeldword(PARENT, "VanTrel"), 20030111) << "the install date stays";
    EXPECT_EQ(modelstring(VANTREL, "locn"), string("D:\\V\\") + '\0');
}

TEST_F(Records, OnlyTheFirstFiftyCharactersOfANameGoIntoItsKeyPath)
{
    struct Row { size_t length; size_t inkey; } rows[] = {{0, 0}, {49, 49}, {50, 50}, {51, 50}, {60, 50}};
    for (const Row &row : rows) {
        resetregistry();
        string name(row.length, 'n');
        countusage(name.c_str());
        string key = string(PARENT) + "\\" + name.substr(0, row.inkey);
        EXPECT_EQ(string(fullname), key) << row.length;
        EXPECT_EQ(modeldword(key, "usage"), 1) << row.length;
        EXPECT_EQ(modeldword(PARENT, name), 20030111) << "the date is named with all " << row.length;
    }
}

TEST_F(Records, TheInstallFolderIsStoredUpToNinetyNineCharacters)
{
    struct Row { size_t length; size_t stored; } rows[] = {{0, 0}, {99, 99}, {100, 99}, {130, 99}};
    for (const Row &row : rows) {
        char locn[140];
        memset(locn, 'x', sizeof locn);
        locn[row.length] = '\0';
        installreg("VanTrel", locn);
        EXPECT_EQ(modelvalue(VANTREL, "locn").data, string(row.stored, 'x') + '\0') << row.length;
    }
}

TEST_F(Records, ADeniedHiveWritesNothingAndStillReturnsOne)
{
    failkeycreation(true);
    EXPECT_EQ(countusage("VanTrel"), 1);
    EXPECT_EQ(installreg("VanTrel", "C:\\V\\"), 1);
    EXPECT_FALSE(modelhaskey(PARENT));
    EXPECT_TRUE(writes().empty());
}
