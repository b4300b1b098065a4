#!/bin/sh
# Runs a Windows program under Wine for the tests:  wine-run.sh PROGRAM.exe [ARG...]
#
# - a private Wine prefix, made on first use (VANTREL_WINEPREFIX, by default
#   /tmp/vantrel-wine-UID), set up so that no window manager is awaited and a
#   crash ends the run instead of opening Wine's crash dialog;
# - a virtual screen of 1280 x 1024 (xvfb-run) when no DISPLAY is set;
# - one run at a time per prefix (a lock), and Wine's helper processes ended
#   afterwards, so nothing is left running;
# - the working directory and the arguments are kept as they are; the exit
#   status is the program's.
set -u

if [ $# -lt 1 ]; then
    echo "usage: $0 PROGRAM.exe [ARG...]" >&2
    exit 2
fi

# Where the kernel cannot start 32-bit programs, the 64-bit Wine runs the
# 64-bit build of the same programs (tools/test.sh), in a prefix of its own.
if sh "$(dirname "$0")/wine32-runs.sh"; then
    export WINEARCH=win32
    loader=wine
    suffix=
else
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64
    loader=$WINELOADER
    suffix=-64
fi
prefix=${VANTREL_WINEPREFIX:-${TMPDIR:-/tmp}/vantrel-wine-$(id -u)}$suffix
export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# the same locale everywhere, so sorted lists sort alike on every machine
export LANG=C.UTF-8 LC_ALL=C.UTF-8

if [ -z "${VANTREL_WINE_INNER:-}" ]; then
    # Outer run: take the prefix's lock, then give the inner run a screen.
    mkdir -p "$(dirname "$prefix")"
    exec 9>"$prefix.lock"
    flock 9
    export VANTREL_WINE_INNER=1
    if [ -n "${DISPLAY:-}" ]; then
        sh "$0" "$@"
    else
        xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$@"
    fi
    exit $?
fi

if [ ! -f "$prefix/.vantrel-ready" ]; then
    echo "wine-run: making the Wine prefix $prefix (once)" >&2
    "$loader" wineboot -i >/dev/null 2>&1
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$loader" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.vantrel-ready"
fi

"$loader" "$@"
status=$?
wineserver -k >/dev/null 2>&1
exit $status
