// The merge of a release's word file into the learner's, entry by entry,
// three ways against the base (the word file that setup installed last):
// the n-th entry of a headword in one file is the n-th of the same headword,
// byte for byte, in the others (dictionary/wordentries.h).
//
//   learner's as base, release's changed     the release's
//   only the learner's changed               the learner's, named as theirs
//   both changed, differently                the learner's, named as a conflict
//   only in the release                      added after the entry before it in
//                                            the release (at the end when none is left)
//   only in the learner's                    kept where it is, named as theirs
//   in the learner's and the release's only, the learner's, named as a conflict
//     differently
//   removed by the release, learner's as     removed, unless the learner's store gives
//     base                                   it a mark or a level: then kept, named
//   removed by the release, changed by the   kept, named as a conflict
//     learner
//   removed by the learner                   stays removed
//
// With no base only the release's headwords the learner's file lacks are
// added.  A new entry of the release whose headword the learner's file has
// fewer times goes, like any other, after the entry before it in the
// release, which is as a rule the learner's entry of the same headword.  The merged file keeps the learner's encoding and line ends, and
// every byte of the entries it keeps; an entry of the release is written in
// them, and one that the learner's encoding cannot hold refuses the merge.
#ifndef VANTREL_WORDMERGE_H
#define VANTREL_WORDMERGE_H

#include "dictionary/dictentry.h"
#include "dictionary/fileio.h"
#include "dictionary/wordentries.h"

struct StudyRecord;

enum { NAMEDMOST = 10 };

// How many headwords, and the first NAMEDMOST of them as the store takes them.
struct NamedWords {
    int count;
    char names[NAMEDMOST][WORDSIZE];
};

struct MergeReport {
    NamedWords added;      // new in the release
    NamedWords updated;    // changed by the release, the learner's as the base
    NamedWords own;        // the learner's own entries and changes, kept
    NamedWords conflicts;  // changed by both, the learner's kept
    NamedWords studied;    // removed by the release, kept for their mark or level
    bool twoway;           // no base: only headwords the learner lacked were added
    bool writenew;         // the release's word file belongs beside as NAME.new: a conflict, or two-way
    bool changesfile;      // the merged file differs from the learner's
};

enum Merged {
    MERGED,          // planned, or written
    MERGEUNCHANGED,  // the release's entries are the base's: nothing to merge
    MERGEREFUSED,    // a word file the rebuild would refuse, or a release entry the learner's encoding lacks
    MERGEFAILED      // a read or a write failed, or memory ran short
};

struct WordMerge {
    WordFile base;
    WordFile learner;
    WordFile release;
    bool twoway;
    const StudyRecord *study;
    unsigned char *fate;  // learner's entries: kept, taken from the release, removed
    int32_t *taken;       // learner's entries: the release's entry whose text goes in its place
    int32_t *placeof;     // release's entries: the learner's entry it stands for, or -1
    int32_t *first;       // places (each learner's entry, then the end): the release's first entry added there
    int32_t *last;
    int32_t *next;        // release's entries: the next one added at the same place
    uint32_t *nameat;     // release's entries: its headword in names, where kept
    char *names;
    size_t namesused;
    size_t namesroom;
    int learnerroom;
    int releaseroom;
    bool memoryshort;
    WordFileRead refusal;  // when refused: why, and whether of the release's file
    bool releaserefused;
    bool unfit;            // refused: an entry of the release the learner's encoding lacks
    MergeReport report;
};

// Reads the three files and plans the merge; basepath null (or a base that
// is not there, or no word file the rebuild takes) for the two-way merge.  study is the
// learner's store's marks and levels.  MERGEUNCHANGED when the release's
// entries are all the base's, MERGEREFUSED with merge->refusal when the
// learner's or the release's file is one the rebuild would refuse.  The
// merge is freed by freewordmerge whatever the result.
Merged planwordmerge(WordMerge *merge, const char *basepath, const char *learnerpath, const char *releasepath,
                     const StudyRecord *study);

// Writes the merged file, as planned, to out (open for writing, from empty).
// MERGEREFUSED when an entry of the release does not fit the learner's
// encoding; then out holds only part of it.
Merged writewordmerge(WordMerge *merge, const char *learnerpath, const char *releasepath, DataFile *out);

void freewordmerge(WordMerge *merge);

#endif
