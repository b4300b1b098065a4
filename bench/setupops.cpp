// The installer's two passes over a payload that holds the store and the
// text source, against a plain copy of the same two files.
#include <cstring>
#include <filesystem>

#include "bench/measure.h"
#include "bench/operations.h"
#include "inst/install.h"
#include "inst/payload.h"
#include "inst/payloadwriter.h"
#include "inst/record.h"
#include "tests/support/files.h"

// The installer dialog's list box, as install reaches it.
static int listed = 0;
void listadd(SetupDialog, const char *) { ++listed; }
void listselect(SetupDialog, int) {}

void benchsetup(const Glossary &glossary, int runs)
{
    namespace fs = std::filesystem;
    fs::path home = fs::current_path();
    fs::create_directories("setup");
    fs::current_path("setup");

    PayloadHeader header;
    memset(&header, 0, sizeof header);
    strcpy(header.loc, "installed");
    strcpy(header.name, "Vantrel");
    const char *names[] = {"dicbin.txt", "orlavexdic.txt"};
    const char *sources[] = {"../dicbin.txt", "../orlavexdic.txt"};
    char problem[200];
    if (!writepayload(ARCHIVE, &header, 2, names, sources, problem, sizeof problem)) {
        printf("  payload not written: %s\n", problem);
        fs::current_path(home);
        return;
    }
    double megabytes = (double)(fs::file_size(sources[0]) + fs::file_size(sources[1])) / 1e6;

    char locn[LOCNSIZE];
    Timing t = timeruns(runs, [&] {
        strcpy(locn, "installed");
        install(nullptr, locn, 0);
    });
    addfigure(glossary.entries, "setup, listing", t, 0, 0, "");

    t = timeruns(runs, [&] {
        strcpy(locn, "installed");
        install(nullptr, locn, 1);
    });
    addfigure(glossary.entries, "setup, extraction", t, 0, megabytes, "half the plain copy");

    fs::create_directories("copied");
    t = timeruns(runs, [&] {
        plaincopy(sources[0], "copied/dicbin.txt");
        plaincopy(sources[1], "copied/orlavexdic.txt");
    });
    addfigure(glossary.entries, "plain copy of the same files", t, 0, megabytes, "");

    // the record of a folder setup has written 40,000 files into
    std::string lines = "product Vantrel\r\n";
    char line[100];
    for (int i = 0; i < 40000; ++i) {
        snprintf(line, sizeof line, "installed %d %016x word%05d.txt\r\n", i, (unsigned)(i * 2654435761u), 39999 - i);
        lines += line;
    }
    fs::create_directories("recorded");
    writewholefile("recorded/" RECORDNAME, lines);
    Timing plain = timeruns(runs, [] { plainread("recorded/" RECORDNAME); });
    InstallRecord record;
    recordstart(&record);
    t = timeruns(runs, [&] { recordload(&record, "recorded\\"); });
    addfigure(glossary.entries, "setup, install record of 40,000 lines loaded", t, plain.median,
              (double)lines.size() / 1e6, "");
    recordfree(&record);

    fs::current_path(home);
    fs::remove_all("setup");
}
