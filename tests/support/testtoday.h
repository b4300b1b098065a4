// Today's date as the tests choose it: the tests' programs are linked with
// --wrap=localtoday, so the review's calls of localtoday
// (dictionary/studydate.h) come here.  2026-12-09 until a test sets another;
// ScratchTest sets it back for every test.
#ifndef VANTREL_TESTTODAY_H
#define VANTREL_TESTTODAY_H

long dayof(int year, int month, int day);
void settoday(long day);
long testtoday();

#endif
