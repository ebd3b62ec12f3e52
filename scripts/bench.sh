#!/usr/bin/env bash
# Builds and runs every benchmark of bench/ and checks the results against the performance
# budgets (scripts/bench_report.py), printing one table.
#   ./scripts/bench.sh           full run: five repetitions each, medians; every budget must be met
#   ./scripts/bench.sh --smoke   two short repetitions each (CI): fails on an error, a missing
#                                budget row or a measurement beyond twice its budget
# A benchmark program that crashes or a benchmark that reports an error fails the run.
# Programs named bench_Xcb* measure on a real X server: with Xvfb installed, the script starts one
# (-displayfd picks a free display; KEDRIN_BENCH_DISPLAY names one already running instead), runs
# them on the xcb platform against it and stops it; without Xvfb their budgets are skipped.
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
run() {  # run PLATFORM PROGRAM
  local name
  name=$(basename "$2")
  echo "running $name" >&2
  if ! QT_QPA_PLATFORM=$1 "$2" "${options[@]}" --benchmark_out_format=json \
      --benchmark_out="$out/$name.json" >/dev/null 2>"$out/$name.log"; then
    crashed+=("$name (see $out/$name.log)")
  fi
}
for program in "$BUILD_DIR"/bench/bench_*; do
  [ -f "$program" ] && [ -x "$program" ] || continue
  case $(basename "$program") in bench_Xcb*) continue ;; esac
  run offscreen "$program"
done

# The real-display benchmarks, on a screen large enough for 3,000 small figures in view at once.
xvfb_pid=""
stop_xvfb() { if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; xvfb_pid=""; fi; }
trap stop_xvfb EXIT
display=${KEDRIN_BENCH_DISPLAY:-}
if [ -z "$display" ] && command -v Xvfb >/dev/null; then
  # Xvfb writes the display's number once it accepts clients.
  Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp -noreset 3>"$out/Xvfb.display" >"$out/Xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do grep -q . "$out/Xvfb.display" 2>/dev/null && break; sleep 0.2; done
  number=$(head -n 1 "$out/Xvfb.display")
  if [ -n "$number" ]; then display=":$number"; else echo "Xvfb did not start (see $out/Xvfb.log)" >&2; crashed+=("Xvfb"); fi
fi
no_x=""
if [ -n "$display" ]; then
  for program in "$BUILD_DIR"/bench/bench_Xcb*; do
    [ -f "$program" ] && [ -x "$program" ] || continue
    DISPLAY=$display run xcb "$program"
  done
else
  no_x="--no-x"
  echo "no Xvfb: the real-display benchmarks are skipped" >&2
fi
stop_xvfb

status=0
python3 scripts/bench_report.py $smoke $no_x "$out"/*.json || status=1
for c in ${crashed[@]+"${crashed[@]}"}; do
  echo "FAILED $c"
  status=1
done
exit $status
