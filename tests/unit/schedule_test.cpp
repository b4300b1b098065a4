// The review's boxes: when a marked entry is due, and the level a grade gives it.
#include <gtest/gtest.h>

#include "dictionary/dictentry.h"
#include "dictionary/schedule.h"
#include "tests/support/testtoday.h"

struct Due {
    int level;
    long lastreview;
    long today;
    bool due;
};

TEST(Schedule, EachBoxIsDueOnTheDayItsIntervalEndsAndNotTheDayBefore)
{
    const long d9 = dayof(2026, 12, 9);
    const Due rows[] = {
        {LevelUnknown, NEVERREVIEWED, d9, true},   {LevelUnknown, d9, d9, true},
        {999, d9, d9, true},                       {LevelVeryHard, NEVERREVIEWED, d9, true},
        {LevelVeryHard, d9, d9, false},            {LevelVeryHard, d9, d9 + 1, true},
        {LevelHard, d9, d9 + 2, false},            {LevelHard, d9, d9 + 3, true},
        {LevelEasy, d9, d9 + 6, false},            {LevelEasy, d9, d9 + 40, true},
        {LevelVeryEasy, d9, d9 + 20, false},       {LevelVeryEasy, d9, d9 + 21, true},
        {LevelEasy, dayof(2026, 12, 25), dayof(2026, 12, 31), false},
        {LevelEasy, dayof(2026, 12, 25), dayof(2027, 1, 1), true},
        {LevelVeryEasy, dayof(2028, 2, 8), dayof(2028, 2, 28), false},
        {LevelVeryEasy, dayof(2028, 2, 8), dayof(2028, 2, 29), true},
    };
    for (const Due &row : rows)
        EXPECT_EQ(isdue(row.level, row.lastreview, row.today), row.due)
            << "level " << row.level << ", " << row.today - row.lastreview << " days after";
}

TEST(Schedule, KnewMovesOneBoxOnAndNotYetPutsTheEntryInVeryHard)
{
    const int rows[][3] = {  // level, after "I knew it", after "Not yet"
        {LevelUnknown, LevelHard, LevelVeryHard}, {LevelVeryHard, LevelHard, LevelVeryHard},
        {LevelHard, LevelEasy, LevelVeryHard},    {LevelEasy, LevelVeryEasy, LevelVeryHard},
        {LevelVeryEasy, LevelVeryEasy, LevelVeryHard}, {999, LevelHard, LevelVeryHard},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(gradedlevel(row[0], true), row[1]) << row[0];
        EXPECT_EQ(gradedlevel(row[0], false), row[2]) << row[0];
    }
}
