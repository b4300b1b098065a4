#include "dictionary/wordupgrade.h"

#include <cstring>
#include <new>

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

// Copies the learner's word file to the copy's temporary name, on the disk;
// false, with nothing left, when any of it failed.  The merge then reads
// the learner's file from this copy, which nothing else writes.
static bool copiedbefore(const UpgradePaths &p)
{
    DataFile *in = fileopen(p.source, "rb");
    if (!in) return false;
    DataFile *out = fileopen(p.backuptemp, "wb");
    char *block = new (std::nothrow) char[COPYBLOCK];
    bool copied = out && block;
    while (copied) {
        size_t got = fileread(in, block, COPYBLOCK);
        copied = filewrite(out, block, got) == got;
        if (got < COPYBLOCK) break;
    }
    copied = copied && !fileerror(in);
    if (out) copied = fileflush(out) && copied;
    if (out) copied = fileclose(out) && copied;
    copied = fileclose(in) && copied;
    delete[] block;
    if (!copied) fileremove(p.backuptemp);
    return copied;
}

// Whether the two files hold the same bytes; false when either cannot be read.
static bool samebytes(const char *one, const char *two)
{
    DataFile *a = fileopen(one, "rb");
    DataFile *b = a ? fileopen(two, "rb") : nullptr;
    char *blocks = new (std::nothrow) char[2 * COPYBLOCK];
    bool same = b && blocks;
    while (same) {
        size_t got = fileread(a, blocks, COPYBLOCK);
        same = fileread(b, blocks + COPYBLOCK, COPYBLOCK) == got && memcmp(blocks, blocks + COPYBLOCK, got) == 0;
        if (got < COPYBLOCK) break;
    }
    same = same && !fileerror(a) && !fileerror(b);
    if (b) same = fileclose(b) && same;
    if (a) same = fileclose(a) && same;
    delete[] blocks;
    return same;
}

// Writes the merged word file to its temporary name, on the disk.
static Upgraded writtenmerge(WordMerge *m, const UpgradePaths &p, const char *releasepath)
{
    DataFile *out = fileopen(p.merged, "wb");
    if (!out) return UPGRADEFAILED;
    Merged written = writewordmerge(m, p.backuptemp, releasepath, out);
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

// Plans the merge of the learner's file as copied and writes the merged
// file when it changes anything; *merged tells whether it did.
static Upgraded merge(const UpgradePaths &p, const char *basepath, const char *releasepath, const StudyRecord *study,
                      UpgradeReport *report, bool *merged)
{
    WordMerge *m = new (std::nothrow) WordMerge;
    if (!m) return UPGRADEFAILED;
    Upgraded result = planned(planwordmerge(m, basepath, p.backuptemp, releasepath, study));
    report->merge = m->report;
    *merged = result == UPGRADED && m->report.changesfile;
    if (*merged) result = writtenmerge(m, p, releasepath);
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

// The learner's file, judged again: still the bytes merged.  Then the copy
// and the merged file take their places, in this order.
static bool putinplace(const UpgradePaths &p)
{
    return samebytes(p.source, p.backuptemp) && filereplace(p.backuptemp, p.backup) && filereplace(p.merged, p.source);
}

Upgraded upgradewordfile(const char *folder, const char *basepath, const char *releasepath, UpgradeReport *report)
{
    memset(report, 0, sizeof *report);
    UpgradePaths *p = new (std::nothrow) UpgradePaths;
    StudyRecord study;
    memset(&study, 0, sizeof study);
    bool merged = false;
    long long size = 0;
    Upgraded result = p && joinedall(p, folder) ? UPGRADED : UPGRADEFAILED;
    if (result == UPGRADED && !filesize(p->source, &size)) {
        report->refusal = WORDFILEMISSING;  // no word file of the learner's to merge into
        result = UPGRADEREFUSED;
    }
    if (result == UPGRADED)
        result = readstudyrecord(p->store, &study) && copiedbefore(*p)
                     ? merge(*p, basepath, releasepath, &study, report, &merged)
                     : UPGRADEFAILED;
    if (result == UPGRADED && rebuildfrom(merged ? p->merged : p->source, p->store, p->newstore, &study) != COMPILED)
        result = UPGRADEFAILED;
    if (result == UPGRADED && merged && !putinplace(*p)) result = UPGRADEFAILED;
    if (result == UPGRADED) tellstudy(study, report);
    if (p) {
        fileremove(p->merged);
        fileremove(p->backuptemp);
    }
    freestudyrecord(&study);
    delete p;
    report->result = result;
    return result;
}
