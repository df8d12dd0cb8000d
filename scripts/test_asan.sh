#!/usr/bin/env bash
# Installs what is missing, builds glossamo under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/, and runs every test there.
# Any sanitizer report fails the test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
./scripts/build_asan.sh
ctest --test-dir build-asan --output-on-failure -j2
