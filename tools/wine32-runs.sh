#!/bin/sh
# Succeeds when this machine can start 32-bit programs, and so the 32-bit
# Wine; some kernels are built or booted without 32-bit emulation.
[ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
