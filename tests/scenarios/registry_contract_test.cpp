// Module y over the registry seam, the same cases on both sides: natively
// over the in-memory model, under Wine over the real registry of the prefix.
// Values are arranged and read back through the seam itself; the date is the
// seam's own (the model's fixed one, or today's in UTC, which a run may see
// change at midnight).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/registry.h"
#include "common/y.h"
#include "tests/driver.h"

using std::string;

namespace {

const string PARENT = "Software\\Marvoc";
const string NAME = "ContractTest";
const string KEY = PARENT + "\\" + NAME;
const long long LONGAGO = 20020202;

// The value's type and bytes; false when it is absent.
bool valueof(const string &path, const string &name, unsigned long *type, string *data)
{
    unsigned long disposition = 0;
    RegHandle key = regcreatekey(path.c_str(), &disposition);
    unsigned char bytes[512];
    unsigned long size = sizeof bytes;
    bool read = regqueryvalue(key, name.c_str(), type, bytes, &size);
    regclosekey(key);
    if (read) data->assign(reinterpret_cast<const char *>(bytes), size);
    return read;
}

// The value as module y takes it: a four-byte REG_DWORD, or -1.
long long dwordof(const string &path, const string &name)
{
    unsigned long type = 0;
    string data;
    if (!valueof(path, name, &type, &data) || type != REGTYPEDWORD || data.size() != 4) return -1;
    long long value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | (unsigned char)data[(size_t)i];
    return value;
}

void put(const string &path, const string &name, unsigned long type, const string &data)
{
    unsigned long disposition = 0;
    RegHandle key = regcreatekey(path.c_str(), &disposition);
    regsetvalue(key, name.c_str(), type, reinterpret_cast<const unsigned char *>(data.data()),
                (unsigned long)data.size());
    regclosekey(key);
}

void putdword(const string &path, const string &name, long long value)
{
    string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[(size_t)i] = (char)((value >> (8 * i)) & 0xff);
    put(path, name, REGTYPEDWORD, bytes);
}

// The install folder as a REG_SZ value's bytes, "(no string)" otherwise.
string locnof()
{
    unsigned long type = 0;
    string data;
    return valueof(KEY, "locn", &type, &data) && type == REGTYPESZ ? data : "(no string)";
}

long long today()
{
    int y = 0, m = 0, d = 0;
    utcdate(&y, &m, &d);
    return y * 10000LL + m * 100 + d;
}

long long sincedate(const string &key)
{
    return dwordof(key, "sincey") * 10000 + dwordof(key, "sincem") * 100 + dwordof(key, "sinced");
}

// A date written between before and after.
bool between(long long date, long long before, long long after) { return date == before || date == after; }

class RegistryContract : public ::testing::Test {
protected:
    void SetUp() override { forgetrecords(NAME.c_str()); }
    void TearDown() override { forgetrecords(NAME.c_str()); }
};

TEST_F(RegistryContract, TheFirstCountWritesTheDateTheCountAndTheSinceDateAndTheNextOnlyAddsOne)
{
    long long before = today();
    EXPECT_EQ(countusage(NAME.c_str()), 1);
    long long after = today();
    EXPECT_TRUE(between(dwordof(PARENT, NAME), before, after)) << dwordof(PARENT, NAME);
    EXPECT_EQ(dwordof(KEY, "usage"), 1);
    EXPECT_TRUE(between(sincedate(KEY), before, after)) << sincedate(KEY);

    putdword(PARENT, NAME, LONGAGO);
    putdword(KEY, "sincey", 1999);
    countusage(NAME.c_str());
    EXPECT_EQ(dwordof(KEY, "usage"), 2);
    EXPECT_EQ(dwordof(PARENT, NAME), LONGAGO) << "the date is not changed";
    EXPECT_EQ(dwordof(KEY, "sincey"), 1999) << "nor is the since-date";
}

TEST_F(RegistryContract, TheParentKeyOfAnotherProgramStillGetsThisProgramsDate)
{
    const string other = NAME + "Other";
    forgetrecords(other.c_str());
    putdword(PARENT, other, LONGAGO);
    long long before = today();
    countusage(NAME.c_str());
    EXPECT_TRUE(between(dwordof(PARENT, NAME), before, today()));
    EXPECT_EQ(dwordof(PARENT, other), LONGAGO) << "the other program's date is left alone";
    forgetrecords(other.c_str());
}

struct WrongValue {
    const char *what;
    unsigned long type;
    string data;
};

TEST_F(RegistryContract, AValueOfAnyOtherShapeThanAFourByteDwordCountsAsAbsent)
{
    const WrongValue rows[] = {
        {"a string", REGTYPESZ, string("20020202", 9)},
        {"eight binary bytes", 3, string(8, '\x07')},
        {"a dword of two bytes", REGTYPEDWORD, string("\x05\x00", 2)},
        {"a dword of eight bytes", REGTYPEDWORD, string("\x05\x00\x00\x00\x00\x00\x00\x00", 8)},
        {"an empty string", REGTYPESZ, string()},
    };
    for (const WrongValue &row : rows) {
        forgetrecords(NAME.c_str());
        put(PARENT, NAME, row.type, row.data);
        put(KEY, "usage", row.type, row.data);
        putdword(KEY, "sincey", 1999);
        long long before = today();
        countusage(NAME.c_str());
        long long after = today();
        EXPECT_TRUE(between(dwordof(PARENT, NAME), before, after)) << row.what << " as the date is replaced";
        EXPECT_EQ(dwordof(KEY, "usage"), 1) << row.what << " as usage restarts the count";
        EXPECT_TRUE(between(sincedate(KEY), before, after)) << row.what << ": the since-date is rewritten";
    }
}

TEST_F(RegistryContract, AnInstallAfterCountedStartsReplacesTheDateAndKeepsTheCount)
{
    countusage(NAME.c_str());
    countusage(NAME.c_str());
    putdword(PARENT, NAME, LONGAGO);
    putdword(KEY, "sinced", 7);
    long long before = today();
    EXPECT_EQ(installreg(NAME.c_str(), "C:\\Program Files\\VanTrel\\"), 1);
    EXPECT_TRUE(between(dwordof(PARENT, NAME), before, today()));
    EXPECT_EQ(dwordof(KEY, "usage"), 2);
    EXPECT_EQ(dwordof(KEY, "sinced"), 7);
    EXPECT_EQ(locnof(), string("C:\\Program Files\\VanTrel\\") + '\0') << "the text and its NUL";
    EXPECT_EQ(uninstallreg(NAME.c_str()), 1);
    EXPECT_EQ(dwordof(PARENT, NAME), -1) << "the uninstall removes the date";
    EXPECT_EQ(locnof(), "(no string)") << "and the install record";
}

TEST_F(RegistryContract, AnInstallBeforeTheFirstStartLeavesTheCountToTheFirstStart)
{
    installreg(NAME.c_str(), "D:\\V\\");
    for (const char *counted : {"usage", "sinced", "sincem", "sincey"})
        EXPECT_EQ(dwordof(KEY, counted), -1) << counted << ": the install writes only locn";
    putdword(PARENT, NAME, LONGAGO);
    long long before = today();
    countusage(NAME.c_str());
    EXPECT_EQ(dwordof(KEY, "usage"), 1);
    EXPECT_TRUE(between(sincedate(KEY), before, today()));
    EXPECT_EQ(dwordof(PARENT, NAME), LONGAGO) << "the install date stays";
    EXPECT_EQ(locnof(), string("D:\\V\\") + '\0');
}

TEST_F(RegistryContract, OnlyTheFirstFiftyCharactersOfANameGoIntoItsKeyPath)
{
    for (size_t length : {49, 50, 51, 60}) {
        string name = NAME + string(length - NAME.size(), 'n');
        forgetrecords(name.c_str());
        long long before = today();
        countusage(name.c_str());
        string key = PARENT + "\\" + name.substr(0, length < 50 ? length : 50);
        EXPECT_EQ(string(fullname), key) << length;
        EXPECT_EQ(dwordof(key, "usage"), 1) << length;
        EXPECT_TRUE(between(dwordof(PARENT, name), before, today())) << "the date is named with all " << length;
        forgetrecords(name.c_str());
    }
}

TEST_F(RegistryContract, TheInstallFolderIsStoredUpToNinetyNineCharacters)
{
    struct Row { size_t length; size_t stored; } rows[] = {{0, 0}, {99, 99}, {100, 99}, {130, 99}};
    for (const Row &row : rows) {
        char locn[140];
        memset(locn, 'x', sizeof locn);
        locn[row.length] = '\0';
        installreg(NAME.c_str(), locn);
        EXPECT_EQ(locnof(), string(row.stored, 'x') + '\0') << row.length;
    }
}

} // namespace
