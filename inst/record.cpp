#include "inst/record.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/blocks.h"
#include "common/checksum.h"
#include "common/filenames.h"
#include "common/text.h"
#include "inst/files.h"
#include "inst/paths.h"


void fingerprintstart(Fingerprint *f)
{
    f->size = 0;
    f->sum = CHECKSUMSTART;
}

void fingerprintadd(Fingerprint *f, const unsigned char *bytes, size_t count)
{
    f->sum = checksumadd(f->sum, bytes, count);
    f->size += (long long)count;
}

bool samefingerprint(const Fingerprint &a, long long size, uint64_t sum)
{
    return a.size == size && a.sum == sum;
}

bool fingerprintpiece(const unsigned char *piece, size_t size, void *f)
{
    fingerprintadd(static_cast<Fingerprint *>(f), piece, size);
    return true;
}

bool fingerprintfile(const char *path, Fingerprint *f)
{
    fingerprintstart(f);
    SetupFile *file = sfopen(path, "rb");
    if (file == nullptr) return false;
    long long length = sflength(file);
    bool whole = length >= 0 && eachpiece(file, length, fingerprintpiece, f);
    return sfclose(file) && whole;
}

void recordstart(InstallRecord *r)
{
    memset(r, 0, sizeof *r);
}

void recordfree(InstallRecord *r)
{
    freeblock(r->files);
    recordstart(r);
}

static int compareentries(const RecordedFile &a, char kind, const char *name)
{
    if (a.kind != kind) return a.kind < kind ? -1 : 1;
    return comparefilenames(a.name, name);
}

