#include "dictionary/wordmerge.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "common/blocks.h"
#include "common/codepage.h"
#include "common/text.h"
#include "dictionary/studyrecord.h"

// The three files are read one after another, each against the ones read
// before it: the base, then the release's (whose headwords the base lacks
// are kept by name, the new words), then the learner's, each entry of which
// is given its fate as it is read, its headword at hand for the study record
// and the report.  With no base the learner's comes first and the release's
// entries are judged against it.  Then the release's new entries are given
// their places, and the writer goes through the learner's entries in order,
// copying the bytes of those kept and writing the release's in the learner's
// encoding and line ends.

enum Fate : unsigned char { FATEKEEP, FATETAKE, FATEDROP };

static const uint32_t NONAME = UINT32_MAX;

static void name(NamedWords *named, const char *word)
{
    if (named->count < NAMEDMOST) copytext(named->names[named->count], WORDSIZE, word);
    ++named->count;
}

// Room for wanted items in each of two arrays that grow together.
template <class A, class B> static bool makeroom(A **a, B **b, int *room, int wanted)
{
    if (wanted <= *room) return true;
    size_t have = (size_t)*room, rooma = have, roomb = have, more = (size_t)(wanted - *room);
    if (!growitems(a, &rooma, have, more, 256) || !growitems(b, &roomb, have, more, 256)) return false;
    *room = (int)std::min(rooma, roomb);
    return true;
}

static bool keepname(WordMerge *m, const char *word, uint32_t *at)
{
    return keeptext(&m->names, &m->namesroom, &m->namesused, word, at);
}

// Whether the n-th entry of the headword in the learner's store has a mark
// or a level other than the rebuild's.
static bool studiedentry(const StudyRecord *record, const char *word, int nth)
{
    const StudiedEntry *e = record ? findstudied(record, word, nth) : nullptr;
    return e != nullptr && hasstudy(e->mark, e->level);
}

// Each entry of the release's file: its headword kept when it may be new.
static void releasestep(WordFile *file, int entry, const char *storeword, void *context)
{
    WordMerge *m = static_cast<WordMerge *>(context);
    if (!makeroom(&m->placeof, &m->nameat, &m->releaseroom, entry + 1)) {
        m->memoryshort = true;
        return;
    }
    const WordEntry &e = file->entries[entry];
    m->placeof[entry] = m->twoway ? findwordentry(&m->learner, e.word, e.nth) : -1;
    m->nameat[entry] = NONAME;
    bool maybenew = m->twoway ? findwordentry(&m->learner, e.word, 0) < 0 : findwordentry(&m->base, e.word, e.nth) < 0;
    if (maybenew && !keepname(m, storeword, &m->nameat[entry])) m->memoryshort = true;
}

// Each entry of the learner's file, in a three-way merge: its fate.
static void learnerstep(WordFile *file, int entry, const char *storeword, void *context)
{
    WordMerge *m = static_cast<WordMerge *>(context);
    if (!makeroom(&m->fate, &m->taken, &m->learnerroom, entry + 1)) {
        m->memoryshort = true;
        return;
    }
    const WordEntry &l = file->entries[entry];
    int b = findwordentry(&m->base, l.word, l.nth);
    int r = findwordentry(&m->release, l.word, l.nth);
    uint64_t base = b >= 0 ? m->base.entries[b].text : 0, release = r >= 0 ? m->release.entries[r].text : 0;
    MergeReport &report = m->report;
    unsigned char fate = FATEKEEP;
    if (r >= 0) m->placeof[r] = entry;
    if (b >= 0 && r >= 0) {
        if (l.text == base && release != base) {
            fate = FATETAKE;
            m->taken[entry] = r;
            name(&report.updated, storeword);
        } else if (l.text != base && release == base) {
            name(&report.own, storeword);
        } else if (l.text != base && release != l.text) {
            name(&report.conflicts, storeword);
        }
    } else if (b >= 0) {
        if (l.text != base)
            name(&report.conflicts, storeword);
        else if (studiedentry(m->study, storeword, l.nth))
            name(&report.studied, storeword);
        else
            fate = FATEDROP;
    } else if (r >= 0) {
        if (release != l.text) name(&report.conflicts, storeword);
    } else {
        name(&report.own, storeword);
    }
    m->fate[entry] = fate;
}

