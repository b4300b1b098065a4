#include "inst/payloadwriter.h"

#include <cstdio>
#include <cstring>

#include "inst/files.h"
#include "inst/paths.h"

// Fills problem, removes the unfinished archive and returns 0.
static int givingup(const char *archive, SetupFile *out, char *problem, int problemsize,
                    const char *what, const char *subject)
{
    snprintf(problem, (size_t)problemsize, "%s%s%s", what, subject[0] ? ": " : "", subject);
    if (out != nullptr) sfclose(out);
    sfremove(archive);
    return 0;
}

int writepayload(const char *archive, const PayloadHeader *header, int count,
                 const char *const *names, const char *const *sources, char *problem,
                 int problemsize)
{
    if (problemsize > 0) problem[0] = '\0';
    if (count < 0) return givingup(archive, nullptr, problem, problemsize, "negative count", "");
    if (strnlen(header->loc, LOCNSIZE) >= LOCNSIZE || strnlen(header->exe, EXESIZE) >= EXESIZE ||
        strnlen(header->name, NAMESIZE) >= NAMESIZE)
        return givingup(archive, nullptr, problem, problemsize, "a header field has no room for its NUL", "");
    for (int i = 0; i < count; ++i)
        if (!safename(names[i]))
            return givingup(archive, nullptr, problem, problemsize,
                            "not a plain file name of at most 49 characters", names[i]);

    SetupFile *out = sfopen(archive, "wb");
    if (out == nullptr)
        return givingup(archive, nullptr, problem, problemsize, "cannot create the archive", archive);
    unsigned char head[HEADERSIZE + COUNTSIZE];
    encodeheader(header, head);
    encodeint(count, head + HEADERSIZE);
    if (sfwrite(out, head, sizeof head) != sizeof head)
        return givingup(archive, out, problem, problemsize, "cannot write the archive", archive);

    for (int i = 0; i < count; ++i) {
        SetupFile *in = sfopen(sources[i], "rb");
        if (in == nullptr)
            return givingup(archive, out, problem, problemsize, "cannot open", sources[i]);
        long long length = sflength(in);
        if (length < 0 || length > INT32_MAX) {
            sfclose(in);
            return givingup(archive, out, problem, problemsize,
                            "cannot tell the size, or larger than 2147483647 bytes", sources[i]);
        }
        PayloadEntry entry;
        memset(&entry, 0, sizeof entry);
        memcpy(entry.name, names[i], strlen(names[i]) + 1);
        entry.size = (int32_t)length;
        unsigned char bytes[ENTRYSIZE];
        encodeentry(&entry, bytes);
        bool written = sfwrite(out, bytes, sizeof bytes) == sizeof bytes && copybytes(in, out, length);
        bool readwhole = sfclose(in);
        if (!written || !readwhole)
            return givingup(archive, out, problem, problemsize,
                            "cannot copy the whole file into the archive", sources[i]);
    }
    if (!sfclose(out))
        return givingup(archive, nullptr, problem, problemsize, "cannot finish the archive", archive);
    return 1;
}
