// When a marked entry is due for review, and the level a grade gives it.
// The five levels are the boxes of the review:
//
//   level            box               due again after
//   "????" (117)     not graded yet    at once
//   "Very Hard" (3)  1                 1 day
//   "Hard" (114)     2                 3 days
//   "Easy" (115)     3                 7 days
//   "Very Easy" (116) 4                21 days
//
// A level that is none of the five (a store written by hand) counts as
// "????": not graded yet.
#ifndef VANTREL_SCHEDULE_H
#define VANTREL_SCHEDULE_H

const long NEVERREVIEWED = -1;  // a last review for an entry the log has no line of

// The days after its last review that an entry of the level is due again.
int reviewinterval(int level);
// Due when never reviewed, or when the last review's day plus the level's
// interval is today or earlier.
bool isdue(int level, long lastreview, long today);
// The day the entry is due: today when never reviewed.
long dueday(int level, long lastreview, long today);
// "I knew it" moves the entry one box on ("????" and "Very Hard" to "Hard",
// "Hard" to "Easy", "Easy" and "Very Easy" to "Very Easy"); "Not yet" puts
// it in "Very Hard".
int gradedlevel(int level, bool knew);

#endif
