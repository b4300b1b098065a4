#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang and runs each for a fixed
# number of executions, starting from its seed corpus in fuzz/corpus/<harness>/.
#
#   tools/fuzz.sh          the short pass that CI runs (about a minute, fixed seed)
#   tools/fuzz.sh long     fifty times as many executions, a new seed each time
#   tools/fuzz.sh N        N times the short pass's executions
#
# A harness that finds a fault stops, and its input is kept as
# build-fuzz/crashes/<harness>-crash-...; replay it with
# build-fuzz/fuzz_<harness> <file>.  New inputs that reach new code go to a
# scratch corpus that is thrown away; copy the worthwhile ones into
# fuzz/corpus/<harness>/ by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${FUZZ_BUILD:-build-fuzz}

scale=1
seed=(-seed=1)
case "${1:-short}" in
    short) ;;
    long) scale=50; seed=() ;;
    *[!0-9]* | '') echo "usage: tools/fuzz.sh [short|long|N]" >&2; exit 2 ;;
    *) scale=$1; seed=() ;;
esac

tools/deps.sh
cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

# harness, executions of the short pass, longest input in bytes.  The source
# compiler's inputs reach past one 8000-byte line; every run of it writes
# whole 8104-byte records, which makes it the slowest.
harnesses=(
    "compile 30000 20000"
    "archive 100000 4096"
    "query 400000 9000"
    "commandline 250000 1024"
)

# the harnesses work in a scratch folder each: in memory where there is one
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/crashes"

failed=0
passed=0
for row in "${harnesses[@]}"; do
    read -r name runs maxlen <<<"$row"
    runs=$((runs * scale))
    mkdir -p "$scratch/$name"
    log="$build/fuzz-$name.log"
    start=$(date +%s)
    if "$build/fuzz_$name" -runs="$runs" -max_len="$maxlen" -timeout=20 "${seed[@]}" \
        -artifact_prefix="$root/$build/crashes/$name-" \
        "$scratch/$name" "$root/fuzz/corpus/$name" >"$log" 2>&1; then
        seconds=$(($(date +%s) - start))
        found=$(ls "$scratch/$name" | wc -l)
        printf 'fuzz %-12s %9d executions in %4d s, no fault, %d new inputs kept\n' \
            "$name" "$runs" "$seconds" "$found"
        passed=$((passed + 1))
    else
        echo "fuzz $name: FAULT FOUND; the log is $log, the input in $build/crashes/"
        grep -E '^\*\*\*|ERROR:|SUMMARY:|^    \(' "$log" | head -20 || true
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
