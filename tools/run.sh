#!/usr/bin/env bash
# Installs what is missing, builds vantrel.exe and starts it under Wine on the
# bundled dictionary, in a scratch folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
jobs=$(nproc)
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-win -j"$jobs" --target vantrel
cmake -S . -B build-host -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-host -j"$jobs" --target mkstore

scratch=$(mktemp -d /tmp/vantrel-run.XXXXXX)
build-host/mkstore tools/demo-entries.tsv "$scratch/dicbin.txt"
cp build-win/vantrel.exe "$scratch/"
cd "$scratch"
echo "running in $scratch"
exec "$OLDPWD/tools/wine-run.sh" ./vantrel.exe "$@"
