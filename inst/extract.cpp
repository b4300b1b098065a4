#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "common/blocks.h"
#include "common/filenames.h"
#include "common/text.h"
#include "common/y.h"
#include "dictionary/store.h"
#include "dictionary/storerebuild.h"
#include "inst/files.h"
#include "inst/install.h"
#include "inst/paths.h"
#include "inst/payload.h"
#include "inst/record.h"
#include "inst/upgrade.h"

char installreason[REASONSIZE];

// Opens the archive and reads its header into def and its count; null on failure.
static SetupFile *openarchive(int32_t *no)
{
    SetupFile *data = sfopen(ARCHIVE, "rb");
    if (data == nullptr) return nullptr;
    unsigned char head[HEADERSIZE + COUNTSIZE];
    if (sfread(data, head, sizeof head) != sizeof head) {
        sfclose(data);
        return nullptr;
    }
    decodeheader(head, &def);
    *no = decodeint(head + HEADERSIZE);
    return data;
}

// Reads the next entry into spec; false when it is short or not sound.  The
// archive was checked as a whole before, so this fails only if it changed.
static bool readentry(SetupFile *data)
{
    unsigned char bytes[ENTRYSIZE];
    if (sfread(data, bytes, sizeof bytes) != sizeof bytes) return false;
    return decodeentry(bytes, &spec) && safename(spec.name) && spec.size >= 0;
}

// Reads the next entry and passes over its bytes.
static bool passentry(SetupFile *data)
{
    return readentry(data) && sfskip(data, spec.size);
}

static int listing(SetupDialog hdlg)
{
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return INSTALLFAILED;
    for (int32_t i = 0; i < no; ++i) {
        if (!passentry(data)) {
            sfclose(data);
            return INSTALLFAILED;
        }
        listadd(hdlg, spec.name);
    }
    sfclose(data);
    return INSTALLDONE;
}

// Whether writing target would write over guard, whose full path name is
// guardfull (empty when it could not be told).
static bool writesover(const char *target, const char *guard, const char *guardfull)
{
    char full[FULLPATHSIZE];
    if (guardfull[0] != '\0' && fullpathname(target, full, sizeof full) && samepathname(full, guardfull))
        return true;
    return onefile(target, guard);
}

// What the file of the entry in spec would be written over in the folder
// locn: the archive while it is read, or the running program; null for
// neither.  A full path name that could not be told is empty.
static const char *writtenover(const char *locn, const char *archivefull, const char *programfull)
{
    char path[PATHSIZE];
    filepath(path, locn, spec.name);
    if (writesover(path, ARCHIVE, archivefull)) return "the file data itself";
    if (programfull[0] != '\0' && writesover(path, programfull, programfull)) return "the running setup";
    if (samepathname(spec.name, RECORDNAME)) return "the record of what setup installed";
    if (samepathname(spec.name, UNINSTALLERNAME)) return "the uninstaller";
    if (samepathname(spec.name, BASENAME)) return "setup's copy of the word file it installed";
    return nullptr;
}

// Refuses an archive that holds a file which, in the folder locn, would be
// written over the archive while it is read, over the running program, or
// over setup's own record or uninstaller.
static int guarding(const char *locn)
{
    char archivefull[FULLPATHSIZE] = "";
    char programfull[FULLPATHSIZE] = "";
    if (!fullpathname(ARCHIVE, archivefull, sizeof archivefull)) archivefull[0] = '\0';
    if (!programpathname(programfull, sizeof programfull)) programfull[0] = '\0';
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return INSTALLFAILED;
    bool sound = true;
    for (int32_t i = 0; sound && i < no; ++i) {
        sound = passentry(data);
        if (!sound) break;
        const char *over = writtenover(locn, archivefull, programfull);
        if (over != nullptr) {
            snprintf(installreason, sizeof installreason,
                     "The file data holds a file that would be written over %s: %s", over, spec.name);
            sound = false;
        }
    }
    if (!sfclose(data)) sound = false;
    return sound ? INSTALLDONE : INSTALLFAILED;
}

