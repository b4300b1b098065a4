// mkpayload: writes, lists and verifies the payload archive that setup
// installs from.  See usage() below, or run it without arguments.
#include <cstdio>
#include <cstring>

#include "inst/files.h"
#include "inst/paths.h"
#include "inst/payload.h"
#include "inst/payloadwriter.h"

enum { DONE = 0, REFUSED = 1, WRONGUSAGE = 2, MOSTFILES = 10000, PROBLEMSIZE = 400 };

static void usage(FILE *out)
{
    fputs(
        "mkpayload: makes, lists and verifies the archive \"data\" that setup installs from.\n"
        "\n"
        "  mkpayload pack ARCHIVE [--folder DIR] [--name NAME] [--exe EXE] [--as NAME] FILE...\n"
        "      Writes ARCHIVE: the header, then the FILEs in the order given.  Each FILE\n"
        "      is stored under its own base name, or under NAME when \"--as NAME\" comes\n"
        "      right before it.\n"
        "        --folder DIR  the install folder setup proposes (at most 98 characters,\n"
        "                      or 99 ending in a backslash; empty lets the user type one)\n"
        "        --name NAME   the program's name: setup's title and the registry name of\n"
        "                      the install record (at most 49 characters)\n"
        "        --exe EXE     the program's file name, kept in the header (at most 49)\n"
        "  mkpayload list ARCHIVE\n"
        "      Checks ARCHIVE, then prints its header and every file with its size.\n"
        "  mkpayload verify ARCHIVE\n"
        "      Checks every count, size and name against the archive's length and the\n"
        "      names setup accepts; fails also on bytes after the last file.\n"
        "\n"
        "A name inside the archive is a plain file name of 1 to 49 characters: no\n"
        "folder, drive, colon or \"..\", none of * ? \" < > |, no trailing dot or space,\n"
        "and no device name such as CON, NUL, COM1 or LPT1 (with or without extension).\n"
        "Exit status: 0 done, 1 the archive or a file is not acceptable, 2 wrong usage.\n"
        "\n"
        "Example:\n"
        "  mkpayload pack data --folder \"C:\\VanTrel\" --name VanTrel --exe vantrel.exe \\\n"
        "      vantrel.exe dicbin.txt orlavexdic.txt \"Read me.htm\" lhandw\n",
        out);
}

// Copies text into a field of size bytes; false when it does not fit.
static bool setfield(char *field, size_t size, const char *text, const char *what)
{
    size_t length = strlen(text);
    if (length >= size) {
        fprintf(stderr, "mkpayload: the %s \"%s\" is %zu characters long; at most %zu fit\n", what,
                text, length, size - 1);
        return false;
    }
    memcpy(field, text, length + 1);
    return true;
}

static const char *basenameof(const char *path)
{
    const char *base = path;
    for (const char *c = path; *c; ++c)
        if (*c == '/' || *c == '\\') base = c + 1;
    return base;
}

