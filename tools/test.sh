#!/usr/bin/env bash
# Installs what is missing, builds both configurations and runs every test:
# natively under AddressSanitizer and UBSan, a short fuzz pass, then the
# Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
jobs=$(nproc)

cmake -S . -B build-host -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-host -j"$jobs"
(cd build-host && ctest --output-on-failure -j"$jobs")

# the short fuzz pass: each libFuzzer harness for a fixed number of runs
tools/fuzz.sh

cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-win -j"$jobs"
(cd build-win && ctest --output-on-failure)
