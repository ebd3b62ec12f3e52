#!/usr/bin/env bash
# Configures the one instrumented build folder (build-asan, or $SAN_BUILD_DIR) that both the
# sanitizer tests and the fuzz replay use, and builds the targets named as arguments.
# clang, because libFuzzer needs it; every library carries AddressSanitizer,
# UndefinedBehaviorSanitizer and fuzzer coverage (harmless to the test programs, which link
# without libFuzzer). -O1 with line tables only: the build takes a third of the time of -O2 with
# full debugging information, and the reports still name the file and line.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
BUILD_DIR=${SAN_BUILD_DIR:-build-asan}
flags="-O1 -gline-tables-only -DNDEBUG"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEDRIN_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="$flags" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" \
  -DKEDRIN_BUILD_TESTS=ON -DKEDRIN_BUILD_BENCH=OFF
cmake --build "$BUILD_DIR" --target "$@"
