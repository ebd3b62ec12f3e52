#!/usr/bin/env bash
# Builds and runs every benchmark of bench/ (five repetitions each, medians reported) and prints
# one table of the performance budgets with the figure measured and its ratio to the budget.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh -DKEDRIN_BUILD_BENCH=ON
BUILD_DIR=${BUILD_DIR:-build}
out="$BUILD_DIR/bench-results"
mkdir -p "$out"
for program in "$BUILD_DIR"/bench/bench_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  name=$(basename "$program")
  echo "running $name" >&2
  QT_QPA_PLATFORM=offscreen "$program" --benchmark_repetitions="${REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true --benchmark_out_format=json \
    --benchmark_out="$out/$name.json" >/dev/null 2>"$out/$name.log"
done
python3 scripts/bench_report.py "$out"/*.json
