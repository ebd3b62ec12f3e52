#!/usr/bin/env bash
# PNG export side by side with Dia's, on the grid workload at 1,000 and 10,000 figures: the same
# drawing written as a .kdl (through the editor's own writer) and as a .dia by make_grid_diagram.
# Measured in one run, turn about, RUNS times each (default 5), medians compared with Dia's
# `dia --export` (cairo PNG, the whole command):
#   editor   the editor's PNG export of figures it holds (bench_PngExportBench's BM_PngExport)
#   kdltool  the whole `kdltool export` command: start, read the file, export, exit
# Exits 1 when a ratio is below 10. Dia is only a comparison: when it is not installed the script
# says so and exits 0.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
kdltool="$BUILD_DIR/src/tools/kdltool"
generator="$BUILD_DIR/bench/make_grid_diagram"
bench="$BUILD_DIR/bench/bench_PngExportBench"
if ! command -v dia >/dev/null 2>&1; then
  echo "compare-dia: dia is not installed; nothing to compare"
  exit 0
fi
for program in "$kdltool" "$generator" "$bench"; do
  [ -x "$program" ] || { echo "compare-dia: build $program first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

python3 - "$kdltool" "$generator" "$bench" "$work" "${RUNS:-5}" <<'PY'
import json, statistics, subprocess, sys, time
kdltool, generator, bench, work, runs = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], int(sys.argv[5])

def timed(command):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start

def editor_export(n):
    out = subprocess.run([bench, f"--benchmark_filter=BM_PngExport/{n}/", "--benchmark_format=json",
                          "--benchmark_min_time=0.2"], check=True, capture_output=True, text=True).stdout
    runs = [b for b in json.loads(out)["benchmarks"] if b.get("run_type") == "iteration"]
    return runs[0]["real_time"] / 1000  # milliseconds to seconds

ok = True
print(f"{'figures':>8} {'dia --export':>13} {'editor':>10} {'ratio':>7} {'kdltool':>10} {'ratio':>7}")
for n in (1000, 10000):
    kdl, dia = f"{work}/grid{n}.kdl", f"{work}/grid{n}.dia"
    subprocess.run([generator, str(n), kdl, dia], check=True, stderr=subprocess.DEVNULL)
    editor, tool, theirs = [], [], []
    for _ in range(runs):
        editor.append(editor_export(n))
        tool.append(timed([kdltool, "export", kdl, f"{work}/ours{n}.png"]))
        theirs.append(timed(["dia", "--nosplash", "--log-to-stderr", "--filter=cairo-png",
                             f"--export={work}/dia{n}.png", dia]))
    d, e, k = statistics.median(theirs), statistics.median(editor), statistics.median(tool)
    ok &= d / e >= 10 and d / k >= 10
    print(f"{n:>8} {d * 1000:>10.0f} ms {e * 1000:>7.0f} ms {d / e:>6.1f}x {k * 1000:>7.0f} ms {d / k:>6.1f}x")
print("PNG export at least 10 times faster than Dia's:", "yes" if ok else "NO")
sys.exit(0 if ok else 1)
PY
