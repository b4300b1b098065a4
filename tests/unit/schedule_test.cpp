// The review's boxes: when a marked entry is due, and the level a grade gives it.
#include <gtest/gtest.h>

#include "dictionary/dictentry.h"
#include "dictionary/schedule.h"
#include "tests/support/testtoday.h"

TEST(Schedule, EachBoxIsDueOnTheDayItsIntervalEndsAndNotTheDayBefore)
{
    const long d9 = dayof(2026, 12, 9), d25 = dayof(2026, 12, 25), feb8 = dayof(2028, 2, 8);
    const struct { int level; long last, today; bool due; } rows[] = {
        {LevelUnknown, NEVERREVIEWED, d9, true}, {LevelUnknown, d9, d9, true}, {999, d9, d9, true},
        {LevelVeryHard, NEVERREVIEWED, d9, true}, {LevelVeryHard, d9, d9, false}, {LevelVeryHard, d9, d9 + 1, true},
        {LevelHard, d9, d9 + 2, false}, {LevelHard, d9, d9 + 3, true}, {LevelEasy, d9, d9 + 6, false},
        {LevelEasy, d9, d9 + 40, true}, {LevelVeryEasy, d9, d9 + 20, false}, {LevelVeryEasy, d9, d9 + 21, true},
        {LevelEasy, d25, dayof(2026, 12, 31), false}, {LevelEasy, d25, dayof(2027, 1, 1), true},
        {LevelVeryEasy, feb8, dayof(2028, 2, 28), false}, {LevelVeryEasy, feb8, dayof(2028, 2, 29), true},
    };
    for (const auto &row : rows)
        EXPECT_EQ(isdue(row.level, row.last, row.today), row.due) << row.level << ", " << row.today - row.last << " days on";
}

TEST(Schedule, KnewMovesOneBoxOnAndNotYetPutsTheEntryInVeryHard)
{
    const int rows[][2] = {{LevelUnknown, LevelHard}, {LevelVeryHard, LevelHard}, {LevelHard, LevelEasy},  // level, after "I knew it"
                           {LevelEasy, LevelVeryEasy}, {LevelVeryEasy, LevelVeryEasy}, {999, LevelHard}};
    for (const auto &row : rows) {
        EXPECT_EQ(gradedlevel(row[0], true), row[1]) << row[0];
        EXPECT_EQ(gradedlevel(row[0], false), LevelVeryHard) << row[0];
    }
}
