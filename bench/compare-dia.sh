#!/usr/bin/env bash
# PNG export side by side with Dia's, on the grid workload at 1,000 and 10,000 figures: the same
# drawing written as a .kdl (through the editor's own writer) and as a .dia by make_grid_diagram,
# exported by `kdltool export` and by `dia --export` (cairo PNG), turn about, RUNS times each
# (default 5). Prints the medians and their ratio; exits 1 when a ratio is below 10.
# Dia is only a comparison: when it is not installed the script says so and exits 0.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
kdltool="$BUILD_DIR/src/tools/kdltool"
generator="$BUILD_DIR/bench/make_grid_diagram"
if ! command -v dia >/dev/null 2>&1; then
  echo "compare-dia: dia is not installed; nothing to compare"
  exit 0
fi
for program in "$kdltool" "$generator"; do
  [ -x "$program" ] || { echo "compare-dia: build $program first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

python3 - "$kdltool" "$generator" "$work" "${RUNS:-5}" <<'PY'
import statistics, subprocess, sys, time
kdltool, generator, work, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])

def timed(command):
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start

ok = True
print(f"{'figures':>8} {'kdltool export':>15} {'dia --export':>13} {'ratio':>7}")
for n in (1000, 10000):
    kdl, dia = f"{work}/grid{n}.kdl", f"{work}/grid{n}.dia"
    subprocess.run([generator, str(n), kdl, dia], check=True, stderr=subprocess.DEVNULL)
    ours, theirs = [], []
    for _ in range(runs):
        ours.append(timed([kdltool, "export", kdl, f"{work}/ours{n}.png"]))
        theirs.append(timed(["dia", "--nosplash", "--log-to-stderr", "--filter=cairo-png",
                             f"--export={work}/dia{n}.png", dia]))
    a, b = statistics.median(ours), statistics.median(theirs)
    ratio = b / a
    ok &= ratio >= 10
    print(f"{n:>8} {a * 1000:>12.0f} ms {b * 1000:>10.0f} ms {ratio:>6.1f}x")
print("PNG export at least 10 times faster than Dia's:", "yes" if ok else "NO")
sys.exit(0 if ok else 1)
PY
