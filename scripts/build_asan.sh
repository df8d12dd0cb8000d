#!/usr/bin/env bash
# Configures (once) and builds glossamo with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (build type Asan).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build-asan/build.ninja ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Asan
fi
cmake --build build-asan "$@"