// Where the entry of this kind for name is, or would go.
static int recordplace(const InstallRecord *r, const char *name, char kind)
{
    int low = 0, high = r->count;
    while (low < high) {
        int middle = low + (high - low) / 2;
        if (compareentries(r->files[middle], kind, name) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

RecordedFile *recordfind(InstallRecord *r, const char *name, char kind)
{
    int at = recordplace(r, name, kind);
    return at < r->count && compareentries(r->files[at], kind, name) == 0 ? &r->files[at] : nullptr;
}

// Room for one entry more; false when memory runs out.
static bool recordroom(InstallRecord *r)
{
    size_t room = (size_t)r->room;
    if (r->count == INT32_MAX || !growitems(&r->files, &room, (size_t)r->count, 1, 16)) return false;
    r->room = room < (size_t)INT32_MAX ? (int)room : INT32_MAX;
    return true;
}

static void fillentry(RecordedFile *entry, const char *name, char kind, const Fingerprint &f)
{
    memset(entry, 0, sizeof *entry);
    copytext(entry->name, sizeof entry->name, name);
    entry->kind = kind;
    entry->size = f.size;
    entry->sum = f.sum;
}

bool recordput(InstallRecord *r, const char *name, char kind, const Fingerprint &f)
{
    int at = recordplace(r, name, kind);
    if (at < r->count && compareentries(r->files[at], kind, name) == 0) {
        r->files[at].size = f.size;
        r->files[at].sum = f.sum;
        return true;
    }
    if (!recordroom(r)) return false;
    memmove(r->files + at + 1, r->files + at, sizeof *r->files * (size_t)(r->count - at));
    fillentry(&r->files[at], name, kind, f);
    ++r->count;
    return true;
}

static char pendingkind(char kind)
{
    return kind == RECORDCOPY ? RECORDCOPYING : RECORDINSTALLING;
}

bool recordholds(InstallRecord *r, const char *name, char kind, const Fingerprint &f)
{
    for (char k : {kind, pendingkind(kind)}) {
        const RecordedFile *entry = recordfind(r, name, k);
        if (entry != nullptr && samefingerprint(f, entry->size, entry->sum)) return true;
    }
    return false;
}

void recordsettle(InstallRecord *r)
{
    int kept = 0;
    for (int i = 0; i < r->count; ++i)
        if (r->files[i].kind != RECORDINSTALLING && r->files[i].kind != RECORDCOPYING) r->files[kept++] = r->files[i];
    r->count = kept;
}

bool setuptempname(const char *name)
{
    static const char start[] = "~setup", end[] = ".tmp";
    size_t length = strlen(name);
    if (length <= strlen(start) + strlen(end) || strncmp(name, start, strlen(start)) != 0 ||
        strcmp(name + length - strlen(end), end) != 0)
        return false;
    for (size_t i = strlen(start); i < length - strlen(end); ++i)
        if (name[i] < '0' || name[i] > '9') return false;
    return true;
}

static const struct {
    const char *word;
    char kind;
} KINDS[] = {{"installed", RECORDINSTALLED}, {"copy", RECORDCOPY}, {"installing", RECORDINSTALLING},
             {"copying", RECORDCOPYING}, {"base", RECORDBASE}};

// One line of the record, without its line end, into r, its files in the
// order read; false when damaged.
static bool readline(InstallRecord *r, char *line)
{
    char *rest = strchr(line, ' ');
    if (rest == nullptr) return false;
    *rest++ = '\0';
    if (strcmp(line, "product") == 0) return copytext(r->product, sizeof r->product, rest);
    if (strcmp(line, "shortcut") == 0) return copytext(r->shortcut, sizeof r->shortcut, rest);
    char kind = 0;
    for (const auto &k : KINDS)
        if (strcmp(line, k.word) == 0) kind = k.kind;
    if (kind == 0) return false;
    char *end = nullptr;
    long long size = strtoll(rest, &end, 10);
    if (end == rest || *end != ' ' || size < 0) return false;
    rest = end + 1;
    uint64_t sum = strtoull(rest, &end, 16);
    if (end != rest + 16 || *end != ' ') return false;
    rest = end + 1;
    if (!safename(rest) || !recordroom(r)) return false;
    Fingerprint f = {size, sum};
    fillentry(&r->files[r->count++], rest, kind, f);
    return true;
}

// Puts the files read in their order; false when one name has two lines of a kind.
static bool sortread(InstallRecord *r)
{
    std::sort(r->files, r->files + r->count, [](const RecordedFile &a, const RecordedFile &b) {
        return compareentries(a, b.kind, b.name) < 0;
    });
    for (int i = 1; i < r->count; ++i)
        if (compareentries(r->files[i - 1], r->files[i].kind, r->files[i].name) == 0) return false;
    return true;
}

int recordload(InstallRecord *r, const char *folder)
{
    recordfree(r);
    char path[PATHSIZE];
    filepath(path, folder, RECORDNAME);
    if (!sfexists(path)) return 0;
    SetupFile *file = sfopen(path, "rb");
    if (file == nullptr) return -1;
    long long length = sflength(file);
    const long long most = 1 << 24;
    char *text = length >= 0 && length < most ? static_cast<char *>(newblock((size_t)length + 1, 1)) : nullptr;
    bool read = text != nullptr && sfread(file, text, (size_t)length) == (size_t)length;
    if (!sfclose(file) || !read) {
        freeblock(text);
        return -1;
    }
    text[length] = '\0';
    bool sound = strlen(text) == (size_t)length;  // no NUL inside
    for (char *line = text; sound && line != nullptr && *line != '\0';) {
        char *next = strchr(line, '\n');
        if (next != nullptr) *next++ = '\0';
        size_t n = strlen(line);
        if (n > 0 && line[n - 1] == '\r') line[n - 1] = '\0';
        sound = readline(r, line);
        line = next;
    }
    freeblock(text);
    if (sound && sortread(r)) return 1;
    recordfree(r);
    return 0;
}

static bool writeline(SetupFile *f, const char *line)
{
    size_t n = strlen(line);
    return sfwrite(f, line, n) == n && sfwrite(f, "\r\n", 2) == 2;
}

bool recordsave(const InstallRecord *r, const char *folder)
{
    char temp[PATHSIZE];
    SetupFile *f = placebegin(folder, temp, sizeof temp);
    if (f == nullptr) return false;
    char line[LINKPATHSIZE + 20];
    snprintf(line, sizeof line, "product %s", r->product);
    bool written = writeline(f, line);
    if (r->shortcut[0] != '\0') {
        snprintf(line, sizeof line, "shortcut %s", r->shortcut);
        written = written && writeline(f, line);
    }
    for (int i = 0; written && i < r->count; ++i) {
        const RecordedFile &file = r->files[i];
        const char *word = "";
        for (const auto &k : KINDS)
            if (k.kind == file.kind) word = k.word;
        snprintf(line, sizeof line, "%s %lld %016" PRIx64 " %s", word, file.size, file.sum, file.name);
        written = writeline(f, line);
    }
    if (!written) {
        placeabandon(f, temp);
        return false;
    }
    char path[PATHSIZE];
    filepath(path, folder, RECORDNAME);
    return placefinish(f, temp, path);
}

SetupFile *placebegin(const char *folder, char *temp, size_t size)
{
    for (int n = 0; n < TEMPNAMEMOST; ++n) {
        char name[NAMESIZE];
        snprintf(name, sizeof name, "~setup%d.tmp", n);
        temp[0] = '\0';
        if (!appendpart(temp, size, folder, LOCNSIZE - 1) || !appendtext(temp, size, name)) return nullptr;
        if (sfexists(temp)) continue;
        return sfopen(temp, "wb");
    }
    return nullptr;
}

bool placefinish(SetupFile *file, const char *temp, const char *target)
{
    bool synced = sfsync(file);
    bool closed = sfclose(file);
    if (synced && closed && sfreplace(temp, target)) return true;
    sfremove(temp);
    return false;
}

void placeabandon(SetupFile *file, const char *temp)
{
    sfclose(file);
    sfremove(temp);
}

bool placecopy(const char *from, const char *folder, const char *target)
{
    SetupFile *in = sfopen(from, "rb");
    if (in == nullptr) return false;
    char temp[PATHSIZE];
    long long length = sflength(in);
    SetupFile *out = length >= 0 ? placebegin(folder, temp, sizeof temp) : nullptr;
    bool copied = out != nullptr && copybytes(in, out, length);
    bool read = sfclose(in);
    if (out == nullptr) return false;
    if (!copied || !read) {
        placeabandon(out, temp);
        return false;
    }
    return placefinish(out, temp, target);
}