// What the extraction does with each file of the archive, decided for all of
// them before the first is written.
enum Action : unsigned char {
    PUTNEW,    // not in the folder: written
    LEAVE,     // already the archive's bytes: left alone
    REPLACE,   // still the bytes setup installed: replaced
    KEEP,      // changed by the user, or not setup's and different: kept, the archive's copy beside it
    MERGE      // the word file or the store, one of them the learner's: the release's words merged in
};

struct Plan {
    Action action;
    Action fallback;      // MERGE: what is done when the merge is refused
    char name[NAMESIZE];
    char copy[NAMESIZE];  // KEEP, and the word file's MERGE: the name the archive's copy goes to
    Fingerprint bytes;    // the archive's bytes
};

// The names of the archive's files, in the order of the file system's names.
struct ArchiveName {
    char name[NAMESIZE];
};
struct ArchiveNames {
    ArchiveName *names;
    int32_t count;
};

static bool inarchive(const ArchiveNames &archived, const char *name)
{
    const ArchiveName *end = archived.names + archived.count;
    const ArchiveName *at = std::lower_bound(static_cast<const ArchiveName *>(archived.names), end, name, [](const ArchiveName &a, const char *b) {
        return comparefilenames(a.name, b) < 0;
    });
    return at != end && comparefilenames(at->name, name) == 0;
}

char installkept[KEPTSIZE];
char installupgrade[UPGRADETEXTSIZE];
char installprogram[NAMESIZE];
long long installbytes;

enum Compared { DIFFERENT, SAME, ARCHIVEBROKEN, UNREADABLE };

// Reads the next count bytes of the archive into the fingerprint f.
static bool fingerprintbytes(SetupFile *data, long long count, Fingerprint *f)
{
    fingerprintstart(f);
    return eachpiece(data, count, fingerprintpiece, f);
}

// The archive's bytes against a file's, piece by piece.
struct Comparing {
    SetupFile *old;
    Fingerprint *f;
    Compared result;
};

static bool comparepiece(const unsigned char *piece, size_t size, void *context)
{
    Comparing *c = static_cast<Comparing *>(context);
    fingerprintadd(c->f, piece, size);
    unsigned char present[PIECESIZE];
    if (c->result == SAME && sfread(c->old, present, size) != size) c->result = UNREADABLE;
    if (c->result == SAME && memcmp(piece, present, size) != 0) c->result = DIFFERENT;
    return true;
}

// Whether the next count bytes of the archive are the bytes of the file at
// path; all of them are passed over either way and fingerprinted into f.
static Compared archivematches(SetupFile *data, const char *path, long long count, Fingerprint *f)
{
    fingerprintstart(f);
    SetupFile *old = sfopen(path, "rb");
    if (old == nullptr) return UNREADABLE;
    long long length = sflength(old);
    Comparing c = {old, f, length < 0 ? UNREADABLE : length == count ? SAME : DIFFERENT};
    if (!eachpiece(data, count, comparepiece, &c)) {
        sfclose(old);
        return ARCHIVEBROKEN;
    }
    if (!sfclose(old) && c.result == SAME) c.result = UNREADABLE;
    return c.result;
}

// Whether the file at path is one setup wrote: its bytes what the record
// says setup put there, or was putting there, as name of this kind.
static Compared setupsown(InstallRecord *record, const char *path, const char *name, char kind)
{
    Fingerprint present;
    if (!fingerprintfile(path, &present)) return UNREADABLE;
    return recordholds(record, name, kind, present) ? SAME : DIFFERENT;
}

static bool unreadable(const char *name)
{
    snprintf(installreason, sizeof installreason,
             "The file %s in the folder could not be read, so nothing was installed", name);
    return false;
}

