#!/usr/bin/env bash
# Installs what is missing, builds, and starts glossamo.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
exec ./build/app/glossamo
