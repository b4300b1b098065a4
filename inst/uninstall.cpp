#include "inst/uninstall.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "common/text.h"
#include "common/version.h"
#include "common/y.h"
#include "inst/appentry.h"
#include "inst/files.h"
#include "inst/paths.h"
#include "inst/record.h"
#include "inst/shell.h"
#include "dictionary/storerebuild.h"
#include "dictionary/wordupgrade.h"

enum { FILENAMESIZE = 260, FOLDERPATHSIZE = LOCNSIZE + FILENAMESIZE, LISTTEXTSIZE = 1200 };

// The files of the folder in two lists: what will be removed, what is kept.
struct Sorting {
    InstallRecord *record;
    const char *folder;
    char (*remove)[FILENAMESIZE];
    char (*keep)[FILENAMESIZE];
    int removecount;
    int keepcount;
    int room;
    bool full;
};

// Whether the file name is setup's by its name alone: its record, its
// uninstaller, the base of the word file, a file it or an upgrade was
// writing under a temporary name (a crash may leave one).
static bool setupsbyname(const char *name)
{
    static const char *const own[] = {RECORDNAME, UNINSTALLERNAME, BASENAME, MERGEDFILE, BACKUPTEMPFILE, NEWSTOREFILE};
    for (const char *ownname : own)
        if (samepathname(name, ownname)) return true;
    return setuptempname(name);
}

// Whether the file name in the folder is one setup installed and still as it
// put it there.
static bool asinstalled(Sorting *s, const char *name)
{
    if (setupsbyname(name)) return true;
    char path[FOLDERPATHSIZE];
    joinpath(path, sizeof path, s->folder, name);
    Fingerprint present;
    return fingerprintfile(path, &present) && recordholds(s->record, name, RECORDINSTALLED, present);
}

// The same of a file held for removal, judged again by the bytes it holds now.
static bool stillasinstalled(Sorting *s, const char *name, RemovalClaim *claim)
{
    if (setupsbyname(name)) return true;
    Fingerprint present;
    fingerprintstart(&present);
    unsigned char buffer[8192];
    for (size_t got = sizeof buffer; got == sizeof buffer;) {
        got = claimread(claim, buffer, sizeof buffer);
        fingerprintadd(&present, buffer, got);
    }
    return recordholds(s->record, name, RECORDINSTALLED, present);
}

static void sortfile(const char *name, void *context)
{
    Sorting *s = static_cast<Sorting *>(context);
    if (s->removecount + s->keepcount >= s->room || strlen(name) >= FILENAMESIZE) {
        s->full = true;
        return;
    }
    if (asinstalled(s, name))
        copytext(s->remove[s->removecount++], FILENAMESIZE, name);
    else
        copytext(s->keep[s->keepcount++], FILENAMESIZE, name);
}

static int comparenames(const void *a, const void *b)
{
    return strcmp(static_cast<const char *>(a), static_cast<const char *>(b));
}

// The names as lines under a heading, as many as fit.
static void listnames(char *text, const char *heading, char (*names)[FILENAMESIZE], int count)
{
    copytext(text, LISTTEXTSIZE, heading);
    for (int i = 0; i < count; ++i) {
        if (strlen(text) + strlen(names[i]) + 8 >= LISTTEXTSIZE) {
            appendtext(text, LISTTEXTSIZE, "\n...");
            return;
        }
        appendtext(text, LISTTEXTSIZE, "\n");
        appendtext(text, LISTTEXTSIZE, names[i]);
    }
}

// Holds every file to be removed; when one cannot be, says so and lets all go.
static bool claimall(Sorting *s, RemovalClaim **claims, bool quiet)
{
    for (int i = 0; i < s->removecount; ++i) {
        char path[FOLDERPATHSIZE];
        joinpath(path, sizeof path, s->folder, s->remove[i]);
        claims[i] = claimremoval(path);
        if (claims[i] != nullptr) continue;
        for (int j = 0; j < i; ++j) endclaim(claims[j], false);
        char text[FOLDERPATHSIZE + 200];
        snprintf(text, sizeof text,
                 "%s cannot be removed now: it is in use, perhaps by the dictionary still open. Close it and "
                 "try again. Nothing was removed.",
                 path);
        if (!quiet) tell(text);
        return false;
    }
    return true;
}

