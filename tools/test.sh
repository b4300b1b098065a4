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

# The Windows build that ships, then its tests under Wine.  A machine whose
# kernel cannot start 32-bit programs runs them on the 64-bit build of the same
# sources under the 64-bit Wine, and says so.
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-win -j"$jobs"
if [ "$(tools/wintarget.sh)" = i686 ]; then
    (cd build-win && ctest --output-on-failure)
else
    echo "test.sh: this kernel cannot start 32-bit programs; the Windows tests run on the x86_64 build under the 64-bit Wine"
    cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build-win64 -j"$jobs"
    (cd build-win64 && ctest --output-on-failure)
fi
