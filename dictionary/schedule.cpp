#include "dictionary/schedule.h"

#include "dictionary/dictentry.h"

int reviewinterval(int level)
{
    switch (level) {
    case LevelVeryHard: return 1;
    case LevelHard: return 3;
    case LevelEasy: return 7;
    case LevelVeryEasy: return 21;
    default: return 0;
    }
}

long dueday(int level, long lastreview, long today)
{
    return lastreview == NEVERREVIEWED ? today : lastreview + reviewinterval(level);
}

bool isdue(int level, long lastreview, long today)
{
    return dueday(level, lastreview, today) <= today;
}

int gradedlevel(int level, bool knew)
{
    if (!knew) return LevelVeryHard;
    switch (level) {
    case LevelHard: return LevelEasy;
    case LevelEasy:
    case LevelVeryEasy: return LevelVeryEasy;
    default: return LevelHard;
    }
}
