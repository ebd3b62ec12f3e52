#!/usr/bin/env bash
# Builds and runs every benchmark of bench/ and checks the results against the performance
# budgets (scripts/bench_report.py), printing one table.
#   ./scripts/bench.sh           full run: five repetitions each, medians; every budget must be met
#   ./scripts/bench.sh --smoke   two short repetitions each (CI): fails on an error, a missing
#                                budget row or a measurement beyond twice its budget
# A benchmark program that crashes or a benchmark that reports an error fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
smoke=""
if [ "${1:-}" = "--smoke" ]; then smoke="--smoke"; fi
./scripts/build.sh -DKEDRIN_BUILD_BENCH=ON
BUILD_DIR=${BUILD_DIR:-build}
out="$BUILD_DIR/bench-results${smoke:+-smoke}"
rm -rf "$out"
mkdir -p "$out"
if [ -n "$smoke" ]; then
  options=(--benchmark_repetitions=2 --benchmark_min_time=0.01)
else
  options=(--benchmark_repetitions="${REPETITIONS:-5}" --benchmark_report_aggregates_only=true)
fi
crashed=()
for program in "$BUILD_DIR"/bench/bench_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  name=$(basename "$program")
  echo "running $name" >&2
  if ! QT_QPA_PLATFORM=offscreen "$program" "${options[@]}" --benchmark_out_format=json \
      --benchmark_out="$out/$name.json" >/dev/null 2>"$out/$name.log"; then
    crashed+=("$name (see $out/$name.log)")
  fi
done
status=0
python3 scripts/bench_report.py $smoke "$out"/*.json || status=1
for c in ${crashed[@]+"${crashed[@]}"}; do
  echo "FAILED $c"
  status=1
done
exit $status
