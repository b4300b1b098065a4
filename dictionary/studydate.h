// The dates of the study log: a local date as a day number (days since
// 1970-01-01, so that adding a box's interval is plain addition), written
// and read as yyyy-mm-dd.
#ifndef VANTREL_STUDYDATE_H
#define VANTREL_STUDYDATE_H

#include <cstddef>

const int DATESIZE = 11;  // "yyyy-mm-dd" and its NUL

// The day number of a date of the years 1 to 9999; false for no such date
// (the 30th of February, month 13).
bool daynumber(int year, int month, int day, long *number);
// The date of a day number of those years, as yyyy-mm-dd.
void writedate(long number, char *text);
// Exactly ten bytes of yyyy-mm-dd that name a real date; false for anything else.
bool readdate(const char *text, size_t length, long *number);

extern "C" {
// Today's local date as a day number.  Its own file (dictionary/today.cpp),
// so that the tests put a date of their choosing in front of it at link time.
long localtoday();
}

#endif
