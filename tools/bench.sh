#!/usr/bin/env bash
# Runs the whole benchmark by hand (README, "Performance"):
#
#   tools/bench.sh            1,000, 5,000, 20,000 and 50,000 entries, 9 runs each
#   tools/bench.sh --quick    1,000 and 5,000 entries, 3 runs (about two minutes)
#
# It builds the benchmark for the host (optimised, no sanitizers) in
# build-bench-host and for Windows in build-bench-win, then runs
#   1. every operation on the headless dialog, natively,
#   2. the same under Wine,
#   3. keystrokes on the real dialog under Wine at every size, each as a
#      ratio to the plain read of the same store, with a breakdown of a word
#      box keystroke operation by operation at 1,000 and 20,000 entries (the
#      toolkit's plain calls and its shortcuts), and the peak memory of
#      vantrel.exe at every size,
# and leaves each table (.md) and its figures (.csv) in bench-results/.
# Figures are only worth keeping from a quiet machine: the load average is
# printed before and after.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

sizes=1000,5000,20000,50000
runs=9
breakdown=1000,20000
if [ "${1:-}" = "--quick" ]; then
    sizes=1000,5000
    runs=3
    breakdown=1000
elif [ -n "${1:-}" ]; then
    echo "usage: tools/bench.sh [--quick]" >&2
    exit 2
fi

tools/deps.sh
jobs=$(nproc)
cmake -S . -B build-bench-host -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench-host -j"$jobs" --target benchmark >/dev/null
# the 64-bit build where the kernel cannot start the 32-bit Wine (the figures then say so)
cmake -S . -B build-bench-win -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$(tools/wintarget.sh).cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench-win -j"$jobs" --target benchmark dialogbench vantrel >/dev/null

results=$root/bench-results
mkdir -p "$results"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores; Windows build: $(tools/wintarget.sh)"

build-bench-host/benchmark --sizes "$sizes" --runs "$runs" --csv "$results/host.csv" \
    --work "$results/work-host" | tee "$results/host.md"

(cd "$results" && "$root/tools/wine-run.sh" "$root/build-bench-win/benchmark.exe" --sizes "$sizes" \
    --runs "$runs" --csv wine.csv --work work-wine) | tee "$results/wine.md"

(cd "$results" && "$root/tools/wine-run.sh" "$root/build-bench-win/dialogbench.exe" --sizes "$sizes" \
    --breakdown "$breakdown" --runs "$runs" --csv dialog.csv --work work-dialog \
    --vantrel "Z:$root/build-bench-win/vantrel.exe") | tee "$results/dialog.md"

rm -rf "$results/work-host" "$results/work-wine" "$results/work-dialog"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "tables and CSV files in bench-results/"
