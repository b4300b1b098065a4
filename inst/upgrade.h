// A release over a learner's dictionary: when the learner has made the word
// file "orlavexdic.txt" or the store "dicbin.txt" their own (edited words,
// marks, levels), setup does not put the release's copies beside them and
// leave it there.  It merges the release's word file into the learner's,
// three ways against the base, what it installed last as the word file
// (kept as "install.base", named by the record's "base" line), and rebuilds
// the store from the merged file keeping every mark and level
// (dictionary/wordupgrade.h).  With no sound base the merge only adds the
// release's headwords the learner lacks.
//
// What setup shows of it: "Installation Complete", then what came in and
// what was kept, in plain words, with counts and up to ten names each.
#ifndef VANTREL_UPGRADE_H
#define VANTREL_UPGRADE_H

#include <cstddef>

#include "dictionary/wordupgrade.h"
#include "inst/record.h"

// Whether the folder locn has a sound base, its path into base (PATHSIZE
// bytes): the record names one for the word file and install.base holds its
// bytes.  A base that is there but cannot be read is not a missing one: the
// merge then waits for a second try rather than merge two ways.
enum BaseState { BASESOUND, NOBASE, BASEUNREADABLE };
BaseState findbase(InstallRecord *record, const char *locn, char *base);

// The upgrade of the learner's word file and store in locn by the release's
// word file, whole on the disk at releasepath, against base (null for none).
Upgraded upgradewords(const char *locn, const char *base, const char *releasepath, UpgradeReport *report);

// What the completion says of an upgrade: text (size bytes) from a blank
// line on; copy is the name the release's word file went to beside the
// learner's, or null.
void tellupgrade(const UpgradeReport &report, const char *copy, char *text, size_t size);

// Why an upgrade was refused, for the completion.
void tellrefused(const UpgradeReport &report, char *text, size_t size);

#endif