// The name for the archive's copy of the kept file name: NAME.new, or where
// that is a file setup did not write or a name of the archive's own,
// NAME.new2 up to NAME.new99.
static bool copyname(InstallRecord *record, const ArchiveNames &archived, const char *locn, const char *name,
                     char *copy)
{
    for (int n = 1; n < 100; ++n) {
        char suffix[8];
        snprintf(suffix, sizeof suffix, n == 1 ? ".new" : ".new%d", n);
        copy[0] = '\0';
        if (!appendtext(copy, NAMESIZE, name) || !appendtext(copy, NAMESIZE, suffix) || !safename(copy)) break;
        if (inarchive(archived, copy)) continue;
        char path[PATHSIZE];
        filepath(path, locn, copy);
        if (!sfexists(path)) return true;
        Compared own = setupsown(record, path, copy, RECORDCOPY);
        if (own == UNREADABLE) return unreadable(copy);
        if (own == SAME) return true;
    }
    snprintf(installreason, sizeof installreason,
             "Your changed file %s is kept, but there is no free name beside it for the new copy, so "
             "nothing was installed",
             name);
    return false;
}

// Decides the action for the entry in spec, whose bytes are next in the
// archive and are passed over.  A file in the folder that cannot be read
// fails the install, since what it holds cannot be told.
static bool planentry(SetupFile *data, InstallRecord *record, const ArchiveNames &archived, const char *locn,
                      Plan *plan)
{
    char path[PATHSIZE];
    filepath(path, locn, spec.name);
    memset(plan, 0, sizeof *plan);
    memcpy(plan->name, spec.name, NAMESIZE);
    if (!sfexists(path)) {
        plan->action = PUTNEW;
        return fingerprintbytes(data, spec.size, &plan->bytes);
    }
    Compared same = archivematches(data, path, spec.size, &plan->bytes);
    if (same == ARCHIVEBROKEN) return false;
    if (same == UNREADABLE) return unreadable(spec.name);
    if (same == SAME) {
        plan->action = LEAVE;
        return true;
    }
    Compared own = setupsown(record, path, spec.name, RECORDINSTALLED);
    if (own == UNREADABLE) return unreadable(spec.name);
    plan->action = own == SAME ? REPLACE : KEEP;
    return own == SAME || copyname(record, archived, locn, spec.name, plan->copy);
}

// The names of the archive's files, sorted; false when it cannot be read.
static bool readnames(ArchiveNames *archived)
{
    archived->count = 0;
    archived->names = nullptr;
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return false;
    archived->names = static_cast<ArchiveName *>(newblock(no > 0 ? (size_t)no : 1, sizeof(ArchiveName)));
    bool sound = archived->names != nullptr;
    for (int32_t i = 0; sound && i < no; ++i) {
        sound = passentry(data);
        if (sound) memcpy(archived->names[archived->count++].name, spec.name, NAMESIZE);
    }
    if (!sfclose(data)) sound = false;
    std::sort(archived->names, archived->names + archived->count,
              [](const ArchiveName &a, const ArchiveName &b) { return comparefilenames(a.name, b.name) < 0; });
    return sound;
}

// The places of the word file and the store in the archive; false unless it holds both.
static bool dictionaryfiles(const Plan *plans, int32_t count, int32_t *word, int32_t *store)
{
    *word = *store = -1;
    for (int32_t i = 0; i < count; ++i) {
        if (samepathname(plans[i].name, SOURCEFILE)) *word = i;
        if (samepathname(plans[i].name, STOREFILE)) *store = i;
    }
    return *word >= 0 && *store >= 0;
}

// Where the archive holds the word file and the store, and the learner has
// made either of them their own, both are merged (inst/upgrade.h) instead of
// kept with the archive's copies beside them, which stays the fallback.
static bool planmerge(InstallRecord *record, const ArchiveNames &archived, const char *locn, Plan *plans,
                      int32_t count)
{
    int32_t word, store;
    if (!dictionaryfiles(plans, count, &word, &store) || (plans[word].action != KEEP && plans[store].action != KEEP))
        return true;
    for (int32_t i : {word, store}) {
        plans[i].fallback = plans[i].action;
        plans[i].action = MERGE;
    }
    return plans[word].copy[0] != '\0' || copyname(record, archived, locn, SOURCEFILE, plans[word].copy);
}

