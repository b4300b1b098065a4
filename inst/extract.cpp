#include <cstring>

#include "common/y.h"
#include "inst/files.h"
#include "inst/install.h"
#include "inst/paths.h"
#include "inst/payload.h"

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

static int listing(SetupDialog hdlg)
{
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return INSTALLFAILED;
    for (int32_t i = 0; i < no; ++i) {
        if (!readentry(data) || !sfskip(data, spec.size)) {
            sfclose(data);
            return INSTALLFAILED;
        }
        listadd(hdlg, spec.name);
    }
    sfclose(data);
    return INSTALLDONE;
}

static int extraction(SetupDialog hdlg, const char *locn)
{
    int32_t no = 0;
    SetupFile *data = openarchive(&no);
    if (data == nullptr) return INSTALLFAILED;
    for (int32_t i = 0; i < no; ++i) {
        char path[PATHSIZE];
        size_t used = strnlen(locn, LOCNSIZE - 1);
        memcpy(path, locn, used);
        if (!readentry(data)) {
            sfclose(data);
            return INSTALLFAILED;
        }
        size_t added = strnlen(spec.name, NAMESIZE - 1);
        static_assert(LOCNSIZE - 1 + NAMESIZE - 1 < PATHSIZE, "a folder and a name always fit");
        memcpy(path + used, spec.name, added);
        path[used + added] = '\0';
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
    PayloadCheck check;
    if (flag == 0) {
        if (!checkpayload(ARCHIVE, &check)) return INSTALLFAILED;
        return listing(hdlg);
    }
    char folder[LOCNSIZE];
    memcpy(folder, locn, LOCNSIZE);
    if (!acceptfolder(folder)) return INSTALLBADFOLDER;
    if (!checkpayload(ARCHIVE, &check)) return INSTALLFAILED;
    if (!makefolder(folder)) return INSTALLBADFOLDER;
    memcpy(locn, folder, LOCNSIZE);
    return extraction(hdlg, locn);
}
