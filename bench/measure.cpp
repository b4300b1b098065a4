#include "bench/measure.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

static std::vector<Figure> figures;
static char platform[16] = "host";

double nowms()
{
    using clock = std::chrono::steady_clock;
    return std::chrono::duration<double, std::milli>(clock::now().time_since_epoch()).count();
}

Timing timeruns(int runs, const std::function<void()> &work)
{
    if (runs < 1) runs = 1;
    work();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        double start = nowms();
        work();
        times.push_back(nowms() - start);
    }
    std::sort(times.begin(), times.end());
    Timing timing;
    timing.median = times[times.size() / 2];
    timing.fastest = times.front();
    timing.runs = runs;
    return timing;
}

long long plainread(const char *path)
{
    static char piece[1 << 20];
    FILE *f = fopen(path, "rb");
    if (!f) return -1;
    setvbuf(f, nullptr, _IONBF, 0);
    long long total = 0;
    size_t got;
    while ((got = fread(piece, 1, sizeof piece, f)) > 0) total += (long long)got;
    fclose(f);
    return total;
}

bool plaincopy(const char *from, const char *to)
{
    static char piece[1 << 16];
    FILE *in = fopen(from, "rb");
    if (!in) return false;
    FILE *out = fopen(to, "wb");
    if (!out) {
        fclose(in);
        return false;
    }
    bool ok = true;
    size_t got;
    while (ok && (got = fread(piece, 1, sizeof piece, in)) > 0) ok = fwrite(piece, 1, got, out) == got;
    ok = !ferror(in) && ok;
    fclose(in);
    return fclose(out) == 0 && ok;
}

static void copyfield(char *target, size_t size, const char *text)
{
    size_t length = strnlen(text, size - 1);
    memcpy(target, text, length);
    target[length] = '\0';
}

void setplatform(const char *name)
{
    copyfield(platform, sizeof platform, name);
}

void addfigure(int entries, const char *operation, const Timing &timing, double plainms,
               double megabytes, const char *note)
{
    Figure f;
    copyfield(f.platform, sizeof f.platform, platform);
    f.entries = entries;
    copyfield(f.operation, sizeof f.operation, operation);
    f.timing = timing;
    f.plainms = plainms;
    f.megabytes = megabytes;
    copyfield(f.note, sizeof f.note, note);
    figures.push_back(f);
    printf("  %-48s %9.2f ms", operation, timing.median);
    if (plainms > 0) printf("  %5.2fx read", timing.median / plainms);
    if (megabytes > 0) printf("  %7.1f MB/s", megabytes / (timing.median / 1000.0));
    printf("\n");
    fflush(stdout);
}

void printfigures(FILE *out)
{
    fprintf(out, "| Platform | Entries | Operation | Median ms | Fastest ms | Runs | x plain read | MB/s | Held against |\n");
    fprintf(out, "|---|---:|---|---:|---:|---:|---:|---:|---|\n");
    for (const Figure &f : figures) {
        fprintf(out, "| %s | %d | %s | %.2f | %.2f | %d | ", f.platform, f.entries, f.operation,
                f.timing.median, f.timing.fastest, f.timing.runs);
        if (f.plainms > 0) fprintf(out, "%.2f", f.timing.median / f.plainms);
        fprintf(out, " | ");
        if (f.megabytes > 0) fprintf(out, "%.1f", f.megabytes / (f.timing.median / 1000.0));
        fprintf(out, " | %s |\n", f.note);
    }
}

bool writefigures(const char *csvpath)
{
    FILE *out = fopen(csvpath, "w");
    if (!out) return false;
    fprintf(out, "platform,entries,operation,median_ms,fastest_ms,runs,plain_read_ms,ratio_to_plain_read,mb_per_s,held_against\n");
    for (const Figure &f : figures) {
        fprintf(out, "%s,%d,\"%s\",%.3f,%.3f,%d,", f.platform, f.entries, f.operation, f.timing.median,
                f.timing.fastest, f.timing.runs);
        if (f.plainms > 0)
            fprintf(out, "%.3f,%.3f,", f.plainms, f.timing.median / f.plainms);
        else
            fprintf(out, ",,");
        if (f.megabytes > 0) fprintf(out, "%.1f", f.megabytes / (f.timing.median / 1000.0));
        fprintf(out, ",\"%s\"\n", f.note);
    }
    return fclose(out) == 0;
}
