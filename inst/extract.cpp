#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "common/text.h"
#include "common/y.h"
#include "inst/files.h"
#include "inst/install.h"
#include "inst/paths.h"
#include "inst/payload.h"

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

// The file name in the folder locn, which ends in its backslash.
static void filepath(char *path, const char *locn, const char *name)
{
    static_assert(LOCNSIZE - 1 + NAMESIZE - 1 < PATHSIZE, "a folder and a name always fit");
    path[0] = '\0';
    appendpart(path, PATHSIZE, locn, LOCNSIZE - 1);
    appendpart(path, PATHSIZE, name, NAMESIZE - 1);
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

static int comparekeys(const void *a, const void *b)
{
    return strcmp(static_cast<const char *>(a), static_cast<const char *>(b));
}

// Walks the archive for the first file NAME whose NAME.bak, lower-cased, is
// among the count sorted keys, and names it in installreason.
static int findcopyclash(const char (*keys)[NAMESIZE], int32_t count)
{
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return INSTALLFAILED;
    bool sound = true;
    for (int32_t i = 0; sound && i < no; ++i) {
        sound = passentry(data);
        char bak[NAMESIZE];
        if (!sound || !backupname(spec.name, bak)) continue;
        lowercase(bak);
        if (bsearch(bak, keys, (size_t)count, NAMESIZE, comparekeys) == nullptr) continue;
        snprintf(installreason, sizeof installreason,
                 "The file data holds a file that would be written over the earlier copy of %s: %s.bak", spec.name,
                 spec.name);
        sound = false;
    }
    if (!sfclose(data)) sound = false;
    return sound ? INSTALLDONE : INSTALLFAILED;
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
    return nullptr;
}

// Refuses an archive that holds a file which, in the folder locn, would be
// written over the archive while it is read or over the running program, and
// one that holds, besides some file NAME, a file NAME.bak (in any case): the
// earlier copy of NAME kept as NAME.bak would be written over by the
// archive's own.  For that the names are held lower-cased and sorted,
// NAMESIZE bytes each, which is never more than the archive's own length.
static int guarding(const char *locn)
{
    char archivefull[FULLPATHSIZE] = "";
    char programfull[FULLPATHSIZE] = "";
    if (!fullpathname(ARCHIVE, archivefull, sizeof archivefull)) archivefull[0] = '\0';
    if (!programpathname(programfull, sizeof programfull)) programfull[0] = '\0';
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return INSTALLFAILED;
    char (*keys)[NAMESIZE] = no > 0 ? new (std::nothrow) char[no][NAMESIZE] : nullptr;
    bool sound = true;
    for (int32_t i = 0; sound && i < no; ++i) {
        sound = passentry(data);
        if (!sound) break;
        const char *over = writtenover(locn, archivefull, programfull);
        if (over != nullptr) {
            snprintf(installreason, sizeof installreason,
                     "The file data holds a file that would be written over %s: %s", over, spec.name);
            sound = false;
        } else if (keys != nullptr) {
            copytext(keys[i], NAMESIZE, spec.name);
            lowercase(keys[i]);
        }
    }
    if (!sfclose(data) || (no > 0 && keys == nullptr)) sound = false;
    if (sound && no > 0) {
        qsort(keys, (size_t)no, NAMESIZE, comparekeys);
        sound = findcopyclash(keys, no) == INSTALLDONE;
    }
    delete[] keys;
    return sound ? INSTALLDONE : INSTALLFAILED;
}

enum Keeping { KEPT, ARCHIVEBROKEN, NOTKEPT };

// Compares the next count bytes of the archive with the file old, and passes
// over all of them.
static Keeping samebytes(SetupFile *data, SetupFile *old, long long count, bool *same)
{
    unsigned char archived[8192];
    unsigned char present[8192];
    *same = true;
    while (count > 0) {
        size_t want = count < (long long)sizeof archived ? (size_t)count : sizeof archived;
        if (sfread(data, archived, want) != want) return ARCHIVEBROKEN;
        if (sfread(old, present, want) != want) return NOTKEPT;
        count -= (long long)want;
        if (memcmp(archived, present, want) != 0) {
            *same = false;
            return sfskip(data, count) ? KEPT : ARCHIVEBROKEN;
        }
    }
    return KEPT;
}

// Copies the file path whole to bak; false, with no bak left, when any part fails.
static bool copyfile(const char *path, const char *bak)
{
    SetupFile *from = sfopen(path, "rb");
    if (from == nullptr) return false;
    long long length = sflength(from);
    SetupFile *to = length < 0 ? nullptr : sfopen(bak, "wb");
    if (to == nullptr) {
        sfclose(from);
        return false;
    }
    bool copied = copybytes(from, to, length);
    bool readwhole = sfclose(from);
    bool written = sfclose(to);
    if (copied && readwhole && written) return true;
    sfremove(bak);
    return false;
}

// The file of the entry in spec, when it is in the folder already and its
// bytes differ from the entry's, is copied to its NAME.bak.  The entry's bytes
// in the archive are passed over either way.
static Keeping keepearlier(SetupFile *data, const char *locn)
{
    char path[PATHSIZE];
    filepath(path, locn, spec.name);
    if (!sfexists(path)) return sfskip(data, spec.size) ? KEPT : ARCHIVEBROKEN;
    SetupFile *old = sfopen(path, "rb");
    if (old == nullptr) return NOTKEPT;
    long long length = sflength(old);
    bool same = length == spec.size;
    Keeping compared = KEPT;
    if (length < 0)
        compared = NOTKEPT;
    else if (same)
        compared = samebytes(data, old, spec.size, &same);
    else if (!sfskip(data, spec.size))
        compared = ARCHIVEBROKEN;
    if (!sfclose(old) && compared == KEPT) compared = NOTKEPT;
    if (compared != KEPT || same) return compared;
    char bakname[NAMESIZE];
    char bak[PATHSIZE];
    if (!backupname(spec.name, bakname)) return NOTKEPT;
    filepath(bak, locn, bakname);
    return copyfile(path, bak) ? KEPT : NOTKEPT;
}

// Keeps the earlier copy of every file that the extraction will change.  It
// writes nothing but NAME.bak files, so when one cannot be made, no file of
// the archive has been written yet.
static int keeping(const char *locn)
{
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return INSTALLFAILED;
    for (int32_t i = 0; i < no; ++i) {
        Keeping kept = readentry(data) ? keepearlier(data, locn) : ARCHIVEBROKEN;
        if (kept == KEPT) continue;
        if (kept == NOTKEPT)
            snprintf(installreason, sizeof installreason,
                     "The earlier copy of %s could not be kept as %s.bak, so nothing was installed",
                     spec.name, spec.name);
        sfclose(data);
        return INSTALLFAILED;
    }
    return sfclose(data) ? INSTALLDONE : INSTALLFAILED;
}

static int extraction(SetupDialog hdlg, const char *locn)
{
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return INSTALLFAILED;
    for (int32_t i = 0; i < no; ++i) {
        char path[PATHSIZE];
        if (!readentry(data)) {
            sfclose(data);
            return INSTALLFAILED;
        }
        filepath(path, locn, spec.name);
        listselect(hdlg, i);
        SetupFile *file = sfopen(path, "wb");
        if (file == nullptr) {
            sfclose(data);
            return INSTALLFAILED;
        }
        bool copied = copybytes(data, file, spec.size);
        bool closed = sfclose(file);
        if (!copied || !closed) {
            sfclose(data);
            return INSTALLFAILED;
        }
    }
    if (!sfclose(data)) return INSTALLFAILED;
    installreg(def.name, locn);
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
    if (keeping(locn) != INSTALLDONE) return INSTALLFAILED;
    return extraction(hdlg, locn);
}
