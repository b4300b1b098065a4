#include "common/y.h"

#include <cstring>

#include "common/littleendian.h"
#include "common/text.h"

char parentname[KEYPATHSIZE] = "Software\\Marvoc";
char fullname[KEYPATHSIZE];

// The specific key: the parent's path, a backslash, the first 50 characters of name.
static void buildnames(const char *name)
{
    copytext(fullname, sizeof fullname, parentname);
    appendtext(fullname, sizeof fullname, "\\");
    appendpart(fullname, sizeof fullname, name, KEYNAMEMOST);
}

static void setdword(RegHandle key, const char *name, unsigned long value)
{
    unsigned char data[4];
    encodele32((uint32_t)value, data);
    regsetvalue(key, name, REGTYPEDWORD, data, sizeof data);
}

// True when name holds a REG_DWORD of exactly four bytes; anything else
// (absent, another type, a longer or shorter value) counts as absent.
static bool readdword(RegHandle key, const char *name, unsigned long *value)
{
    unsigned char use[4];
    unsigned long size = sizeof use;
    unsigned long type = 0;
    if (!regqueryvalue(key, name, &type, use, &size)) return false;
    if (type != REGTYPEDWORD || size != sizeof use) return false;
    *value = decodele32(use);
    return true;
}

int establish(RegHandle parentkey, const char *name, int d, int m, int y)
{
    unsigned long date = (unsigned long)y * 10000 + (unsigned long)m * 100 + (unsigned long)d;
    setdword(parentkey, name, date);
    return 1;
}

int countusage(const char *name)
{
    int y = 0, m = 0, d = 0;
    utcdate(&y, &m, &d);
    buildnames(name);

    unsigned long disposition = 0;
    RegHandle parent = regcreatekey(parentname, &disposition);
    if (disposition == REGCREATED) establish(parent, name, d, m, y);
    unsigned long date = 0;
    if (!readdword(parent, name, &date)) establish(parent, name, d, m, y);
    regclosekey(parent);

    RegHandle key = regcreatekey(fullname, &disposition);
    unsigned long usage = 0;
    if (readdword(key, "usage", &usage)) {
        setdword(key, "usage", (usage + 1) & 0xFFFFFFFFul);
    } else {
        setdword(key, "usage", 1);
        setdword(key, "sinced", (unsigned long)d);
        setdword(key, "sincem", (unsigned long)m);
        setdword(key, "sincey", (unsigned long)y);
    }
    regclosekey(key);
    return 1;
}

int installreg(const char *name, const char *locn)
{
    int y = 0, m = 0, d = 0;
    utcdate(&y, &m, &d);
    buildnames(name);

    unsigned long disposition = 0;
    RegHandle parent = regcreatekey(parentname, &disposition);
    establish(parent, name, d, m, y);
    regclosekey(parent);

    char text[LOCNSIZE];
    copytext(text, sizeof text, locn);
    size_t length = strlen(text);
    RegHandle key = regcreatekey(fullname, &disposition);
    regsetvalue(key, "locn", REGTYPESZ, reinterpret_cast<const unsigned char *>(text),
                (unsigned long)length + 1);
    regclosekey(key);
    return 1;
}

bool installedfolder(const char *name, char *locn)
{
    buildnames(name);
    RegHandle key = regopenkey(fullname);
    unsigned long type = 0, size = LOCNSIZE - 1;
    bool read = regqueryvalue(key, "locn", &type, reinterpret_cast<unsigned char *>(locn), &size);
    regclosekey(key);
    locn[read ? size : 0] = '\0';
    return read && type == REGTYPESZ;
}

int uninstallreg(const char *name)
{
    buildnames(name);
    if (name[0] != '\0') regdeletekey(fullname);  // never the parent key itself
    unsigned long disposition = 0;
    RegHandle parent = regcreatekey(parentname, &disposition);
    regdeletevalue(parent, name);
    regclosekey(parent);
    return 1;
}
