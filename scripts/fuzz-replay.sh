#!/usr/bin/env bash
# Builds the record reader's fuzz target with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in its own folder (build-fuzz, or $FUZZ_BUILD_DIR) and runs every
# committed input through it once: the seed corpus in fuzz/corpus and every crash or regression
# input saved in fuzz/regressions. Seconds, not a fuzzing campaign: a crash, a sanitizer report,
# a leak, an input taking over 10 seconds or 2 GB fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEDRIN_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DKEDRIN_BUILD_TESTS=OFF -DKEDRIN_BUILD_BENCH=OFF
cmake --build "$BUILD_DIR" --target fuzz_record_reader
inputs=(fuzz/corpus/* fuzz/regressions/*)
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen "$BUILD_DIR/fuzz/fuzz_record_reader" -timeout=10 -rss_limit_mb=2048 "${inputs[@]}"
echo "fuzz-replay: ${#inputs[@]} inputs replayed"
