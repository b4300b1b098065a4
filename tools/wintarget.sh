#!/bin/sh
# Prints the Windows build that the tests can run on this machine: "i686",
# the one that ships, or "x86_64" where the kernel cannot start the 32-bit
# Wine and the 64-bit build of the same programs runs under the 64-bit Wine.
if sh "$(dirname "$0")/wine32-runs.sh"; then echo i686; else echo x86_64; fi
