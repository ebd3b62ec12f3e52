#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# in the instrumented build folder (scripts/sanitizer-build.sh) and runs every committed input through
# its target once: the record reader's seeds in fuzz/corpus and finds in fuzz/regressions; the
# Mermaid reader's seeds in fuzz/corpus-mermaid, the examples of Mermaid's documentation
# (tests/data/mermaid-docs, tests/data/mermaid) and finds in fuzz/regressions/mermaid; the DOT
# reader's seeds in fuzz/corpus-dot and finds in fuzz/regressions/dot; the draw.io reader's seeds in
# tests/data/drawio and finds in fuzz/regressions/drawio. Seconds, not a fuzzing
# campaign: a crash, a sanitizer report, a leak, a failed round trip, an input taking over 10
# seconds or 2 GB fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
# The instrumented folder the sanitizer tests build too: what they built is not built again.
BUILD_DIR=${SAN_BUILD_DIR:-build-asan}
./scripts/sanitizer-build.sh fuzz_record_reader fuzz_mermaid_reader fuzz_dot_reader fuzz_drawio_reader
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
total=0
# Every file (not folder) of the folders given, through the target.
replay() {
  local target=$1
  shift
  local inputs=() folders=()
  for folder in "$@"; do [ -d "$folder" ] && folders+=("$folder"); done
  while IFS= read -r -d '' file; do inputs+=("$file"); done < <(find "${folders[@]}" -maxdepth 1 -type f ! -name README.md -print0 | sort -z)
  QT_QPA_PLATFORM=offscreen "$BUILD_DIR/fuzz/$target" -timeout=10 -rss_limit_mb=2048 "${inputs[@]}"
  total=$((total + ${#inputs[@]}))
}
replay fuzz_record_reader fuzz/corpus fuzz/regressions
replay fuzz_mermaid_reader fuzz/corpus-mermaid tests/data/mermaid-docs tests/data/mermaid fuzz/regressions/mermaid
replay fuzz_dot_reader fuzz/corpus-dot fuzz/regressions/dot
replay fuzz_drawio_reader tests/data/drawio tests/data/drawio/jgraph fuzz/regressions/drawio
echo "fuzz-replay: $total inputs replayed"
