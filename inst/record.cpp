#include "inst/record.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "common/text.h"
#include "inst/files.h"
#include "inst/paths.h"

static const uint64_t FNVSTART = 14695981039346656037ull;
static const uint64_t FNVPRIME = 1099511628211ull;

void fingerprintstart(Fingerprint *f)
{
    f->size = 0;
    f->sum = FNVSTART;
}

void fingerprintadd(Fingerprint *f, const unsigned char *bytes, size_t count)
{
    uint64_t sum = f->sum;
    for (size_t i = 0; i < count; ++i) sum = (sum ^ bytes[i]) * FNVPRIME;
    f->sum = sum;
    f->size += (long long)count;
}

bool samefingerprint(const Fingerprint &a, long long size, uint64_t sum)
{
    return a.size == size && a.sum == sum;
}

bool fingerprintfile(const char *path, Fingerprint *f)
{
    fingerprintstart(f);
    SetupFile *file = sfopen(path, "rb");
    if (file == nullptr) return false;
    long long length = sflength(file);
    unsigned char buffer[8192];
    while (length > 0) {
        size_t want = length < (long long)sizeof buffer ? (size_t)length : sizeof buffer;
        if (sfread(file, buffer, want) != want) break;
        fingerprintadd(f, buffer, want);
        length -= (long long)want;
    }
    return sfclose(file) && length == 0;
}

void recordstart(InstallRecord *r)
{
    memset(r, 0, sizeof *r);
}

void recordfree(InstallRecord *r)
{
    delete[] r->files;
    recordstart(r);
}

RecordedFile *recordfind(InstallRecord *r, const char *name, char kind)
{
    for (int i = 0; i < r->count; ++i)
        if (r->files[i].kind == kind && samepathname(r->files[i].name, name)) return &r->files[i];
    return nullptr;
}

bool recordput(InstallRecord *r, const char *name, char kind, const Fingerprint &f)
{
    RecordedFile *found = recordfind(r, name, kind);
    if (found == nullptr) {
        if (r->count == r->room) {
            int room = r->room == 0 ? 16 : r->room * 2;
            RecordedFile *files = new (std::nothrow) RecordedFile[room];
            if (files == nullptr) return false;
            if (r->count > 0) memcpy(files, r->files, sizeof *files * (size_t)r->count);
            delete[] r->files;
            r->files = files;
            r->room = room;
        }
        found = &r->files[r->count++];
        memset(found, 0, sizeof *found);
        copytext(found->name, sizeof found->name, name);
        found->kind = kind;
    }
    found->size = f.size;
    found->sum = f.sum;
    return true;
}

void recorddrop(InstallRecord *r, const char *name, char kind)
{
    RecordedFile *found = recordfind(r, name, kind);
    if (found == nullptr) return;
    *found = r->files[--r->count];
}


// One line of the record, without its line end, into r; false when damaged.
static bool readline(InstallRecord *r, char *line)
{
    char *rest = strchr(line, ' ');
    if (rest == nullptr) return false;
    *rest++ = '\0';
    if (strcmp(line, "product") == 0) return copytext(r->product, sizeof r->product, rest);
    if (strcmp(line, "shortcut") == 0) return copytext(r->shortcut, sizeof r->shortcut, rest);
    char kind = strcmp(line, "installed") == 0 ? RECORDINSTALLED : strcmp(line, "copy") == 0 ? RECORDCOPY : 0;
    if (kind == 0) return false;
    char *end = nullptr;
    long long size = strtoll(rest, &end, 10);
    if (end == rest || *end != ' ' || size < 0) return false;
    rest = end + 1;
    uint64_t sum = strtoull(rest, &end, 16);
    if (end != rest + 16 || *end != ' ') return false;
    rest = end + 1;
    if (!safename(rest)) return false;
    Fingerprint f = {size, sum};
    return recordput(r, rest, kind, f);
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
    char *text = length >= 0 && length < most ? new (std::nothrow) char[length + 1] : nullptr;
    bool read = text != nullptr && sfread(file, text, (size_t)length) == (size_t)length;
    if (!sfclose(file) || !read) {
        delete[] text;
        return -1;
    }
    bool sound = true;
    {
        text[length] = '\0';
        sound = strlen(text) == (size_t)length;  // no NUL inside
    }
    for (char *line = text; sound && line != nullptr && *line != '\0';) {
        char *next = strchr(line, '\n');
        if (next != nullptr) *next++ = '\0';
        size_t n = strlen(line);
        if (n > 0 && line[n - 1] == '\r') line[n - 1] = '\0';
        sound = readline(r, line);
        line = next;
    }
    delete[] text;
    if (sound) return 1;
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
        snprintf(line, sizeof line, "%s %lld %016" PRIx64 " %s", file.kind == RECORDCOPY ? "copy" : "installed",
                 file.size, file.sum, file.name);
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
