#include "inst/payload.h"

#include <cstring>

#include "inst/files.h"
#include "inst/paths.h"

PayloadHeader def;
PayloadEntry spec;

int32_t decodeint(const unsigned char *bytes)
{
    uint32_t value = (uint32_t)bytes[0] | (uint32_t)bytes[1] << 8 | (uint32_t)bytes[2] << 16 |
                     (uint32_t)bytes[3] << 24;
    return (int32_t)value;
}

void encodeint(int32_t value, unsigned char *bytes)
{
    uint32_t v = (uint32_t)value;
    for (int i = 0; i < 4; ++i) bytes[i] = (unsigned char)((v >> (8 * i)) & 0xFF);
}

// Copies a field of size bytes and reports whether it held its own NUL; the
// copy always ends in one.
static bool takefield(char *field, const unsigned char *bytes, size_t size)
{
    memcpy(field, bytes, size);
    bool terminated = memchr(field, '\0', size) != nullptr;
    field[size - 1] = '\0';
    return terminated;
}

void decodeheader(const unsigned char *bytes, PayloadHeader *header)
{
    takefield(header->loc, bytes, LOCNSIZE);
    takefield(header->exe, bytes + LOCNSIZE, EXESIZE);
    takefield(header->name, bytes + LOCNSIZE + EXESIZE, NAMESIZE);
}

void encodeheader(const PayloadHeader *header, unsigned char *bytes)
{
    memcpy(bytes, header->loc, LOCNSIZE);
    memcpy(bytes + LOCNSIZE, header->exe, EXESIZE);
    memcpy(bytes + LOCNSIZE + EXESIZE, header->name, NAMESIZE);
}

bool decodeentry(const unsigned char *bytes, PayloadEntry *entry)
{
    bool terminated = takefield(entry->name, bytes, NAMESIZE);
    memcpy(entry->unused, bytes + NAMESIZE, sizeof entry->unused);
    entry->size = decodeint(bytes + ENTRYSIZEOFFSET);
    return terminated;
}

void encodeentry(const PayloadEntry *entry, unsigned char *bytes)
{
    memcpy(bytes, entry->name, NAMESIZE);
    memcpy(bytes + NAMESIZE, entry->unused, sizeof entry->unused);
    encodeint(entry->size, bytes + ENTRYSIZEOFFSET);
}

int readheader(const char *archive, PayloadHeader *header)
{
    memset(header, 0, sizeof *header);
    SetupFile *f = sfopen(archive, "rb");
    if (f == nullptr) return 0;
    unsigned char bytes[HEADERSIZE];
    bool whole = sfread(f, bytes, sizeof bytes) == sizeof bytes;
    sfclose(f);
    if (!whole) return 0;
    decodeheader(bytes, header);
    return 1;
}

static int fail(PayloadCheck *check, SetupFile *f, PayloadProblem problem, int entry, long long at)
{
    check->problem = problem;
    check->entry = entry;
    check->offset = at;
    if (f != nullptr) sfclose(f);
    return 0;
}

int checkpayload(const char *archive, PayloadCheck *check)
{
    memset(check, 0, sizeof *check);
    check->problem = PAYLOADSOUND;
    SetupFile *f = sfopen(archive, "rb");
    if (f == nullptr) return fail(check, nullptr, PAYLOADMISSING, 0, 0);
    long long length = sflength(f);
    check->length = length;
    if (length < 0) return fail(check, f, PAYLOADUNREADABLE, 0, 0);
    if (length < HEADERSIZE + COUNTSIZE) return fail(check, f, PAYLOADSHORTHEADER, 0, length);

    unsigned char head[HEADERSIZE + COUNTSIZE];
    if (sfread(f, head, sizeof head) != sizeof head) return fail(check, f, PAYLOADUNREADABLE, 0, 0);
    decodeheader(head, &def);
    int32_t count = decodeint(head + HEADERSIZE);
    long long at = HEADERSIZE + COUNTSIZE;
    if (count < 0 || count > (length - at) / ENTRYSIZE)
        return fail(check, f, PAYLOADBADCOUNT, 0, HEADERSIZE);
    check->count = count;

    for (int i = 1; i <= count; ++i) {
        unsigned char bytes[ENTRYSIZE];
        if (length - at < ENTRYSIZE) return fail(check, f, PAYLOADSHORTENTRY, i, at);
        if (sfread(f, bytes, sizeof bytes) != sizeof bytes)
            return fail(check, f, PAYLOADUNREADABLE, i, at);
        bool terminated = decodeentry(bytes, &spec);
        if (!terminated || !safename(spec.name)) return fail(check, f, PAYLOADBADNAME, i, at);
        at += ENTRYSIZE;
        if (spec.size < 0 || spec.size > length - at)
            return fail(check, f, PAYLOADBADSIZE, i, at - ENTRYSIZE + ENTRYSIZEOFFSET);
        if (!sfskip(f, spec.size)) return fail(check, f, PAYLOADUNREADABLE, i, at);
        at += spec.size;
    }
    check->trailing = length - at;
    sfclose(f);
    return 1;
}

const char *payloadproblemtext(PayloadProblem problem)
{
    switch (problem) {
    case PAYLOADSOUND: return "sound";
    case PAYLOADMISSING: return "not found or not accessible";
    case PAYLOADUNREADABLE: return "cannot be read";
    case PAYLOADSHORTHEADER: return "ends before the header and the count of files";
    case PAYLOADBADCOUNT: return "holds a count of files that is negative or larger than the archive";
    case PAYLOADSHORTENTRY: return "ends inside the record of a file";
    case PAYLOADBADSIZE: return "holds a file size that is negative or runs past the end";
    case PAYLOADBADNAME: return "holds a file name that is not a plain name inside the install folder";
    }
    return "is damaged";
}

bool copybytes(SetupFile *from, SetupFile *to, long long count)
{
    unsigned char buffer[8192];
    while (count > 0) {
        size_t want = count < (long long)sizeof buffer ? (size_t)count : sizeof buffer;
        if (sfread(from, buffer, want) != want) return false;
        if (sfwrite(to, buffer, want) != want) return false;
        count -= (long long)want;
    }
    return true;
}
