#include "inst/appentry.h"

#include <cstdio>
#include <cstring>

#include "common/littleendian.h"
#include "common/registry.h"
#include "common/text.h"
#include "common/version.h"
#include "inst/files.h"
#include "inst/install.h"
#include "inst/paths.h"
#include "inst/record.h"
#include "inst/shell.h"

void appentrykey(const char *product, char *key)
{
    copytext(key, ENTRYKEYSIZE, UNINSTALLPARENT);
    size_t start = strlen(key);
    appendpart(key, ENTRYKEYSIZE, product[0] != '\0' ? product : VERSION_PRODUCT, NAMESIZE - 1);
    for (char *c = key + start; *c != '\0'; ++c)
        if (*c == '\\') *c = '_';
}

static void settext(RegHandle key, const char *name, const char *text)
{
    regsetvalue(key, name, REGTYPESZ, reinterpret_cast<const unsigned char *>(text),
                (unsigned long)strlen(text) + 1);
}

static void setnumber(RegHandle key, const char *name, unsigned long value)
{
    unsigned char data[4];
    encodele32((uint32_t)value, data);
    regsetvalue(key, name, REGTYPEDWORD, data, sizeof data);
}

enum { COMMANDSIZE = PATHSIZE + 40 };

// The command that starts the uninstaller in locn, quiet or not.
static void uninstallcommand(char *command, const char *locn, bool quiet)
{
    char uninstaller[PATHSIZE];
    filepath(uninstaller, locn, UNINSTALLERNAME);
    snprintf(command, COMMANDSIZE, quiet ? "\"%s\" %s " QUIETSWITCH : "\"%s\" %s", uninstaller, UNINSTALLSWITCH);
}

void writeappentry(const char *product, const char *locn, const char *program, long long bytes)
{
    char path[ENTRYKEYSIZE];
    appentrykey(product, path);
    char icon[PATHSIZE];
    filepath(icon, locn, program[0] != '\0' ? program : UNINSTALLERNAME);
    char command[COMMANDSIZE];
    uninstallcommand(command, locn, false);
    char quiet[COMMANDSIZE];
    uninstallcommand(quiet, locn, true);
    int y = 0, m = 0, d = 0;
    utcdate(&y, &m, &d);
    char date[16];
    snprintf(date, sizeof date, "%04d%02d%02d", y % 10000, m % 100, d % 100);
    unsigned long kilobytes = (unsigned long)((bytes + 1023) / 1024);

    unsigned long disposition = 0;
    RegHandle key = regcreatekey(path, &disposition);
    settext(key, "DisplayName", VERSION_PRODUCT);
    settext(key, "DisplayVersion", VERSION_TEXT);
    settext(key, "Publisher", VERSION_COMPANY);
    settext(key, "DisplayIcon", icon);
    settext(key, "InstallLocation", locn);
    settext(key, "InstallDate", date);
    setnumber(key, "EstimatedSize", kilobytes);
    setnumber(key, "NoModify", 1);
    setnumber(key, "NoRepair", 1);
    settext(key, "UninstallString", command);
    settext(key, "QuietUninstallString", quiet);
    regclosekey(key);
}

// Whether the text value name of key is text, as one path names one place.
static bool textis(RegHandle key, const char *name, const char *text)
{
    char value[COMMANDSIZE];
    unsigned long type = 0, size = sizeof value - 1;
    if (!regqueryvalue(key, name, &type, reinterpret_cast<unsigned char *>(value), &size) || type != REGTYPESZ)
        return false;
    value[size] = '\0';
    return samepathname(value, text);
}

bool removeappentry(const char *product, const char *locn)
{
    char path[ENTRYKEYSIZE];
    appentrykey(product, path);
    RegHandle key = regopenkey(path);
    if (key == nullptr) return true;
    char command[COMMANDSIZE];
    uninstallcommand(command, locn, false);
    bool ours = textis(key, "InstallLocation", locn) && textis(key, "UninstallString", command);
    regclosekey(key);
    if (ours) regdeletekey(path);
    return ours;
}

bool shortcutpath(char *link, size_t size)
{
    return startmenufolder(link, size) && appendtext(link, size, VERSION_PRODUCT ".lnk");
}

// The shortcut to the program in locn, kept in the record.
static bool addshortcut(const char *locn)
{
    char link[LINKPATHSIZE];
    char program[PATHSIZE];
    if (!shortcutpath(link, sizeof link)) return false;
    filepath(program, locn, installprogram);
    if (!makeshortcut(link, program, locn)) return false;
    InstallRecord record;
    recordstart(&record);
    bool kept = recordload(&record, locn) == 1;
    if (kept) {
        copytext(record.shortcut, sizeof record.shortcut, link);
        kept = recordsave(&record, locn);
    }
    recordfree(&record);
    return kept;
}

int finishinstall(const char *locn)
{
    char uninstaller[PATHSIZE];
    filepath(uninstaller, locn, UNINSTALLERNAME);
    if (!copyprogram(uninstaller)) return 0;
    SetupFile *f = sfopen(uninstaller, "rb");
    long long size = f != nullptr ? sflength(f) : 0;
    if (f != nullptr) sfclose(f);
    writeappentry(def.name, locn, installprogram, installbytes + (size > 0 ? size : 0));
    if (installprogram[0] == '\0') return 1;
    return addshortcut(locn) ? 1 : 0;
}