static Plan *planning(InstallRecord *record, const char *locn, int32_t *count)
{
    ArchiveNames archived;
    bool sound = readnames(&archived);
    int32_t no = 0;
    SetupFile *data = sound ? openarchive(&no) : nullptr;
    Plan *plans = data != nullptr ? new (std::nothrow) Plan[no > 0 ? no : 1] : nullptr;
    sound = plans != nullptr;
    for (int32_t i = 0; sound && i < no; ++i)
        sound = readentry(data) && planentry(data, record, archived, locn, &plans[i]);
    if (data != nullptr && !sfclose(data)) sound = false;
    sound = sound && planmerge(record, archived, locn, plans, no);
    freeblock(archived.names);
    if (sound) {
        *count = no;
        return plans;
    }
    delete[] plans;
    return nullptr;
}

// The archive's bytes into a new file, piece by piece.
struct Placing {
    SetupFile *file;
    Fingerprint *f;
};

static bool placepiece(const unsigned char *piece, size_t size, void *context)
{
    Placing *p = static_cast<Placing *>(context);
    fingerprintadd(p->f, piece, size);
    return sfwrite(p->file, piece, size) == size;
}

// Writes the next spec.size bytes of the archive whole to target through a
// temporary file in locn, fingerprinted into f.
static bool placefile(SetupFile *data, const char *locn, const char *target, Fingerprint *f)
{
    char temp[PATHSIZE];
    SetupFile *file = placebegin(locn, temp, sizeof temp);
    if (file == nullptr) return false;
    fingerprintstart(f);
    Placing p = {file, f};
    if (!eachpiece(data, spec.size, placepiece, &p)) {
        placeabandon(file, temp);
        return false;
    }
    return placefinish(file, temp, target);
}

// Writes the next spec.size bytes of the archive, the release's word file,
// whole to a temporary file in locn, on the disk, whose name goes to temp.
static bool writerelease(SetupFile *data, const char *locn, char *temp, size_t size)
{
    SetupFile *file = placebegin(locn, temp, size);
    if (file == nullptr) return false;
    Fingerprint f;
    fingerprintstart(&f);
    Placing p = {file, &f};
    bool written = eachpiece(data, spec.size, placepiece, &p) && sfsync(file);
    if (sfclose(file) && written) return true;
    sfremove(temp);
    temp[0] = '\0';
    return false;
}

// Writes the archive's entry number index whole to target through a
// temporary file in locn, fingerprinted into f.
static bool placeentry(const char *locn, int32_t index, const char *target, Fingerprint *f)
{
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return false;
    bool sound = index < no;
    for (int32_t i = 0; sound && i < index; ++i) sound = passentry(data);
    sound = sound && readentry(data) && placefile(data, locn, target, f);
    return sfclose(data) && sound;
}

// Names a kept file and its copy in installkept.
static void tellkept(const char *name, const char *copy)
{
    char line[2 * NAMESIZE + 8];
    snprintf(line, sizeof line, "\n%s: %s", name, copy);
    if (strlen(installkept) + strlen(line) + 4 < sizeof installkept)
        appendtext(installkept, sizeof installkept, line);
    else if (strstr(installkept, "\n...") == nullptr)
        appendtext(installkept, sizeof installkept, "\n...");
}

// Writes the record with the bytes each file is about to be given, beside
// what it holds now, before the first file is put in place.
static bool announcing(InstallRecord *record, const char *locn, const Plan *plans, int32_t count)
{
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return false;
    bool sound = no == count;
    bool any = false;
    for (int32_t i = 0; sound && i < no; ++i) {
        sound = passentry(data);
        const Plan &plan = plans[i];
        // a merge may end in the fallback, and the word file's in its copy
        Action action = plan.action == MERGE ? plan.fallback : plan.action;
        if (sound && plan.action == MERGE && plan.copy[0] != '\0')
            sound = recordput(record, plan.copy, RECORDCOPYING, plan.bytes);
        if (!sound || action == LEAVE) continue;
        bool copy = action == KEEP;
        sound = recordput(record, copy ? plan.copy : spec.name, copy ? RECORDCOPYING : RECORDINSTALLING, plan.bytes);
        any = true;
    }
    if (!sfclose(data)) sound = false;
    copytext(record->product, sizeof record->product, def.name);
    return sound && (!any || recordsave(record, locn));
}