static int pack(int argc, char **argv)
{
    if (argc < 1) {
        usage(stderr);
        return WRONGUSAGE;
    }
    const char *archive = argv[0];
    PayloadHeader header;
    memset(&header, 0, sizeof header);
    static const char *names[MOSTFILES];
    static const char *sources[MOSTFILES];
    int count = 0;
    const char *as = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        bool option = strcmp(arg, "--folder") == 0 || strcmp(arg, "--name") == 0 ||
                      strcmp(arg, "--exe") == 0 || strcmp(arg, "--as") == 0;
        if (option && i + 1 >= argc) {
            fprintf(stderr, "mkpayload: %s needs a value\n", arg);
            return WRONGUSAGE;
        }
        if (strcmp(arg, "--folder") == 0) {
            if (!setfield(header.loc, sizeof header.loc, argv[++i], "folder")) return REFUSED;
            if (header.loc[0] != '\0' && !folderfits(header.loc)) {
                fprintf(stderr, "mkpayload: setup cannot accept the folder \"%s\": with its "
                                "backslash it must fit in 99 characters\n", header.loc);
                return REFUSED;
            }
        } else if (strcmp(arg, "--name") == 0) {
            if (!setfield(header.name, sizeof header.name, argv[++i], "name")) return REFUSED;
        } else if (strcmp(arg, "--exe") == 0) {
            if (!setfield(header.exe, sizeof header.exe, argv[++i], "exe")) return REFUSED;
        } else if (strcmp(arg, "--as") == 0) {
            as = argv[++i];
        } else if (strncmp(arg, "--", 2) == 0) {
            fprintf(stderr, "mkpayload: unknown option %s\n", arg);
            return WRONGUSAGE;
        } else {
            if (count >= MOSTFILES) {
                fprintf(stderr, "mkpayload: more than %d files\n", MOSTFILES);
                return REFUSED;
            }
            names[count] = as != nullptr ? as : basenameof(arg);
            sources[count] = arg;
            as = nullptr;
            if (!safename(names[count])) {
                fprintf(stderr, "mkpayload: \"%s\" (from %s) is not a name setup accepts\n",
                        names[count], arg);
                return REFUSED;
            }
            ++count;
        }
    }
    if (as != nullptr) {
        fprintf(stderr, "mkpayload: --as %s is not followed by a file\n", as);
        return WRONGUSAGE;
    }
    char problem[PROBLEMSIZE];
    if (!writepayload(archive, &header, count, names, sources, problem, sizeof problem)) {
        fprintf(stderr, "mkpayload: %s\n", problem);
        return REFUSED;
    }
    printf("%s: %d file%s\n", archive, count, count == 1 ? "" : "s");
    return DONE;
}

static bool checked(const char *archive, PayloadCheck *check)
{
    if (checkpayload(archive, check)) return true;
    fprintf(stderr, "mkpayload: %s %s", archive, payloadproblemtext(check->problem));
    if (check->entry > 0) fprintf(stderr, " (file %d", check->entry);
    else fprintf(stderr, " (");
    fprintf(stderr, "%sat offset %lld of %lld bytes)\n", check->entry > 0 ? ", " : "",
            check->offset, check->length);
    return false;
}

static int list(const char *archive)
{
    PayloadCheck check;
    if (!checked(archive, &check)) return REFUSED;
    SetupFile *data = sfopen(archive, "rb");
    unsigned char head[HEADERSIZE + COUNTSIZE];
    if (data == nullptr || sfread(data, head, sizeof head) != sizeof head) {
        if (data != nullptr) sfclose(data);
        fprintf(stderr, "mkpayload: cannot read %s\n", archive);
        return REFUSED;
    }
    PayloadHeader header;
    decodeheader(head, &header);
    printf("folder: %s\nname:   %s\nexe:    %s\nfiles:  %d\n", header.loc, header.name,
           header.exe, check.count);
    for (int i = 0; i < check.count; ++i) {
        unsigned char bytes[ENTRYSIZE];
        PayloadEntry entry;
        if (sfread(data, bytes, sizeof bytes) != sizeof bytes || !decodeentry(bytes, &entry) ||
            entry.size < 0 || !sfskip(data, entry.size)) {
            sfclose(data);
            fprintf(stderr, "mkpayload: %s changed while it was read\n", archive);
            return REFUSED;
        }
        printf("%12ld  %s\n", (long)entry.size, entry.name);
    }
    sfclose(data);
    return DONE;
}

static int verify(const char *archive)
{
    PayloadCheck check;
    if (!checked(archive, &check)) return REFUSED;
    if (check.trailing > 0) {
        // no fault for setup, which reads only what the records name
        fprintf(stderr, "mkpayload: %s has bytes after the last file (%lld bytes from offset %lld)\n",
                archive, check.trailing, check.length - check.trailing);
        return REFUSED;
    }
    printf("%s: sound, %d file%s, %lld bytes\n", archive, check.count, check.count == 1 ? "" : "s",
           check.length);
    return DONE;
}

int main(int argc, char **argv)
{
    if (argc >= 2 && (strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "-h") == 0)) {
        usage(stdout);
        return DONE;
    }
    if (argc >= 2 && strcmp(argv[1], "pack") == 0) return pack(argc - 2, argv + 2);
    if (argc == 3 && strcmp(argv[1], "list") == 0) return list(argv[2]);
    if (argc == 3 && strcmp(argv[1], "verify") == 0) return verify(argv[2]);
    usage(stderr);
    return WRONGUSAGE;
}
