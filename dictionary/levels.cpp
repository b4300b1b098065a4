#include "dictionary/levels.h"

#include "dictionary/dictentry.h"

const int LEVELRADIOS[5] = {LevelVeryHard, LevelHard, LevelEasy, LevelVeryEasy, LevelUnknown};

bool isdifficultylevel(int level)
{
    for (int radio : LEVELRADIOS)
        if (radio == level) return true;
    return false;
}

void showlevel(Dialog d, int level)
{
    if (isdifficultylevel(level))
        tkcheckradio(d, LevelVeryHard, LevelUnknown, level);
    else
        uncheckalllevels(d);
}

void uncheckalllevels(Dialog d)
{
    for (int radio : LEVELRADIOS) tksetcheck(d, radio, false);
}
