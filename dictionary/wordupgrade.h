// The upgrade of a learner's word file and store by a new release: the
// release's word file merged into the learner's three ways against the base
// (dictionary/wordmerge.h), then the store rebuilt from the merged file
// keeping every mark and level by headword (dictionary/storerebuild.h).
//
// In the install folder, besides the learner's "orlavexdic.txt" and
// "dicbin.txt", it writes only these:
//   orlavexdic.txt.before-upgrade   the learner's word file as it was before
//                                   the upgrade that last changed it
//   orlavexdic.merged.tmp           the merged word file, until it takes the
//                                   word file's place
//   orlavexdic.before-upgrade.tmp   the copy, until it takes its place
//   dicbin.tmp                      the new store, until it takes the store's place
// Each is written whole and flushed to the disk before it is put in place;
// none of the temporary ones is left behind.
//
// The order makes every crash point safe.  The learner's word file is first
// copied, and the merge reads it from the copy, which nothing else writes;
// the merged file and the new store, with the marks and levels of the old
// one, are made next, and the new store takes the old one's place; last,
// once the learner's word file is judged again (still the bytes of the
// copy), the copy takes its place beside it and the merged file the word
// file's.  A failure or a crash at any point leaves the learner's word file
// as it was (with the old store, or with the new store that a merge of it
// made) or both merged files whole.  Merging again is a retry: it makes the
// same merged file from the same learner's file, and from the merged file it
// changes nothing but rebuilds the store, so a retry after any failure
// completes the upgrade and loses nothing.
#ifndef VANTREL_WORDUPGRADE_H
#define VANTREL_WORDUPGRADE_H

#include "dictionary/wordmerge.h"

extern const char BACKUPFILE[];      // "orlavexdic.txt.before-upgrade"
extern const char BACKUPTEMPFILE[];  // "orlavexdic.before-upgrade.tmp"
extern const char MERGEDFILE[];      // "orlavexdic.merged.tmp"

enum Upgraded {
    UPGRADED,          // the store is rebuilt from the merged word file, marks and levels kept
    UPGRADEUNCHANGED,  // the release's words are the base's: nothing was touched
    UPGRADEREFUSED,    // no word file of the learner's, one the rebuild would refuse, or a
                       // release entry the learner's encoding lacks: nothing was touched
    UPGRADEFAILED      // a file could not be read or written, the learner's word file
                       // changed meanwhile, or memory ran short: a retry completes it
};

struct UpgradeReport {
    Upgraded result;
    WordFileRead refusal;  // refused: why (WORDFILEREAD with unfit)
    bool releaserefused;   // refused: the release's file (else the learner's)
    bool unfit;            // refused: an entry of the release the learner's encoding cannot hold
    MergeReport merge;     // what the merge did, when it was planned
    int carried;           // upgraded: new entries that kept a mark or a level
    NamedWords lost;       // upgraded: marked or graded headwords that no new entry took
};

// Upgrades the word file "orlavexdic.txt" and the store "dicbin.txt" in
// folder (empty for the working folder) by the release's word file at
// releasepath, which must be whole on the disk (setup writes it to a
// temporary name first), against the base at basepath: setup's copy of the
// word file it installed last, or null (or a file that is no word file) for
// the two-way merge that only adds the headwords the learner lacks.  A
// learner's folder with no store has no marks or levels to keep.  Returns
// the result, as report->result; the report says what the completion tells,
// and whether the release's word file belongs beside as NAME.new.
Upgraded upgradewordfile(const char *folder, const char *basepath, const char *releasepath, UpgradeReport *report);

#endif
