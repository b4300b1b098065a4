#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any is missing.
set -euo pipefail

packages=(cmake make g++ googletest libgtest-dev python3 xauth xvfb
          g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386
          clang-14 libclang-rt-14-dev)  # the fuzz harnesses: clang and its libFuzzer

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

install_missing "${packages[@]}"

# A kernel without 32-bit emulation cannot start the 32-bit Wine; the Windows
# tests then run on a 64-bit build under the 64-bit Wine (tools/test.sh).
if ! "$(dirname "$0")/wine32-runs.sh"; then
    install_missing g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64
fi