// Places each new entry of the release after the release's entry before it
// that the merged file holds; at the end while there is none.
static bool placeadded(WordMerge *m)
{
    int places = m->learner.count + 1, count = m->release.count;
    m->first = new (std::nothrow) int32_t[places];
    m->last = new (std::nothrow) int32_t[places];
    m->next = new (std::nothrow) int32_t[count > 0 ? count : 1];
    if (!m->first || !m->last || !m->next) return false;
    std::fill(m->first, m->first + places, -1);
    std::fill(m->next, m->next + count, -1);
    int place = m->learner.count;
    for (int j = 0; j < count; ++j) {
        if (m->placeof[j] >= 0) {
            place = m->placeof[j];
            continue;
        }
        const WordEntry &e = m->release.entries[j];
        bool added = m->twoway ? findwordentry(&m->learner, e.word, 0) < 0 : findwordentry(&m->base, e.word, e.nth) < 0;
        if (!added) continue;
        if (m->first[place] < 0)
            m->first[place] = j;
        else
            m->next[m->last[place]] = j;
        m->last[place] = j;
        name(&m->report.added, m->names + m->nameat[j]);
    }
    return true;
}

static bool sameentries(const WordFile &a, const WordFile &b)
{
    if (a.count != b.count) return false;
    for (int i = 0; i < a.count; ++i) {
        int j = findwordentry(&b, a.entries[i].word, a.entries[i].nth);
        if (j < 0 || b.entries[j].text != a.entries[i].text) return false;
    }
    return true;
}

static Merged refused(WordMerge *m, WordFileRead read, bool release)
{
    m->refusal = read;
    m->releaserefused = release;
    return read == WORDFILEUNREADABLE ? MERGEFAILED : MERGEREFUSED;
}

Merged planwordmerge(WordMerge *m, const char *basepath, const char *learnerpath, const char *releasepath,
                     const StudyRecord *study)
{
    memset(m, 0, sizeof *m);
    m->study = study;
    // a base that is not there, or no word file, leaves the two-way merge; one
    // that could not be read fails, to be tried again
    WordFileRead read = basepath ? readwordfile(basepath, &m->base) : WORDFILEMISSING;
    if (read == WORDFILEUNREADABLE) return refused(m, read, false);
    m->twoway = read != WORDFILEREAD;
    if (m->twoway) freewordfile(&m->base);
    if (m->twoway) {
        read = readwordfile(learnerpath, &m->learner);
        if (read != WORDFILEREAD) return refused(m, read, false);
        if (!makeroom(&m->fate, &m->taken, &m->learnerroom, m->learner.count)) return MERGEFAILED;
        memset(m->fate, FATEKEEP, (size_t)m->learner.count);
    }
    read = readwordfile(releasepath, &m->release, releasestep, m);
    if (read != WORDFILEREAD) return refused(m, read, true);
    if (m->memoryshort) return MERGEFAILED;
    if (!m->twoway) {
        if (sameentries(m->release, m->base)) return MERGEUNCHANGED;
        read = readwordfile(learnerpath, &m->learner, learnerstep, m);
        if (read != WORDFILEREAD) return refused(m, read, false);
    }
    if (m->memoryshort || !placeadded(m)) return MERGEFAILED;
    MergeReport &report = m->report;
    report.twoway = m->twoway;
    report.writenew = m->twoway || report.conflicts.count > 0;
    report.changesfile = report.added.count > 0;
    for (int i = 0; i < m->learner.count; ++i) report.changesfile = report.changesfile || m->fate[i] != FATEKEEP;
    return MERGED;
}

enum Conversion { ASIS, TOANSI, TOUTF8 };

struct MergeWriter {
    WordLines learner;
    WordLines release;
    char line[WORDLINEMOST];
    char converted[3 * WORDLINEMOST];
    DataFile *out;
    bool ended;  // what was written ends a line
    const char *lineend;
    Conversion conversion;
};

static bool writebytes(MergeWriter *w, const char *bytes, size_t size)
{
    if (size == 0) return true;
    if (filewrite(w->out, bytes, size) != size) return false;
    w->ended = bytes[size - 1] == '\n';
    return true;
}

// An entry begins a line: the learner's last line may have had no line end.
static bool endline(MergeWriter *w)
{
    return w->ended || writebytes(w, w->lineend, strlen(w->lineend));
}

static bool movedto(WordLines *lines, uint32_t at)
{
    return lines->offset == at || startwordlines(lines, lines->file, at);
}

