// The review of the marked words, command 1031: the marked entries that are
// due by their level (dictionary/schedule.h), one at a time in the review
// box (dialog 300) in store order, the meaning hidden until asked for; each
// grade written into the entry's record at once as a level radio writes it,
// then appended to the study log (dictionary/studylog.h) before the next
// word shows.  Memory: the marked entries' numbers, levels, words and last
// reviews, never a meaning.
#ifndef VANTREL_REVIEW_H
#define VANTREL_REVIEW_H

#include "dictionary/toolkit.h"

extern const char REVIEWCAPTION[];  // "Review", the caption of every box of the review but a failure's
extern const char NOTHINGMARKED[];  // the box when no entry is marked
extern const char LOGFAILED[];      // the box when the study log cannot be written
extern const char REVIEWNOROOM[];   // the box when memory runs short for the review

// The command: gathers the due marked entries, tells when there are none,
// shows the review box modally over the main dialog, tells the outcome, and
// looks the word box's entry up again so that the dialog shows the store.
void reviewmarked(Dialog d);

// The review box's initialisation: the first word, its meaning hidden.
void openreview(Dialog r);
// The review box's commands: "&Show meaning", "I &knew it", "&Not yet", and
// "&Stop" (IDCANCEL: also Esc and the close box), which ends the review and
// keeps what was graded.
void reviewcommand(Dialog r, int id, int code);

#endif
