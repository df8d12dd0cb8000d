#!/usr/bin/env bash
# Builds the libFuzzer programs of tests/fuzz with clang into build-fuzz/,
# and runs them.
#   scripts/fuzz.sh                    builds them
#   scripts/fuzz.sh TARGET [RUNS]      runs one for RUNS inputs (1000000 unless told)
#   scripts/fuzz.sh all [RUNS]         runs every target in turn
# A run reads the committed seeds of tests/fuzz/corpus/TARGET and keeps the
# inputs it finds in build-fuzz/corpus/TARGET; a finding is written to
# build-fuzz/findings/TARGET/ (crash-*, leak-*, timeout-*, oom-*) and ends
# the run with an error. Replay one with: build-fuzz/fuzz_TARGET FILE
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
if [ ! -f build-fuzz/build.ninja ]; then
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Fuzz -DGLOSSAMO_FUZZ=ON
fi
cmake --build build-fuzz --target fuzzers
[ $# -eq 0 ] && exit 0

targets=$(cd tests/fuzz && ls -- *_fuzz.cpp | sed 's/_fuzz\.cpp$//')
[ "$1" = all ] && chosen=$targets || chosen=$1
runs=${2:-1000000}
# The scratch files of the targets go to memory when it can.
[ -d /dev/shm ] && export TMPDIR=/dev/shm
export SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=dummy
for target in $chosen; do
  mkdir -p "build-fuzz/corpus/$target" "build-fuzz/findings/$target"
  echo "== $target: $runs runs"
  start=$(date +%s)
  "build-fuzz/fuzz_$target" -runs="$runs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/findings/$target/" "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" \
    2>"build-fuzz/findings/$target/log.txt" || { tail -n 60 "build-fuzz/findings/$target/log.txt"; exit 1; }
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "build-fuzz/findings/$target/log.txt"
  echo "   $(( $(date +%s) - start )) s"
done
