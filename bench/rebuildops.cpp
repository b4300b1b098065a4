// The rebuild, in a folder of its own so that the store of the other figures
// keeps its marks and levels: the compile of the text source alone, the
// whole command with its question, the replacement and the list refill, and
// the command that keeps the marks and levels of a copy of that store.
#include <filesystem>

#include "bench/measure.h"
#include "bench/operations.h"
#include "dictionary/compile.h"
#include "dictionary/rebuild.h"
#include "dictionary/store.h"
#include "tests/headless.h"

void benchrebuild(const Glossary &glossary, int runs)
{
    namespace fs = std::filesystem;
    fs::path home = fs::current_path();
    fs::create_directories("rebuild");
    fs::copy_file("orlavexdic.txt", "rebuild/orlavexdic.txt", fs::copy_options::overwrite_existing);
    fs::current_path("rebuild");

    double megabytes = (double)glossary.sourcebytes / 1e6;
    Timing t = timeruns(runs, [] { compilefiles("orlavexdic.txt", "dicbin.tmp"); });
    addfigure(glossary.entries, "rebuild, compile only", t, 0, megabytes, "100 MB/s of source");

    Dialog d = headlesscreate();
    t = timeruns(runs, [&] {
        d->answers.push_back(ANSWER_YES);
        rebuildstore(d);
    });
    addfigure(glossary.entries, "rebuild command, with list refill", t, 0, megabytes, "100 MB/s of source");

    // the same from the store of the other figures, keeping its marks and levels;
    // the rebuilt store is removed first, since the MinGW library's copy that
    // overwrites takes any two files on one drive for the same file ("File exists")
    fs::remove(STOREFILE);
    fs::copy_file(home / STOREFILE, STOREFILE);
    Timing keeping = timeruns(runs, [&] {
        d->answers.push_back(ANSWER_YES);
        rebuildkeepingstudy(d);
    });
    addfigure(glossary.entries, "rebuild keeping marks and levels", keeping, 0, megabytes, "");
    addamount(glossary.entries, "rebuild keeping, x the rebuild command", keeping.median / t.median, "x",
              "at most 1.3");
    headlessdestroy(d);

    // the store the rebuild writes, read plainly
    t = timeruns(runs, [] { plainread("dicbin.txt"); });
    addfigure(glossary.entries, "plain read of the rebuilt store", t, 0,
              (double)glossary.entries * 8104 / 1e6, "");

    fs::current_path(home);
    fs::remove_all("rebuild");
}
