// Module y on the real advapi32 in the Wine prefix.
#include <gtest/gtest.h>

#include "common/y.h"
#include "tests/setup/wine/realregistry.h"

using std::string;

// The date written between before and after (a run may straddle midnight UTC).
static bool writtentoday(long long value, long long before, long long after)
{
    return value == before || value == after;
}

TEST(RealRegistry, FirstCountThenNextCountOnAnEmptyRecord)
{
    const string name = "WineTestCount";
    forget(name);
    long long before = utctoday();
    countusage(name.c_str());
    long long after = utctoday();
    EXPECT_TRUE(writtentoday(readdword(PARENT, name), before, after)) << readdword(PARENT, name);
    const string key = PARENT + "\\" + name;
    EXPECT_EQ(readdword(key, "usage"), 1);
    long long since = readdword(key, "sincey") * 10000 + readdword(key, "sincem") * 100 + readdword(key, "sinced");
    EXPECT_TRUE(writtentoday(since, before, after)) << since;
    countusage(name.c_str());
    EXPECT_EQ(readdword(key, "usage"), 2);
    forget(name);
}

TEST(RealRegistry, AStringWhereADwordBelongsIsReplacedAndTheCountRestarts)
{
    const string name = "WineTestString";
    forget(name);
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (PARENT + "\\" + name).c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, "usage", 0, REG_SZ, reinterpret_cast<const BYTE *>("41 starts"), 10);
    RegCloseKey(key);
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, PARENT.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>("long ago, in a string"), 22);
    RegCloseKey(key);
    long long before = utctoday();
    countusage(name.c_str());
    EXPECT_TRUE(writtentoday(readdword(PARENT, name), before, utctoday()));
    EXPECT_EQ(readdword(PARENT + "\\" + name, "usage"), 1);
    forget(name);
}

TEST(RealRegistry, InstallAfterACountStoresTheFolderWithItsNulAndKeepsTheCount)
{
    const string name = "WineTestInstall";
    forget(name);
    countusage(name.c_str());
    installreg(name.c_str(), "C:\\Program Files\\WineTest\\");
    DWORD type = 0;
    string data;
    ASSERT_TRUE(readvalue(PARENT + "\\" + name, "locn", &type, &data));
    EXPECT_EQ(type, (DWORD)REG_SZ);
    EXPECT_EQ(data, string("C:\\Program Files\\WineTest\\") + '\0');
    EXPECT_EQ(readdword(PARENT + "\\" + name, "usage"), 1);
    forget(name);
}

TEST(RealRegistry, ANameOverFiftyCharactersIsCutInTheKeyPathOnly)
{
    const string name = "WineTestLongName" + string(44, 'x');  // 60 characters
    forget(name);
    countusage(name.c_str());
    EXPECT_EQ(readdword(PARENT + "\\" + name.substr(0, 50), "usage"), 1);
    EXPECT_GT(readdword(PARENT, name), 20000000) << "the date value has the whole name";
    forget(name);
}
