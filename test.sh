#!/usr/bin/env bash
# Installs what is missing, builds the desktop and the browser programs, and
# runs every test (the end-to-end tests start their own Xvfb, and the browser
# test a headless Chromium, so no display is needed).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
./scripts/build_web.sh
ctest --test-dir build --output-on-failure -j2
