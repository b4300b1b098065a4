// The rebuild, in a folder of its own so that the store of the other figures
// keeps its marks and levels: the compile of the text source alone, the
// whole command with its question, the replacement and the list refill, and
// the command that keeps the marks and levels of a copy of that store, and
// the upgrade that merges a release's word file into the learner's first.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/measure.h"
#include "bench/operations.h"
#include "dictionary/compile.h"
#include "dictionary/rebuild.h"
#include "dictionary/store.h"
#include "dictionary/wordupgrade.h"
#include "tests/headless.h"

// Where the n-th headword line of the word file begins.
static size_t entrystart(const std::string &text, int n)
{
    size_t at = 0;
    for (int i = 0; i <= n && at != std::string::npos; ++i) at = text.find(" marvoc\n", at + 1);
    if (at == std::string::npos) return text.size();
    size_t line = text.rfind('\n', at);
    return line == std::string::npos ? 0 : line + 1;
}

// The meaning line after the n-th headword line replaced by meaning.
static void changemeaning(std::string *text, int n, const char *meaning)
{
    size_t line = text->find('\n', entrystart(*text, n)) + 1;
    size_t end = text->find('\n', line);
    if (line <= text->size() && end != std::string::npos) text->replace(line, end - line, meaning);
}

static void writetext(const char *path, const std::string &text)
{
    std::ofstream(path, std::ios::binary).write(text.data(), (std::streamsize)text.size());
}

// The upgrade by a release that adds ten terms through the word file and
// corrects a meaning, over a learner who added five terms at its end and
// changed another meaning; before each run the learner's word file is put
// back (the store keeps its marks and levels run after run) and the rebuild
// keeping marks and levels is timed once, so that the two are timed in turn
// on a machine whose load changes.
static void benchupgrade(const Glossary &glossary, int runs, Dialog d)
{
    std::string base;
    {
        std::ifstream in("orlavexdic.txt", std::ios::binary);  // closed again: Windows replaces no open file
        base.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string release = base, learner = base;
    for (int i = 10; i >= 1; --i)
        release.insert(entrystart(release, glossary.entries * i / 11),
                       "release term " + std::to_string(i) + " marvoc\nA term the release adds.\n");
    changemeaning(&release, 2, "A meaning the release corrects.");
    changemeaning(&learner, 3, "A meaning the learner changed.");
    for (int i = 1; i <= 5; ++i) learner += "own term " + std::to_string(i) + " marvoc\nA term of the learner.\n";
    writetext("base.txt", base);
    writetext("release.txt", release);
    writetext("learner.txt", learner);
    UpgradeReport report;
    std::vector<double> keeping;
    Timing t = timeruns(
        runs, [&] { upgradewordfile("", "base.txt", "release.txt", &report); },
        [&] {
            plaincopy("learner.txt", "orlavexdic.txt");
            d->answers.push_back(ANSWER_YES);
            double start = nowms();
            rebuildkeepingstudy(d);
            keeping.push_back(nowms() - start);
        });
    std::sort(keeping.begin() + 1, keeping.end());  // the first was the warm-up's
    double median = keeping[1 + (keeping.size() - 1) / 2];
    addfigure(glossary.entries, "upgrade merging the word file", t, 0, (double)glossary.sourcebytes / 1e6, "");
    addamount(glossary.entries, "rebuild keeping, timed in turn with it", median, "ms", "");
    addamount(glossary.entries, "upgrade merging, x rebuild keeping", t.median / median, "x", "at most 1.5");
    if (report.result != UPGRADED || report.merge.added.count != 10 || report.merge.updated.count != 1)
        printf("  the upgrade did not merge as meant: result %d, %d added, %d updated\n", (int)report.result,
               report.merge.added.count, report.merge.updated.count);
    plaincopy("base.txt", "orlavexdic.txt");
}

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
    benchupgrade(glossary, runs, d);
    headlessdestroy(d);

    // the store the rebuild writes, read plainly
    t = timeruns(runs, [] { plainread("dicbin.txt"); });
    addfigure(glossary.entries, "plain read of the rebuilt store", t, 0,
              (double)glossary.entries * 8104 / 1e6, "");

    fs::current_path(home);
    fs::remove_all("rebuild");
}
