#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the end-to-end tests
# start their own Xvfb, so no display is needed).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
ctest --test-dir build --output-on-failure -j2
