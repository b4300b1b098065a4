#include "inst/payload.h"

#include <algorithm>
#include <cstring>

#include "common/blocks.h"
#include "common/filenames.h"
#include "common/littleendian.h"
#include "inst/files.h"
#include "inst/paths.h"

PayloadHeader def;
PayloadEntry spec;

int32_t decodeint(const unsigned char *bytes)
{
    return (int32_t)decodele32(bytes);
}

void encodeint(int32_t value, unsigned char *bytes)
{
    encodele32((uint32_t)value, bytes);
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

struct PayloadName {
    char name[NAMESIZE];
    int entry;
    long long at;
};

static int failnamed(PayloadCheck *check, SetupFile *f, PayloadName *names, PayloadProblem problem, int entry,
                     long long at)
{
    freeblock(names);
    return fail(check, f, problem, entry, at);
}

// Of two entries that name one file, the later; null when there are none.
static const PayloadName *nametwice(PayloadName *names, int count)
{
    std::sort(names, names + count, [](const PayloadName &a, const PayloadName &b) {
        int order = comparefilenames(a.name, b.name);
        return order != 0 ? order < 0 : a.entry < b.entry;
    });
    const PayloadName *later = nullptr;
    for (int i = 1; i < count; ++i)
        if (comparefilenames(names[i - 1].name, names[i].name) == 0 && (later == nullptr || names[i].entry < later->entry))
            later = &names[i];
    return later;
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
    PayloadName *names = static_cast<PayloadName *>(newblock(count > 0 ? (size_t)count : 1, sizeof(PayloadName)));
    if (names == nullptr) return fail(check, f, PAYLOADUNREADABLE, 0, 0);

    for (int i = 1; i <= count; ++i) {
        unsigned char bytes[ENTRYSIZE];
        if (length - at < ENTRYSIZE) return failnamed(check, f, names, PAYLOADSHORTENTRY, i, at);
        if (sfread(f, bytes, sizeof bytes) != sizeof bytes)
            return failnamed(check, f, names, PAYLOADUNREADABLE, i, at);
        bool terminated = decodeentry(bytes, &spec);
        if (!terminated || !safename(spec.name)) return failnamed(check, f, names, PAYLOADBADNAME, i, at);
        memcpy(names[i - 1].name, spec.name, NAMESIZE);
        names[i - 1].entry = i;
        names[i - 1].at = at;
        at += ENTRYSIZE;
        if (spec.size < 0 || spec.size > length - at)
            return failnamed(check, f, names, PAYLOADBADSIZE, i, at - ENTRYSIZE + ENTRYSIZEOFFSET);
        if (!sfskip(f, spec.size)) return failnamed(check, f, names, PAYLOADUNREADABLE, i, at);
        at += spec.size;
    }
    check->trailing = length - at;
    const PayloadName *twice = nametwice(names, count);
    if (twice != nullptr) return failnamed(check, f, names, PAYLOADTWICE, twice->entry, twice->at);
    freeblock(names);
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
    case PAYLOADTWICE: return "names one file twice";
    }
    return "is damaged";
}

bool eachpiece(SetupFile *from, long long count, PieceStep step, void *context)
{
    unsigned char piece[PIECESIZE];
    while (count > 0) {
        size_t want = count < (long long)sizeof piece ? (size_t)count : sizeof piece;
        if (sfread(from, piece, want) != want || !step(piece, want, context)) return false;
        count -= (long long)want;
    }
    return true;
}

static bool writepiece(const unsigned char *piece, size_t size, void *to)
{
    return sfwrite(static_cast<SetupFile *>(to), piece, size) == size;
}

bool copybytes(SetupFile *from, SetupFile *to, long long count)
{
    return eachpiece(from, count, writepiece, to);
}
