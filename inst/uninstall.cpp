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

static void joinpath(char *path, const char *folder, const char *name)
{
    copytext(path, FOLDERPATHSIZE, folder);
    appendtext(path, FOLDERPATHSIZE, name);
}

// Whether the file name in the folder is one setup installed and still as it
// put it there.
static bool asinstalled(Sorting *s, const char *name)
{
    if (samepathname(name, RECORDNAME) || samepathname(name, UNINSTALLERNAME)) return true;
    RecordedFile *recorded = recordfind(s->record, name, RECORDINSTALLED);
    char path[FOLDERPATHSIZE];
    joinpath(path, s->folder, name);
    Fingerprint present;
    return recorded != nullptr && fingerprintfile(path, &present) &&
           samefingerprint(present, recorded->size, recorded->sum);
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
        joinpath(path, s->folder, s->remove[i]);
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
    char text[LISTTEXTSIZE + FOLDERPATHSIZE];
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
    if (!quiet && s->keepcount > 0) {
        snprintf(text, sizeof text,
                 "These files in %s were changed or made by you, or are new copies kept beside them:%s\n\n"
                 "Remove them too?",
                 s->folder, kept);
        if (askyesno(text, true)) {
            for (int i = 0; i < s->keepcount; ++i) copytext(s->remove[s->removecount++], FILENAMESIZE, s->keep[i]);
            s->keepcount = 0;
            kept[0] = '\0';
        }
    }
    RemovalClaim **claims = new (std::nothrow) RemovalClaim *[s->removecount > 0 ? s->removecount : 1];
    if (claims == nullptr || !claimall(s, claims, quiet)) {
        delete[] claims;
        return UNINSTALLFAILED;
    }
    char failed[LISTTEXTSIZE] = "";
    for (int i = 0; i < s->removecount; ++i)
        if (!endclaim(claims[i], true) && strlen(failed) + strlen(s->remove[i]) + 2 < sizeof failed) {
            appendtext(failed, sizeof failed, "\n");
            appendtext(failed, sizeof failed, s->remove[i]);
        }
    delete[] claims;
    // only the shortcut setup makes: a record that names another file is no
    // reason to remove it
    char link[LINKPATHSIZE];
    if (s->record->shortcut[0] != '\0' && shortcutpath(link, sizeof link) && sameword(link, s->record->shortcut))
        sfremove(link);
    removeappentry(s->record->product);
    uninstallreg(s->record->product);
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
