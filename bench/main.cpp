// benchmark: every operation of the dictionary and of setup at scale.
//
//   benchmark [--sizes 1000,5000,20000,50000] [--runs 9] [--csv FILE] [--work FOLDER]
//
// For each size it writes a text source, compiles it into a store, gives the
// store marks and levels, and times each operation as its command runs it on
// the headless main dialog: the median of the runs after one warm-up, and its
// ratio to a plain read of the store's bytes timed in the same run, so the
// store is in the page cache for both.  The table goes to stdout, the figures
// to the CSV file.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "bench/glossary.h"
#include "bench/measure.h"
#include "bench/operations.h"
#include "dictionary/store.h"

struct Options {
    std::vector<int> sizes;
    int runs;
    const char *csv;
    const char *work;
};

static bool readoptions(int argc, char **argv, Options *o)
{
    o->sizes = {1000, 5000, 20000, 50000};
    o->runs = 9;
    o->csv = "benchmark.csv";
    o->work = "bench-work";
    for (int i = 1; i < argc; ++i) {
        const char *value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (strcmp(argv[i], "--sizes") == 0 && value) {
            o->sizes.clear();
            for (const char *p = value; *p;) {
                int size = atoi(p);
                if (size <= 0) return false;
                o->sizes.push_back(size);
                p = strchr(p, ',');
                if (!p) break;
                ++p;
            }
        } else if (strcmp(argv[i], "--runs") == 0 && value) {
            o->runs = atoi(value);
        } else if (strcmp(argv[i], "--csv") == 0 && value) {
            o->csv = value;
        } else if (strcmp(argv[i], "--work") == 0 && value) {
            o->work = value;
        } else {
            return false;
        }
        ++i;
    }
    return o->runs > 0 && !o->sizes.empty();
}

// The plain read of the store, timed before and after the operations.
static double plainreadms(int entries, int runs, const char *name)
{
    Timing t = timeruns(runs, [] { plainread(STOREFILE); });
    addfigure(entries, name, t, 0, (double)entries * RECORDSIZE / 1e6, "");
    return t.median;
}

static bool benchsize(int entries, int runs)
{
    namespace fs = std::filesystem;
    char folder[32];
    snprintf(folder, sizeof folder, "%d", entries);
    fs::create_directories(folder);
    fs::path home = fs::current_path();
    fs::current_path(folder);

    printf("%d entries\n", entries);
    Glossary glossary;
    bool made = makeglossary(entries, &glossary);
    if (made) {
        printf("  text source %.1f MB, store %.1f MB\n", glossary.sourcebytes / 1e6,
               (double)entries * RECORDSIZE / 1e6);
        double plainms = plainreadms(entries, runs, "plain read of the store, before");
        benchdictionary(glossary, runs, plainms);
        benchrebuild(glossary, runs);
        benchsetup(glossary, runs);
        plainreadms(entries, runs, "plain read of the store, after");
    }
    fs::current_path(home);
    fs::remove_all(folder);
    return made;
}

int main(int argc, char **argv)
{
    Options options;
    if (!readoptions(argc, argv, &options)) {
        fprintf(stderr, "usage: benchmark [--sizes 1000,5000,20000,50000] [--runs 9] [--csv FILE] [--work FOLDER]\n");
        return 2;
    }
#ifdef _WIN32
    setplatform("wine");
#endif
    std::filesystem::path csv = std::filesystem::absolute(options.csv);
    std::filesystem::create_directories(options.work);
    std::filesystem::current_path(options.work);
    bool ok = true;
    for (int entries : options.sizes) ok = benchsize(entries, options.runs) && ok;
    printf("\n");
    printfigures(stdout);
    if (!writefigures(csv.string().c_str())) {
        fprintf(stderr, "benchmark: cannot write %s\n", csv.string().c_str());
        return 1;
    }
    return ok ? 0 : 1;
}
