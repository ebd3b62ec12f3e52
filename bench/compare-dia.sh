#!/usr/bin/env bash
# PNG export side by side with Dia's, on the grid workload at 1,000 and 10,000 figures: the same
# drawing written as a .kdl (through the editor's own writer) and as a .dia by make_grid_diagram.
# Measured in one run, turn about, RUNS times each (default 3), medians compared with Dia's
# `dia --export` (cairo PNG, the whole command: start, read, draw, write, exit):
#   kdltool  the whole `kdltool export` command, as a user runs it: start, read the file, export,
#            exit (with kdltool's own defaults: QT_QPA_PLATFORM is left for it to choose)
#   editor   the editor's PNG export of figures it already holds, for reference
#            (bench_PngExportBench's BM_PngExport, in process)
# Every run checks that its work happened: both pictures are written afresh, kdltool's file holds
# every figure, and kdltool's picture has as many pixels as the editor's export drew.
# Exits 1 when kdltool or the editor is less than 10 times faster than Dia, 2 when a run did not
# do its work. Dia is only a comparison: when it is not installed the script says so and exits 0.
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

python3 - "$kdltool" "$generator" "$bench" "$work" "${RUNS:-3}" <<'PY'
import json, os, statistics, struct, subprocess, sys, time
kdltool, generator, bench, work, runs = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], int(sys.argv[5])
offscreen = dict(os.environ, QT_QPA_PLATFORM="offscreen")
as_a_user = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}

def fail(message):
    print("compare-dia:", message, file=sys.stderr)
    sys.exit(2)

def timed(command, output, env):
    if os.path.exists(output):
        os.remove(output)
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    seconds = time.perf_counter() - start
    if not os.path.exists(output):
        fail(f"{command[0]} wrote no {output}")
    return seconds

def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        fail(f"{path} is not a PNG picture")
    return struct.unpack(">II", head[16:24])

def editor_export(n):
    out = subprocess.run([bench, f"--benchmark_filter=BM_PngExport/{n}/", "--benchmark_format=json",
                          "--benchmark_min_time=0.2"], check=True, capture_output=True, text=True, env=offscreen).stdout
    run = [b for b in json.loads(out)["benchmarks"] if b.get("run_type") == "iteration"][0]
    return run["real_time"] / 1000, int(run["pixels"])  # milliseconds to seconds

ok = True
print(f"{'figures':>8} {'dia --export':>13} {'kdltool export':>15} {'ratio':>7}   {'editor (in process)':>20} {'ratio':>7}")
for n in (1000, 10000):
    kdl, dia = f"{work}/grid{n}.kdl", f"{work}/grid{n}.dia"
    subprocess.run([generator, str(n), kdl, dia], check=True, stderr=subprocess.DEVNULL, env=offscreen)
    counted = subprocess.run([kdltool, "check", kdl], check=True, capture_output=True, text=True, env=as_a_user).stdout
    if counted != f"{n} figures\n":
        fail(f"kdltool check {kdl} says {counted.strip()!r}, not {n} figures")
    ours, theirs = f"{work}/ours{n}.png", f"{work}/dia{n}.png"
    editor, tool, dia_times, pixels = [], [], [], set()
    for _ in range(runs):
        seconds, drawn = editor_export(n)
        editor.append(seconds)
        pixels.add(drawn)
        tool.append(timed([kdltool, "export", kdl, ours], ours, as_a_user))
        w, h = png_size(ours)
        pixels.add(w * h)
        dia_times.append(timed(["dia", "--nosplash", "--log-to-stderr", "--filter=cairo-png",
                                f"--export={theirs}", dia], theirs, os.environ))
        png_size(theirs)
    if len(pixels) != 1:
        fail(f"kdltool's picture ({w} x {h}) is not the editor's ({sorted(pixels)} pixels)")
    d, k, e = statistics.median(dia_times), statistics.median(tool), statistics.median(editor)
    ok &= d / k >= 10 and d / e >= 10
    print(f"{n:>8} {d * 1000:>10.0f} ms {k * 1000:>12.0f} ms {d / k:>6.1f}x   {e * 1000:>17.0f} ms {d / e:>6.1f}x"
          f"   ({w} x {h} pixels; runs: dia {' '.join(f'{t * 1000:.0f}' for t in dia_times)},"
          f" kdltool {' '.join(f'{t * 1000:.0f}' for t in tool)} ms)")
print("PNG export at least 10 times faster than Dia's, whole command against whole command:", "yes" if ok else "NO")
sys.exit(0 if ok else 1)
PY
