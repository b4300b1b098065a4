// What no user action can bring about: a toggle whose write failed, as its
// caller would see it, and a level change with no level radio checked.
#include <gtest/gtest.h>

#include "tests/support/filefaults.h"
#include "dictionary/levels.h"
#include "dictionary/revision.h"
#include "dictionary/store.h"
#include "tests/headless.h"
#include "tests/support/scratch.h"

using RevisionResult = ScratchTest;

static void writetwoentries()
{
    writestore({{"anchor", "a hook", 0, LevelHard}, {"berth", "a place", RevisionMark, LevelHard}});
}

TEST_F(RevisionResult, AToggleWhoseWriteFailedReturnsTheOldMark)
{
    writetwoentries();
    Dialog d = headlesscreate();
    filefaults.path = STOREFILE;
    filefaults.failwrite = 1;
    EXPECT_EQ(togglemark(d, "berth"), RevisionMark);
    EXPECT_EQ(storedrecord(2).mark, RevisionMark);
    EXPECT_EQ(messagesof(d), std::vector<std::string>{STOREMISSING});
    headlessdestroy(d);
}

TEST_F(RevisionResult, ALevelChangeWithNoRadioCheckedWritesNothing)
{
    writetwoentries();
    std::string before = readwholefile(STOREFILE);
    Dialog d = headlesscreate();
    findcontrol(d, IDC_WORD)->text = "anchor";
    EXPECT_EQ(setlevel(d), 1);
    EXPECT_TRUE(readwholefile(STOREFILE) == before);
    EXPECT_EQ(findcontrol(d, IDC_STATUS)->text, "");
    EXPECT_TRUE(d->messages.empty());
    headlessdestroy(d);
}