// Today's rule for a file of a merge that was refused: placed is the
// archive's bytes of it, whole on the disk under a temporary name, or null
// for none yet.
static bool fallingback(InstallRecord *record, const char *locn, const Plan &plan, int32_t index, const char *placed)
{
    char target[PATHSIZE];
    filepath(target, locn, plan.fallback == KEEP ? plan.copy : plan.name);
    Fingerprint f = plan.bytes;
    bool sound = true;
    if (plan.fallback == LEAVE)
        sound = placed == nullptr || sfremove(placed);
    else if (placed != nullptr)
        sound = sfreplace(placed, target);
    else
        sound = placeentry(locn, index, target, &f);
    if (!sound) return false;
    if (plan.fallback != KEEP) return recordput(record, plan.name, RECORDINSTALLED, f);
    tellkept(plan.name, plan.copy);
    return recordput(record, plan.copy, RECORDCOPY, f);
}

// The learner's word file and store upgraded by the release's word file,
// whole on the disk at release (inst/upgrade.h); the base then becomes the
// release's word file.  A refused merge falls back to today's rule; a
// failed one leaves the learner's files as they were and fails the install,
// so that a second try completes it.
static bool merging(InstallRecord *record, const char *locn, const Plan *plans, int32_t word, int32_t store,
                    const char *release)
{
    char base[PATHSIZE];
    BaseState based = findbase(record, locn, base);
    UpgradeReport report;
    memset(&report, 0, sizeof report);
    Upgraded done = based == BASEUNREADABLE
                        ? UPGRADEFAILED
                        : upgradewords(locn, based == BASESOUND ? base : nullptr, release, &report);
    // a file that could not be read is no reason to refuse the merge: a second try makes it
    if (done == UPGRADEREFUSED && !report.unfit && report.refusal == WORDFILEUNREADABLE) done = UPGRADEFAILED;
    const Plan &words = plans[word];
    if (done == UPGRADEREFUSED) {
        tellrefused(report, installupgrade, sizeof installupgrade);
        return fallingback(record, locn, words, word, release) && fallingback(record, locn, plans[store], store, nullptr);
    }
    bool sound = done != UPGRADEFAILED;
    if (done == UPGRADED) {
        const char *copy = report.merge.writenew ? words.copy : nullptr;
        char copypath[PATHSIZE];
        filepath(copypath, locn, words.copy);
        filepath(base, locn, BASENAME);
        sound = copy != nullptr ? placecopy(release, locn, base) && sfreplace(release, copypath)
                                : sfreplace(release, base);
        sound = sound && recordput(record, SOURCEFILE, RECORDBASE, words.bytes) &&
                (copy == nullptr || recordput(record, copy, RECORDCOPY, words.bytes));
        if (sound) tellupgrade(report, copy, installupgrade, sizeof installupgrade);
    } else if (done == UPGRADEUNCHANGED) {
        tellupgrade(report, nullptr, installupgrade, sizeof installupgrade);
    }
    sfremove(release);
    if (!sound)
        snprintf(installreason, sizeof installreason,
                 "The new release's words could not be merged into %s (is the dictionary running?); your word "
                 "file and dictionary are as they were: close the dictionary and install again", SOURCEFILE);
    return sound;
}

