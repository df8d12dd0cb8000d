#!/usr/bin/env bash
# Builds glossamo in Release into build/ (configured once, as scripts/build.sh
# does) and makes its Debian package build/glossamo_<version>_<arch>.deb.
# Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
cd build
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
ls "$PWD"/glossamo_*.deb
