#include "dictionary/wordupgrade.h"

#include <cstring>
#include <new>

#include "common/checksum.h"
#include "common/text.h"
#include "dictionary/store.h"
#include "dictionary/storerebuild.h"
#include "dictionary/studyrecord.h"

const char BACKUPFILE[] = "orlavexdic.txt.before-upgrade";
const char BACKUPTEMPFILE[] = "orlavexdic.before-upgrade.tmp";
const char MERGEDFILE[] = "orlavexdic.merged.tmp";

static const size_t PATHMOST = 1024;
static const size_t COPYBLOCK = 65536;

#ifdef _WIN32
static const char SEPARATOR[] = "\\";
#else
static const char SEPARATOR[] = "/";
#endif

struct UpgradePaths {
    char source[PATHMOST];
    char store[PATHMOST];
    char backup[PATHMOST];
    char backuptemp[PATHMOST];
    char merged[PATHMOST];
    char newstore[PATHMOST];
};

static bool joined(char *path, const char *folder, const char *name)
{
    if (!copytext(path, PATHMOST, folder)) return false;
    size_t length = strlen(path);
    if (length > 0 && path[length - 1] != '/' && path[length - 1] != '\\' && !appendtext(path, PATHMOST, SEPARATOR))
        return false;
    return appendtext(path, PATHMOST, name);
}

static bool joinedall(UpgradePaths *p, const char *folder)
{
    return joined(p->source, folder, SOURCEFILE) && joined(p->store, folder, STOREFILE) &&
           joined(p->backup, folder, BACKUPFILE) && joined(p->backuptemp, folder, BACKUPTEMPFILE) &&
           joined(p->merged, folder, MERGEDFILE) && joined(p->newstore, folder, NEWSTOREFILE);
}

// Copies the learner's word file to its copy beside it, on the disk before
// it takes the copy's place; false, with no temporary file left, when any
// of it failed or the file is no longer the bytes that were merged.
static bool keptbefore(const UpgradePaths &p, uint64_t sum)
{
    DataFile *in = fileopen(p.source, "rb");
    if (!in) return false;
    DataFile *out = fileopen(p.backuptemp, "wb");
    char *block = new (std::nothrow) char[COPYBLOCK];
    bool copied = out && block;
    uint64_t read = CHECKSUMSTART;
    while (copied) {
        size_t got = fileread(in, block, COPYBLOCK);
        read = checksumadd(read, block, got);
        copied = filewrite(out, block, got) == got;
        if (got < COPYBLOCK) break;
    }
    copied = copied && !fileerror(in) && read == sum;
    if (out) copied = fileflush(out) && copied;
    if (out) copied = fileclose(out) && copied;
    copied = fileclose(in) && copied;
    delete[] block;
    copied = copied && filereplace(p.backuptemp, p.backup);
    if (!copied) fileremove(p.backuptemp);
    return copied;
}

// Writes the merged word file to its temporary name, on the disk.
static Upgraded writtenmerge(WordMerge *m, const UpgradePaths &p, const char *releasepath)
{
    DataFile *out = fileopen(p.merged, "wb");
    if (!out) return UPGRADEFAILED;
    Merged written = writewordmerge(m, p.source, releasepath, out);
    bool whole = fileflush(out);
    whole = fileclose(out) && whole;
    if (written == MERGED && whole) return UPGRADED;
    fileremove(p.merged);
    return written == MERGEREFUSED ? UPGRADEREFUSED : UPGRADEFAILED;
}

static Upgraded planned(Merged merged)
{
    switch (merged) {
    case MERGED: return UPGRADED;
    case MERGEUNCHANGED: return UPGRADEUNCHANGED;
    case MERGEREFUSED: return UPGRADEREFUSED;
    case MERGEFAILED: break;
    }
    return UPGRADEFAILED;
}

// Plans the merge and writes what it changes; *merged is set when the
// store is to be compiled from the merged file, *sum to the learner's file
// as it was merged.
static Upgraded merge(const UpgradePaths &p, const char *basepath, const char *releasepath, const StudyRecord *study,
                      UpgradeReport *report, bool *merged, uint64_t *sum)
{
    WordMerge *m = new (std::nothrow) WordMerge;
    if (!m) return UPGRADEFAILED;
    Upgraded result = planned(planwordmerge(m, basepath, p.source, releasepath, study));
    report->merge = m->report;
    *sum = m->learner.sum;
    *merged = result == UPGRADED && m->report.changesfile;
    if (*merged) {
        result = writtenmerge(m, p, releasepath);
        if (result == UPGRADED && !keptbefore(p, *sum)) result = UPGRADEFAILED;
        if (result != UPGRADED) fileremove(p.merged);
    }
    report->refusal = m->refusal;
    report->releaserefused = m->releaserefused;
    report->unfit = m->unfit;
    freewordmerge(m);
    delete m;
    return result;
}

static void tellstudy(const StudyRecord &study, UpgradeReport *report)
{
    report->carried = study.kept;
    int at = 0;
    while (const char *word = nextloststudy(&study, &at))
        if (report->lost.count++ < NAMEDMOST) copytext(report->lost.names[report->lost.count - 1], WORDSIZE, word);
}

Upgraded upgradewordfile(const char *folder, const char *basepath, const char *releasepath, UpgradeReport *report)
{
    memset(report, 0, sizeof *report);
    UpgradePaths *p = new (std::nothrow) UpgradePaths;
    StudyRecord study;
    memset(&study, 0, sizeof study);
    Upgraded result = p && joinedall(p, folder) && readstudyrecord(p->store, &study) ? UPGRADED : UPGRADEFAILED;
    bool merged = false;
    uint64_t sum = 0;
    if (result == UPGRADED) result = merge(*p, basepath, releasepath, &study, report, &merged, &sum);
    if (result == UPGRADED && rebuildfrom(merged ? p->merged : p->source, p->store, p->newstore, &study) != COMPILED)
        result = UPGRADEFAILED;
    // the learner's word file, judged again: still the bytes that were merged
    uint64_t now = 0;
    if (result == UPGRADED && merged && !(wordfilesum(p->source, &now) && now == sum && filereplace(p->merged, p->source)))
        result = UPGRADEFAILED;
    if (result == UPGRADED) tellstudy(study, report);
    if (merged && result != UPGRADED) fileremove(p->merged);
    freestudyrecord(&study);
    delete p;
    report->result = result;
    return result;
}