// Carries out the plans in archive order; the record follows each file put
// in place and is written at the end, or when a file fails, as far as it
// got: in either case without the bytes announced, since every file is then
// the bytes it is recorded with.
static bool carrying(SetupDialog hdlg, InstallRecord *record, const char *locn, const Plan *plans, int32_t count)
{
    if (!announcing(record, locn, plans, count)) return false;
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return false;
    bool sound = no == count;
    int32_t word, store;
    bool words = dictionaryfiles(plans, count, &word, &store);
    char release[PATHSIZE] = "";  // the release's word file of a merge, whole on the disk
    for (int32_t i = 0; sound && i < no; ++i) {
        sound = readentry(data);
        if (!sound) break;
        listselect(hdlg, i);
        installbytes += spec.size;
        if (def.exe[0] != '\0' && samepathname(def.exe, spec.name)) copytext(installprogram, NAMESIZE, spec.name);
        const Plan &plan = plans[i];
        Fingerprint f = plan.bytes;
        char path[PATHSIZE];
        filepath(path, locn, plan.action == KEEP ? plan.copy : spec.name);
        if (plan.action == MERGE) {
            sound = i == store ? sfskip(data, spec.size) : writerelease(data, locn, release, sizeof release);
            continue;
        }
        if (plan.action == LEAVE) {
            sound = sfskip(data, spec.size);
        } else if (!placefile(data, locn, path, &f)) {
            snprintf(installreason, sizeof installreason,
                     "%s could not be put in place (is the dictionary running?) and is as it was: close the "
                     "dictionary and install again",
                     plan.action == KEEP ? plan.copy : spec.name);
            sound = false;
        }
        if (!sound) break;
        if (plan.action == KEEP) {
            sound = recordput(record, plan.copy, RECORDCOPY, f);
            tellkept(spec.name, plan.copy);
        } else {
            sound = recordput(record, spec.name, RECORDINSTALLED, f);
        }
        // the word file as setup put it there is the base of the next upgrade
        if (sound && words && i == word) {
            char base[PATHSIZE];
            filepath(base, locn, BASENAME);
            sound = placecopy(path, locn, base) && recordput(record, SOURCEFILE, RECORDBASE, f);
        }
    }
    if (!sfclose(data)) sound = false;
    if (sound && release[0] != '\0') sound = merging(record, locn, plans, word, store, release);
    else if (release[0] != '\0') sfremove(release);
    recordsettle(record);
    return recordsave(record, locn) && sound;
}

// Every file of the archive into the folder locn, which exists and takes new
// files.  A file already there is replaced only when its bytes are what setup
// recorded installing; one the user changed, or one setup has no record of
// that differs, stays in use and the archive's copy goes beside it.  Each
// file is put in place whole: written to a temporary name, handed to the
// disk, and only then moved to its name.
static int extraction(SetupDialog hdlg, const char *locn)
{
    installkept[0] = '\0';
    installupgrade[0] = '\0';
    installprogram[0] = '\0';
    installbytes = 0;
    InstallRecord record;
    recordstart(&record);
    // a damaged record counts as none: nothing is then replaced unasked
    if (recordload(&record, locn) < 0) {
        unreadable(RECORDNAME);
        return INSTALLFAILED;
    }
    int32_t count = 0;
    Plan *plans = planning(&record, locn, &count);
    bool done = plans != nullptr && carrying(hdlg, &record, locn, plans, count);
    delete[] plans;
    if (!done) {
        recordfree(&record);
        installkept[0] = '\0';
        installupgrade[0] = '\0';
        return INSTALLFAILED;
    }
    // the shortcut is kept in the record as the finishing step makes it
    installreg(def.name, locn);
    recordfree(&record);
    return INSTALLDONE;
}

int install(SetupDialog hdlg, char *locn, int flag)
{
    installreason[0] = '\0';
    PayloadCheck check;
    if (flag == 0) {
        if (!checkpayload(ARCHIVE, &check)) return INSTALLFAILED;
        return listing(hdlg);
    }
    char folder[LOCNSIZE];
    memcpy(folder, locn, LOCNSIZE);
    if (!acceptfolder(folder)) return INSTALLBADFOLDER;
    if (!checkpayload(ARCHIVE, &check)) return INSTALLFAILED;
    if (guarding(folder) != INSTALLDONE) return INSTALLFAILED;
    if (!makefolder(folder) || !folderwritable(folder)) return INSTALLBADFOLDER;
    memcpy(locn, folder, LOCNSIZE);
    return extraction(hdlg, locn);
}
