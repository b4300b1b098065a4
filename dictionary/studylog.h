// The study log "studylog.txt", beside the store: one line per grade, in the
// store's code page, tab-separated and ended in CR LF, so that a spreadsheet
// opens it:
//
//   2026-12-09<TAB>harbour wall<TAB>114<TAB>knew<CR><LF>
//
// the date, the headword as stored, the level written (its stored number)
// and "knew" or "not yet".  It is only ever appended to, a line at a time,
// each put on the disk before the review goes on; it is keyed by headword,
// so it outlives both rebuilds.  The last line of a headword gives its last
// review.  A line that does not read as one is passed over.
#ifndef VANTREL_STUDYLOG_H
#define VANTREL_STUDYLOG_H

#include <cstddef>

extern const char STUDYLOG[];  // "studylog.txt"

const char KNEWTEXT[] = "knew";
const char NOTYETTEXT[] = "not yet";

struct StudyLine {
    long day;
    const char *word;  // NUL-terminated, shorter than a headword's field
    int level;
    bool knew;
};

// Reads the line of length bytes (its line end taken off); false for one
// that is not a whole line of the log.  word points into a copy in words,
// which has room for a headword.
bool readstudyline(const char *line, size_t length, char *words, StudyLine *read);

// Hands each line of the log that reads as one to online, in the order of the
// file; false when a read failed part way (the lines before it were handed
// on).  A log that is not there has no lines.
bool readstudylog(const char *path, void (*online)(const StudyLine &line, void *context), void *context);

// Appends the line of one grade and puts it on the disk; false when any of
// it failed.  Where the log's last line was left without its line end (a
// crash part way through an append), the new line starts on a line of its own.
bool appendstudyline(const char *path, long day, const char *word, int level, bool knew);

#endif
