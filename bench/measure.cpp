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

Timing timeruns(int runs, const std::function<void()> &work, const std::function<void()> &prepare)
{
    if (runs < 1) runs = 1;
    if (prepare) prepare();
    work();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare) prepare();
        double start = nowms();
        work();
        times.push_back(nowms() - start);
    }
    return timingof(times, false);
}

Timing timingof(std::vector<double> times, bool warmup)
{
    if (warmup && !times.empty()) times.erase(times.begin());
    Timing timing = {0, 0, (int)times.size()};
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        timing.median = times[times.size() / 2];
        timing.fastest = times.front();
    }
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

static void record(Figure *f)
{
    figures.push_back(*f);
    printf("  %-48s", f->operation);
    if (f->timing.runs > 0) printf(" %9.2f ms", f->timing.median);
    if (f->plainms > 0) printf("  %5.2fx read", f->timing.median / f->plainms);
    if (f->unit[0]) printf("  %8.1f %s", f->amount, f->unit);
    printf("\n");
    fflush(stdout);
}

static Figure newfigure(int entries, const char *operation, const char *note)
{
    Figure f;
    memset(&f, 0, sizeof f);
    copyfield(f.platform, sizeof f.platform, platform);
    f.entries = entries;
    copyfield(f.operation, sizeof f.operation, operation);
    copyfield(f.note, sizeof f.note, note);
    return f;
}

void addfigure(int entries, const char *operation, const Timing &timing, double plainms,
               double megabytes, const char *note)
{
    Figure f = newfigure(entries, operation, note);
    f.timing = timing;
    f.plainms = plainms;
    if (megabytes > 0 && timing.median > 0) {
        f.amount = megabytes / (timing.median / 1000.0);
        copyfield(f.unit, sizeof f.unit, "MB/s");
    }
    record(&f);
}

void addamount(int entries, const char *operation, double amount, const char *unit, const char *note)
{
    Figure f = newfigure(entries, operation, note);
    f.amount = amount;
    copyfield(f.unit, sizeof f.unit, unit);
    record(&f);
}

void printfigures(FILE *out)
{
    fprintf(out, "| Platform | Entries | Operation | Median ms | Fastest ms | Runs | x plain read | Rate or size | Held against |\n");
    fprintf(out, "|---|---:|---|---:|---:|---:|---:|---:|---|\n");
    for (const Figure &f : figures) {
        fprintf(out, "| %s | %d | %s | ", f.platform, f.entries, f.operation);
        if (f.timing.runs > 0)
            fprintf(out, "%.2f | %.2f | %d | ", f.timing.median, f.timing.fastest, f.timing.runs);
        else
            fprintf(out, " |  |  | ");
        if (f.plainms > 0) fprintf(out, "%.2f", f.timing.median / f.plainms);
        fprintf(out, " | ");
        if (f.unit[0]) fprintf(out, "%.1f %s", f.amount, f.unit);
        fprintf(out, " | %s |\n", f.note);
    }
}

// A CSV field in quotes, its own quotes doubled.
static void quoted(FILE *out, const char *text)
{
    fputc('"', out);
    for (const char *c = text; *c; ++c) {
        if (*c == '"') fputc('"', out);
        fputc(*c, out);
    }
    fputc('"', out);
}

bool writefigures(const char *csvpath)
{
    FILE *out = fopen(csvpath, "w");
    if (!out) return false;
    fprintf(out, "platform,entries,operation,median_ms,fastest_ms,runs,plain_read_ms,ratio_to_plain_read,amount,unit,held_against\n");
    for (const Figure &f : figures) {
        fprintf(out, "%s,%d,", f.platform, f.entries);
        quoted(out, f.operation);
        fputc(',', out);
        if (f.timing.runs > 0)
            fprintf(out, "%.3f,%.3f,%d,", f.timing.median, f.timing.fastest, f.timing.runs);
        else
            fprintf(out, ",,,");
        if (f.plainms > 0)
            fprintf(out, "%.3f,%.3f,", f.plainms, f.timing.median / f.plainms);
        else
            fprintf(out, ",,");
        if (f.unit[0])
            fprintf(out, "%.1f,%s", f.amount, f.unit);
        else
            fprintf(out, ",");
        fputc(',', out);
        quoted(out, f.note);
        fputc('\n', out);
    }
    return fclose(out) == 0;
}