// The learner's bytes from at, as they are.
static bool copylearners(MergeWriter *w, uint32_t at, uint32_t length)
{
    if (!movedto(&w->learner, at)) return false;
    while (length > 0) {
        const char *bytes;
        size_t got = nextwordbytes(&w->learner, length, &bytes);
        if (got == 0 || !writebytes(w, bytes, got)) return false;
        length -= (uint32_t)got;
    }
    return true;
}

// The release's entry, line by line in the learner's encoding and line ends.
static Merged copyreleases(MergeWriter *w, const WordEntry &e)
{
    if (!movedto(&w->release, e.at) || !endline(w)) return MERGEFAILED;
    uint32_t end = e.at + e.length;
    while (w->release.offset < end) {
        const char *text;
        size_t length = 0;
        if (nextwordline(&w->release, w->line, sizeof w->line, &text, &length) <= 0 || w->release.offset > end)
            return MERGEFAILED;
        bool linefeed = text[length - 1] == '\n';
        if (linefeed) --length;
        if (linefeed && length > 0 && text[length - 1] == '\r') --length;
        if (w->conversion == TOANSI) {
            if (!utf8fitsansi(text, length)) return MERGEREFUSED;
            length = utf8toansi(text, length, w->converted, sizeof w->converted);
            text = w->converted;
        } else if (w->conversion == TOUTF8) {
            length = ansitoutf8(text, length, w->converted, sizeof w->converted);
            text = w->converted;
        }
        if (!writebytes(w, text, length) || (linefeed && !writebytes(w, w->lineend, strlen(w->lineend))))
            return MERGEFAILED;
    }
    return MERGED;
}

static Merged writeadded(MergeWriter *w, const WordMerge *m, int place)
{
    Merged written = MERGED;
    for (int j = m->first[place]; j >= 0 && written == MERGED; j = m->next[j])
        written = copyreleases(w, m->release.entries[j]);
    return written;
}

static Conversion conversionof(const WordFile &learner, const WordFile &release)
{
    if (release.ascii || release.encoding == learner.encoding || (learner.ascii && learner.encoding == SOURCEANSI))
        return ASIS;
    return learner.encoding == SOURCEUTF8 ? TOUTF8 : TOANSI;
}

static Merged writemerged(MergeWriter *w, const WordMerge *m)
{
    const WordFile &learner = m->learner;
    if (!copylearners(w, 0, learner.entries[0].at)) return MERGEFAILED;
    w->ended = true;  // the first entry begins a line
    Merged written = MERGED;
    for (int i = 0; i < learner.count && written == MERGED; ++i) {
        const WordEntry &e = learner.entries[i];
        if (m->fate[i] == FATEKEEP && (!endline(w) || !copylearners(w, e.at, e.length))) return MERGEFAILED;
        if (m->fate[i] == FATETAKE) written = copyreleases(w, m->release.entries[m->taken[i]]);
        if (written == MERGED) written = writeadded(w, m, i);
    }
    return written == MERGED ? writeadded(w, m, learner.count) : written;
}

Merged writewordmerge(WordMerge *m, const char *learnerpath, const char *releasepath, DataFile *out)
{
    MergeWriter *w = new (std::nothrow) MergeWriter;
    if (!w) return MERGEFAILED;
    w->out = out;
    w->ended = true;
    const WordFile &learner = m->learner;
    w->lineend = (learner.lineend ? learner.crlf : m->release.crlf) ? "\r\n" : "\n";
    w->conversion = conversionof(learner, m->release);
    DataFile *l = fileopen(learnerpath, "rb");
    DataFile *r = l ? fileopen(releasepath, "rb") : nullptr;
    Merged written = MERGEFAILED;
    if (r && startwordlines(&w->learner, l, 0) && startwordlines(&w->release, r, 0)) written = writemerged(w, m);
    if (r && !fileclose(r) && written == MERGED) written = MERGEFAILED;
    if (l && !fileclose(l) && written == MERGED) written = MERGEFAILED;
    if (written == MERGEREFUSED) m->releaserefused = m->unfit = true;
    delete w;
    return written;
}

void freewordmerge(WordMerge *m)
{
    freewordfile(&m->base);
    freewordfile(&m->learner);
    freewordfile(&m->release);
    freeblock(m->fate);
    freeblock(m->taken);
    freeblock(m->placeof);
    delete[] m->first;
    delete[] m->last;
    delete[] m->next;
    freeblock(m->nameat);
    freeblock(m->names);
    memset(m, 0, sizeof *m);
}
