// The start of vantrel is counted under its own name unless told not to.
#include <gtest/gtest.h>

#include "tests/headless.h"
#include "tests/registrymodel.h"
#include "tests/support/scratch.h"
#include "ui/startup.h"

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
