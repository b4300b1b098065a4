#include "tests/support/testtoday.h"

#include "dictionary/studydate.h"

long dayof(int year, int month, int day)
{
    long number = 0;
    daynumber(year, month, day, &number);
    return number;
}

static long today = dayof(2026, 12, 9);
void settoday(long day) { today = day; }
extern "C" long __wrap_localtoday() { return today; }
