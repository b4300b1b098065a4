#include "dictionary/studydate.h"

#include <cstdio>

// The proleptic Gregorian calendar counted in eras of 400 years, which
// always hold 146,097 days.

static bool leapyear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

static int daysinmonth(int year, int month)
{
    static const int DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapyear(year) ? 29 : DAYS[month - 1];
}

bool daynumber(int year, int month, int day, long *number)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysinmonth(year, month))
        return false;
    long y = month <= 2 ? year - 1 : year;
    long era = y / 400;
    long yearofera = y - era * 400;
    long shifted = month > 2 ? month - 3 : month + 9;  // March first
    long dayofyear = (153 * shifted + 2) / 5 + day - 1;
    long dayofera = yearofera * 365 + yearofera / 4 - yearofera / 100 + dayofyear;
    *number = era * 146097 + dayofera - 719468;
    return true;
}

void writedate(long number, char *text)
{
    long z = number + 719468;
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long dayofera = z - era * 146097;
    long yearofera = (dayofera - dayofera / 1460 + dayofera / 36524 - dayofera / 146096) / 365;
    long dayofyear = dayofera - (365 * yearofera + yearofera / 4 - yearofera / 100);
    long shifted = (5 * dayofyear + 2) / 153;
    int day = (int)(dayofyear - (153 * shifted + 2) / 5 + 1);
    int month = (int)(shifted < 10 ? shifted + 3 : shifted - 9);
    long year = yearofera + era * 400 + (month <= 2 ? 1 : 0);
    if (year < 1 || year > 9999) {
        snprintf(text, DATESIZE, "0000-00-00");
        return;
    }
    snprintf(text, DATESIZE, "%04ld-%02d-%02d", year, month, day);
}

// n digits at text; false when one is not a digit
static bool digits(const char *text, int n, int *value)
{
    *value = 0;
    for (int i = 0; i < n; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        *value = *value * 10 + (text[i] - '0');
    }
    return true;
}

bool readdate(const char *text, size_t length, long *number)
{
    int year, month, day;
    if (length != DATESIZE - 1 || text[4] != '-' || text[7] != '-') return false;
    if (!digits(text, 4, &year) || !digits(text + 5, 2, &month) || !digits(text + 8, 2, &day)) return false;
    return daynumber(year, month, day, number);
}