static int uninstalling(Sorting *s, bool quiet)
{
    char text[3 * LISTTEXTSIZE + FOLDERPATHSIZE];
    if (!quiet) {
        snprintf(text, sizeof text, "Remove %s from %s?", VERSION_PRODUCT, s->folder);
        if (!askyesno(text, false)) return UNINSTALLDECLINED;
    }
    if (!listfolder(s->folder, sortfile, s) || s->full) {
        if (!quiet) tell("The install folder cannot be read. Nothing was removed.");
        return UNINSTALLFAILED;
    }
    qsort(s->keep, (size_t)s->keepcount, FILENAMESIZE, comparenames);
    char kept[LISTTEXTSIZE];
    listnames(kept, "", s->keep, s->keepcount);
    // the files judged setup's; those after them the user chose to remove too
    int judged = s->removecount;
    if (!quiet && s->keepcount > 0) {
        snprintf(text, sizeof text,
                 "These files in %s were changed or made by you, or are new copies kept beside them:%s\n\n"
                 "Remove them too?",
                 s->folder, kept);
        if (askyesno(text, true)) {
            for (int i = 0; i < s->keepcount; ++i) copytext(s->remove[s->removecount++], FILENAMESIZE, s->keep[i]);
            s->keepcount = 0;
        }
    }
    RemovalClaim **claims = new (std::nothrow) RemovalClaim *[s->removecount > 0 ? s->removecount : 1];
    if (claims == nullptr || !claimall(s, claims, quiet)) {
        delete[] claims;
        return UNINSTALLFAILED;
    }
    // a file judged setup's may have been changed since (the dictionary
    // still open, a mark set while the question was asked): held now, so
    // that no one can change it any more, it is judged again by its bytes
    char failed[LISTTEXTSIZE] = "";
    for (int i = 0; i < s->removecount; ++i) {
        if (i < judged && !stillasinstalled(s, s->remove[i], claims[i])) {
            endclaim(claims[i], false);
            copytext(s->keep[s->keepcount++], FILENAMESIZE, s->remove[i]);
            continue;
        }
        if (!endclaim(claims[i], true) && strlen(failed) + strlen(s->remove[i]) + 2 < sizeof failed) {
            appendtext(failed, sizeof failed, "\n");
            appendtext(failed, sizeof failed, s->remove[i]);
        }
    }
    delete[] claims;
    qsort(s->keep, (size_t)s->keepcount, FILENAMESIZE, comparenames);
    listnames(kept, "", s->keep, s->keepcount);
    // only the shortcut setup makes: a record that names another file is no
    // reason to remove it
    char link[LINKPATHSIZE];
    if (s->record->shortcut[0] != '\0' && shortcutpath(link, sizeof link) && samepathname(link, s->record->shortcut))
        sfremove(link);
    // only the entry and the install record of this install: a record whose
    // product names another program is no reason to remove that one's
    char left[LISTTEXTSIZE] = "";
    if (!removeappentry(s->record->product, s->folder)) {
        snprintf(left, sizeof left, "\n\nThe entry \"%s\" among the installed programs was left as it is: it is "
                 "not the entry of %s.", s->record->product, s->folder);
    }
    char recorded[LOCNSIZE];
    if (!installedfolder(s->record->product, recorded) || samepathname(recorded, s->folder)) {
        uninstallreg(s->record->product);
    } else {
        char line[LISTTEXTSIZE];
        snprintf(line, sizeof line, "\n\nThe install record of \"%s\" was left as it is: it names another "
                 "folder, %s.", s->record->product, recorded);
        appendtext(left, sizeof left, line);
    }
    removefolder(s->folder);
    if (quiet) return UNINSTALLDONE;
    snprintf(text, sizeof text, "%s was removed.", VERSION_PRODUCT);
    if (kept[0] != '\0') {
        appendtext(text, sizeof text, "\n\nThese files of yours were kept in ");
        appendtext(text, sizeof text, s->folder);
        appendtext(text, sizeof text, ":");
        appendtext(text, sizeof text, kept);
    }
    if (failed[0] != '\0') {
        appendtext(text, sizeof text, "\n\nThese files could not be removed:");
        appendtext(text, sizeof text, failed);
    }
    appendtext(text, sizeof text, left);
    tell(text);
    return UNINSTALLDONE;
}

int uninstall(const char *folder, bool quiet)
{
    InstallRecord record;
    recordstart(&record);
    int found = recordload(&record, folder);
    if (found != 1) {
        char text[FOLDERPATHSIZE + 100];
        snprintf(text, sizeof text, "%s holds no readable record of an installation. Nothing was removed.", folder);
        if (!quiet) tell(text);
        return UNINSTALLFAILED;
    }
    const int room = 4096;
    Sorting s = {&record, folder, new (std::nothrow) char[room][FILENAMESIZE],
                 new (std::nothrow) char[room][FILENAMESIZE], 0, 0, room, false};
    int result = UNINSTALLFAILED;
    if (s.remove != nullptr && s.keep != nullptr) result = uninstalling(&s, quiet);
    delete[] s.remove;
    delete[] s.keep;
    recordfree(&record);
    return result;
}
