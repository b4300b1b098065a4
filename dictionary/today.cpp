// Today's local date from the C library's clock and time zone.
#include <ctime>

#include "dictionary/studydate.h"

long localtoday()
{
    time_t now = time(nullptr);
    const struct tm *local = localtime(&now);
    long number = 0;
    if (local == nullptr || !daynumber(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, &number))
        return 0;
    return number;
}
