#include "inst/upgrade.h"

#include <cstdio>
#include <cstring>

#include "common/text.h"
#include "dictionary/storerebuild.h"
#include "inst/files.h"
#include "inst/paths.h"

BaseState findbase(InstallRecord *record, const char *locn, char *base)
{
    RecordedFile *recorded = recordfind(record, SOURCEFILE, RECORDBASE);
    filepath(base, locn, BASENAME);
    if (recorded == nullptr || !sfexists(base)) return NOBASE;
    Fingerprint present;
    if (!fingerprintfile(base, &present)) return BASEUNREADABLE;
    return samefingerprint(present, recorded->size, recorded->sum) ? BASESOUND : NOBASE;
}

Upgraded upgradewords(const char *locn, const char *base, const char *releasepath, UpgradeReport *report)
{
    char folder[FULLPATHSIZE], nativebase[FULLPATHSIZE], release[FULLPATHSIZE];
    memset(report, 0, sizeof *report);
    if (!nativepath(locn, folder, sizeof folder) || !nativepath(releasepath, release, sizeof release) ||
        (base != nullptr && !nativepath(base, nativebase, sizeof nativebase))) {
        report->result = UPGRADEFAILED;
        return UPGRADEFAILED;
    }
    return upgradewordfile(folder, base != nullptr ? nativebase : nullptr, release, report);
}

// "\nHEADING: COUNT (NAME, NAME, ... and N more)", nothing for none.
static void tellnamed(char *text, size_t size, const char *heading, const NamedWords &words)
{
    if (words.count == 0) return;
    char line[64];
    snprintf(line, sizeof line, "\n%s: %d (", heading, words.count);
    appendtext(text, size, line);
    int named = words.count < NAMEDMOST ? words.count : NAMEDMOST;
    for (int i = 0; i < named; ++i) {
        if (i > 0) appendtext(text, size, ", ");
        appendtext(text, size, words.names[i]);
    }
    if (words.count > named) {
        snprintf(line, sizeof line, " and %d more", words.count - named);
        appendtext(text, size, line);
    }
    appendtext(text, size, ")");
}

void tellupgrade(const UpgradeReport &report, const char *copy, char *text, size_t size)
{
    const MergeReport &m = report.merge;
    text[0] = '\0';
    if (report.result == UPGRADEUNCHANGED) {
        appendtext(text, size, "\n\nThe new release changes no word: your word file and your dictionary, with "
                               "your marks and levels, are as they were.");
        return;
    }
    appendtext(text, size, m.twoway ? "\n\nThe new release's words were added to your word file orlavexdic.txt "
                                      "and your dictionary, keeping your marks and levels:"
                                    : "\n\nThe new release's words were merged into your word file orlavexdic.txt "
                                      "and your dictionary, keeping your words, marks and levels:");
    tellnamed(text, size, "New words added", m.added);
    tellnamed(text, size, "Meanings updated by the release", m.updated);
    tellnamed(text, size, "Your own words and changes, kept", m.own);
    tellnamed(text, size, "Changed by you and by the release, yours kept", m.conflicts);
    tellnamed(text, size, "No longer in the release, kept because you studied them", m.studied);
    char line[120];
    snprintf(line, sizeof line, "\nEntries that kept a revision mark or a difficulty level: %d", report.carried);
    appendtext(text, size, line);
    tellnamed(text, size, "Marks and levels lost", report.lost);
    if (m.twoway)
        appendtext(text, size, "\nSetup had no copy of the word file it installed before, so only the release's "
                               "new headwords were added: meanings the release changed were not applied.");
    if (copy != nullptr) {
        appendtext(text, size, "\nThe release's whole word file is beside yours as ");
        appendtext(text, size, copy);
        appendtext(text, size, ".");
    }
    if (m.changesfile) {
        appendtext(text, size, "\nYour word file as it was is kept as ");
        appendtext(text, size, BACKUPFILE);
        appendtext(text, size, ".");
    }
}

void tellrefused(const UpgradeReport &report, char *text, size_t size)
{
    const char *file = report.releaserefused ? "the new release's word file" : "your word file orlavexdic.txt";
    const char *why = "could not be read";
    switch (report.refusal) {
    case WORDFILEUTF16: why = "is saved as UTF-16; save it as UTF-8 or ANSI"; break;
    case WORDFILENUL: why = "holds a NUL byte"; break;
    case WORDFILENOHEADWORD: why = "holds no line with a headword"; break;
    case WORDFILETOOLONG: why = "is larger, or has a longer line, than a word file can be"; break;
    default: break;
    }
    if (report.unfit) {
        snprintf(text, size, "\n\nThe new release's words were not merged into your word file: it is saved in "
                             "your ANSI code page, which cannot hold some of them. Save it as UTF-8 and install "
                             "again.");
        return;
    }
    snprintf(text, size, "\n\nThe new release's words were not merged into your word file: %s %s.", file, why);
}
