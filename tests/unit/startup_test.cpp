// The start's command line, and its count under the program's own name
// unless told not to.
#include <gtest/gtest.h>

#include "tests/headless.h"
#include "tests/registrymodel.h"
#include "tests/support/scratch.h"
#include "ui/startup.h"

struct TailCase {
    const char *cmdline;
    const char *tail;
};

TEST(CommandTail, IsTheTextAfterTheProgramNameAndItsSpaces)
{
    const TailCase cases[] = {
        {"vantrel.exe", ""},
        {"vantrel.exe ", ""},
        {"vantrel.exe harbour", "harbour"},
        {"\"C:\\Program Files\\Orlavex\\vantrel.exe\"   harbour wall", "harbour wall"},
        {"\"C:\\a b\\vantrel.exe\"", ""},
        {"\"C:\\a b\\vantrel.exe\"harbour", "harbour"},
        {"\"C:\\unclosed\\vantrel.exe harbour", "\"C:\\unclosed\\vantrel.exe harbour"},
        {"vantrel.exe\tharbour", ""},  // a tab belongs to the program name
        {"vantrel.exe \tharbour", "\tharbour"},
        {"vantrel.exe  two  words ", "two  words "},
        {"", ""},
    };
    for (const TailCase &c : cases) EXPECT_STREQ(commandtail(c.cmdline), c.tail) << c.cmdline;
}

TEST(NoCount, IsTheWholeTailInAnyCase)
{
    EXPECT_TRUE(isnocount("\\NOCOUNT"));
    EXPECT_TRUE(isnocount("\\nocount"));
    EXPECT_TRUE(isnocount("\\NoCount"));
    EXPECT_FALSE(isnocount("\\NOCOUNT harbour"));
    EXPECT_FALSE(isnocount("NOCOUNT"));
    EXPECT_FALSE(isnocount("\\NOCOUN"));
    EXPECT_FALSE(isnocount(""));
}

using UsageCount = ScratchTest;

static long long startsof(const char *tail)
{
    Dialog d = headlesscreate();
    initdialog(d, tail);
    headlessdestroy(d);
    return modeldword("Software\\Marvoc\\VanTrel", "usage");
}

TEST_F(UsageCount, EveryStartCountsButTheNoCountSwitchAlone)
{
    resetregistry();
    EXPECT_EQ(startsof(""), 1);
    EXPECT_EQ(startsof("harbour"), 2);
    EXPECT_EQ(startsof("\\nocount"), 2);
    EXPECT_EQ(startsof("\\NOCOUNT"), 2);
    EXPECT_EQ(startsof("\\NOCOUNT harbour"), 3) << "the switch with a word is no switch";
    EXPECT_EQ(modeldword("Software\\Marvoc", "VanTrel"), 20030111) << "the date of the first counted start";
}
