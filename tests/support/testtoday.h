// Today's date as the tests choose it (2026-12-09 unless set; ScratchTest
// sets it back): the tests are linked with --wrap=localtoday.
#ifndef VANTREL_TESTTODAY_H
#define VANTREL_TESTTODAY_H

long dayof(int year, int month, int day);
void settoday(long day);

#endif
