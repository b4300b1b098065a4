#!/usr/bin/env bash
# Installs what is missing, builds vantrel.exe and the bundled dictionary (the
# store compiled from data/orlavexdic.txt, the text source and "Read me.htm",
# as the release ships them) and starts it under Wine in a scratch folder of
# its own, as an installed copy runs.  Arguments go to vantrel.exe: a word to
# look up at once, for example "tools/run.sh harbour wall".
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
jobs=$(nproc)
# the shipped 32-bit build, or its 64-bit twin where the kernel cannot start
# the 32-bit Wine
target=$(tools/wintarget.sh)
build=build-win
[ "$target" = i686 ] || build=build-win64
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$target.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$jobs" --target release

scratch=$(mktemp -d /tmp/vantrel-run.XXXXXX)
for file in vantrel.exe dicbin.txt orlavexdic.txt "Read me.htm"; do
    cp "$build/payload/$file" "$scratch/"
done
cd "$scratch"
echo "running in $scratch"
exec "$OLDPWD/tools/wine-run.sh" ./vantrel.exe "$@"
