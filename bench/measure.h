// Timing for the benchmark: a monotonic clock, the median of repeated runs,
// the reference read of a file's bytes, and the table of figures it prints
// and writes as CSV.
#ifndef VANTREL_BENCH_MEASURE_H
#define VANTREL_BENCH_MEASURE_H

#include <cstdio>
#include <functional>
#include <vector>

double nowms();

struct Timing {
    double median;   // ms
    double fastest;  // ms
    int runs;
};

// The median and the fastest of times, in ms, the first (a warm-up) left out
// when warmup is set.
Timing timingof(std::vector<double> times, bool warmup);

// One warm-up run, then runs timed runs of work; prepare, when given, runs
// untimed before each of them.
Timing timeruns(int runs, const std::function<void()> &work,
                const std::function<void()> &prepare = nullptr);

// Reads the whole file from its first byte in 1 MB pieces and nothing else:
// the speed every scan is held against.  Returns the bytes read.
long long plainread(const char *path);
// Copies a file in 64 KB pieces: the speed extraction is held against.
bool plaincopy(const char *from, const char *to);

struct Figure {
    char platform[16];
    int entries;
    char operation[64];
    Timing timing;      // no runs for a figure that is not a time
    double plainms;     // median plain read of the same store in the same run; 0 for none
    double amount;      // with unit: MB/s worked out from the MB moved, or a size
    char unit[16];      // empty for none
    char note[64];      // what the figure is held against
};

void setplatform(const char *name);
// A time; megabytes, when not 0, is what the operation moves, for a rate.
void addfigure(int entries, const char *operation, const Timing &timing, double plainms,
               double megabytes, const char *note);
// A figure that is not a time, such as a peak of memory in MB.
void addamount(int entries, const char *operation, double amount, const char *unit, const char *note);
void printfigures(FILE *out);
bool writefigures(const char *csvpath);

#endif
