#!/usr/bin/env python3
"""Prints one table of the performance budgets from Google Benchmark JSON results.

Each row names a budget, the figure measured (the median of the repetitions) and its ratio to
the budget: at most 1.00 means the budget is met.
"""
import json
import sys


def load(paths):
    medians = {}
    for path in paths:
        with open(path) as f:
            data = json.load(f)
        for b in data.get("benchmarks", []):
            if b.get("aggregate_name") != "median":
                continue
            name = b["run_name"]
            if name.endswith("/real_time"):
                name = name[: -len("/real_time")]
            unit = b.get("time_unit", "ns")
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[unit]
            medians[name] = {
                "ms": b["real_time"] * scale,
                "mbps": b.get("bytes_per_second", 0) / 1e6,
            }
    return medians


def main():
    m = load(sys.argv[1:])
    rows = []

    def row(budget, measured, ratio):
        rows.append((budget, measured, ratio))

    def ms(name):
        return m[name]["ms"] if name in m else None

    def throughput(name, label, floor):
        if name in m:
            v = m[name]["mbps"]
            row(f"{label} >= {floor} MB/s", f"{v:.0f} MB/s", floor / v if v else float("inf"))

    throughput("BM_WriteRecords", "writer, 100,000 records", 100)
    throughput("BM_ReadRecords", "reader with figures, 100,000 records", 100)
    throughput("BM_ReadRecordsPlain", "reader without widgets", 100)
    walk = ms("BM_BareWalk")
    for name, label in (("BM_ReadRecordsPlain", "reader"), ("BM_ReadRecords", "reader with figures")):
        if walk and ms(name):
            r = ms(name) / walk
            row(f"{label} within 4x of a bare tag walk", f"{r:.2f}x ({ms(name):.0f} vs {walk:.0f} ms)", r / 4)

    def limit(name, label, budget_ms):
        t = ms(name)
        if t is not None:
            row(f"{label} <= {budget_ms:g} ms", f"{t:.1f} ms", t / budget_ms)

    limit("BM_OpenDiagram", "open a 10,000-figure diagram (all shown)", 1000)
    limit("BM_SaveDiagram", "save a 10,000-figure diagram", 200)
    limit("BM_RubberBandSelectAllFigures/10000/iterations:5", "rubber-band select 10,000 figures", 250)
    limit("BM_GroupNudge/10000", "arrow-key nudge of a 5,000-figure group", 50)
    limit("BM_GroupDragStep/10000", "one drag step of a 5,000-figure group", 50)

    # Flat cost per figure: ten times the figures should cost about ten times as much.
    for base, label in (("BM_GroupNudge", "nudge"), ("BM_GroupDragStep", "drag step"),
                        ("BM_RubberBandSelectAllFigures", "rubber band")):
        small = next((v["ms"] for k, v in m.items() if k.startswith(base + "/1000/") or k == base + "/1000"), None)
        large = next((v["ms"] for k, v in m.items() if k.startswith(base + "/10000/") or k == base + "/10000"), None)
        if small and large:
            growth = large / small / 10
            row(f"{label}: cost per figure 10,000 vs 1,000 <= 1.5x", f"{growth:.2f}x", growth / 1.5)

    export, bare = ms("BM_ExportJpeg"), ms("BM_BareRenderAndEncode")
    if export and bare:
        r = export / bare
        row("export 10,000 figures to a 4096x4096 JPEG <= 1.5x render+encode",
            f"{r:.2f}x ({export:.0f} vs {bare:.0f} ms)", r / 1.5)

    width = max(len(r[0]) for r in rows) if rows else 10
    mwidth = max(len(r[1]) for r in rows) if rows else 10
    print(f"{'budget'.ljust(width)}  {'measured'.ljust(mwidth)}  ratio  verdict")
    print(f"{'-' * width}  {'-' * mwidth}  -----  -------")
    missed = 0
    for budget, measured, ratio in rows:
        verdict = "met" if ratio <= 1.0 else "MISSED"
        missed += ratio > 1.0
        print(f"{budget.ljust(width)}  {measured.ljust(mwidth)}  {ratio:5.2f}  {verdict}")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
