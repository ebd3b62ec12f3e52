#!/usr/bin/env python3
"""Checks Google Benchmark JSON results against the performance budgets; prints one table.

usage: bench_report.py [--smoke] [--no-x] RESULT.json...

Every row of BUDGETS names the benchmarks it reads. The report fails (exit status 1) when a
result file cannot be read, when any benchmark reported an error, when a row's benchmark is
missing, or when a measurement misses its budget. A full run (medians of repetitions) must meet
every budget exactly; a smoke run (two short repetitions each, the quicker counts) only has to
stay within twice the budget, which still catches gross regressions such as a quadratic walk.
With --no-x (no X server to measure on) the rows of the real-display benchmarks (BM_Xcb*) are
skipped. Rows listed in KNOWN_MISSES are budgets not met yet: shown as missed, with the reason,
without failing the run.
"""
import json
import sys

SMOKE_TOLERANCE = 2.0

# One budget per row: (kind, what is promised, benchmarks, budget).
#   max_ms:   the benchmark's time is at most the budget in milliseconds
#   min_mbps: the benchmark processes at least the budget in MB/s
#   within:   the first benchmark takes at most budget times the second
#   flat:     the first (1,000 figures) times ten costs at least 1/budget of the second (10,000)
#   flat_n:   as flat, for any two sizes: the growth of the time over that of their "figures" counters
#   within_best: the first takes at most budget times the quickest of the others
#   max_counter: the counter named second, of the first benchmark, is at most the budget
BUDGETS = [
    ("min_mbps", "writer, 100,000 records", ["BM_WriteRecords"], 100),
    ("min_mbps", "reader without widgets", ["BM_ReadRecordsPlain"], 100),
    ("within", "reader vs a bare tag walk", ["BM_ReadRecordsPlain", "BM_BareWalk"], 4),
    ("max_ms", "open a 10,000-figure diagram (all shown)", ["BM_OpenDiagram"], 1000),
    ("max_ms", "save a 10,000-figure diagram", ["BM_SaveDiagram"], 200),
    ("max_ms", "rubber-band select 10,000 figures", ["BM_RubberBandSelectAllFigures/10000"], 250),
    ("max_ms", "arrow-key nudge of a 5,000-figure group", ["BM_GroupNudge/10000"], 50),
    ("max_ms", "one drag step of a 5,000-figure group", ["BM_GroupDragStep/10000"], 50),
    ("flat", "nudge: cost per figure 10,000 vs 1,000", ["BM_GroupNudge/1000", "BM_GroupNudge/10000"], 1.5),
    ("flat", "drag step: cost per figure 10,000 vs 1,000", ["BM_GroupDragStep/1000", "BM_GroupDragStep/10000"], 1.5),
    ("flat", "rubber band: cost per figure 10,000 vs 1,000",
     ["BM_RubberBandSelectAllFigures/1000", "BM_RubberBandSelectAllFigures/10000"], 1.5),
    ("within", "export 10,000 figures to a 4096x4096 JPEG vs render+encode",
     ["BM_ExportJpeg", "BM_BareRenderAndEncode"], 1.5),
    # The floor draws on one core and packs the same 1-bit palette rows the export writes; the
    # export draws in bands on every core, so it runs at about 0.2x of it: 0.5 catches a slowdown
    # of 2.5x.
    ("within_best", "PNG export of the 1,000-figure grid vs render + pack + the fastest PNG encoder",
     ["BM_PngExport/1000", "BM_FloorSpng/1000", "BM_FloorLibpng/1000"], 0.5),
    ("within_best", "PNG export of the 10,000-figure grid vs render + pack + the fastest PNG encoder",
     ["BM_PngExport/10000", "BM_FloorSpng/10000", "BM_FloorLibpng/10000"], 0.5),
    ("max_ms", "SVG export of 10,000 figures", ["BM_ExportSvg10k"], 1000),
    ("max_ms", "PDF export of 10,000 figures", ["BM_ExportPdf10k"], 1000),
    ("max_ms", "undo a drag of a 5,000-figure group", ["BM_UndoGroupDrag/10000"], 50),
    ("max_ms", "redo a drag of a 5,000-figure group", ["BM_RedoGroupDrag/10000"], 50),
    ("flat", "undo of a group drag: cost per figure 10,000 vs 1,000",
     ["BM_UndoGroupDrag/1000", "BM_UndoGroupDrag/10000"], 1.5),
    ("flat", "redo of a group drag: cost per figure 10,000 vs 1,000",
     ["BM_RedoGroupDrag/1000", "BM_RedoGroupDrag/10000"], 1.5),
    ("max_ms", "undo deleting 10,000 figures (back, shown, stacked)", ["BM_UndoDeleteAll"], 1000),
    ("max_counter", "history of 1,000 moves and restyles on 10,000 figures, MB",
     ["BM_HistoryMemory", "history_MB"], 20),
    ("max_ms", "UI thread per autosave of 10,000 figures", ["BM_AutosaveUiThread"], 25),
    ("max_ms", "UI thread per autosave of a 10,000-figure document window", ["BM_AutosaveThroughLink"], 25),
    ("max_ms", "zoom a 10,000-figure diagram to 50 % or back, repainted", ["BM_ZoomChange/10000/50"], 150),
    ("max_ms", "zoom a 10,000-figure diagram to 200 % or back, repainted", ["BM_ZoomChange/10000/200"], 150),
    ("max_ms", "one drag step of a 5,000-figure group at 50 %", ["BM_GroupDragStepZoomed/10000/50"], 50),
    ("max_ms", "one drag step of a 5,000-figure group at 200 %", ["BM_GroupDragStepZoomed/10000/200"], 50),
    ("flat", "drag step at 50 %: cost per figure 10,000 vs 1,000",
     ["BM_GroupDragStepZoomed/1000/50", "BM_GroupDragStepZoomed/10000/50"], 1.5),
    ("flat", "drag step at 200 %: cost per figure 10,000 vs 1,000",
     ["BM_GroupDragStepZoomed/1000/200", "BM_GroupDragStepZoomed/10000/200"], 1.5),
    ("max_ms", "find what follows a 5,000-figure group drag", ["BM_FindAttachments/10000"], 30),
    ("flat", "followers' drag step: cost per figure 10,000 vs 1,000",
     ["BM_FollowDragStep/1000", "BM_FollowDragStep/10000"], 1.5),
    ("max_ms", "the document finds what follows a 5,000-figure group drag", ["BM_WiredFind/10000"], 30),
    ("max_ms", "one drag step of a 5,000-figure group with its followers", ["BM_WiredFollowStep/10000"], 50),
    ("flat", "drag step with followers: cost per figure 10,000 vs 1,000",
     ["BM_WiredFollowStep/1000", "BM_WiredFollowStep/10000"], 1.5),
    ("max_ms", "smart guides per mouse move among 10,000 figures", ["BM_GuideSnap/10000"], 5),
    ("max_ms", "Align Left of 5,000 selected figures, repainted", ["BM_Arrange/5000/0"], 100),
    ("max_ms", "Distribute Horizontally of 5,000 selected figures, repainted", ["BM_Arrange/5000/6"], 100),
    ("max_ms", "Make Same Size of 5,000 selected figures, repainted", ["BM_Arrange/5000/10"], 100),
    ("max_ms", "guided drag step among 10,000 figures, guide lines shown", ["BM_GuidedDragStep/10000"], 5),
    ("max_ms", "one drag step of a 3,000-figure group in view on X, until shown", ["BM_XcbGroupDragStep/3000"], 50),
    ("flat_n", "drag step on X: cost per figure in view 3,000 vs 1,000",
     ["BM_XcbGroupDragStep/1000", "BM_XcbGroupDragStep/3000"], 1.5),
    # 100,000 figures.
    ("max_ms", "open a 100,000-figure diagram until painted", ["BM_OpenLarge/100000"], 1000),
    ("max_counter", "memory grown by opening 100,000 figures, MB", ["BM_OpenLarge/100000", "rss_mb"], 150),
    ("max_ms", "Select All of 100,000 figures, painted", ["BM_SelectAllLarge/100000"], 100),
    ("max_counter", "memory grown by selecting 100,000 figures, MB", ["BM_SelectAllLarge/100000", "rss_mb"], 10),
    ("max_ms", "deselect 100,000 figures, painted", ["BM_DeselectLarge/100000"], 100),
    ("max_ms", "arrow-key nudge of a 100,000-figure group, painted", ["BM_NudgeLarge/100000"], 33),
    ("max_ms", "one drag step of a 100,000-figure group, painted", ["BM_DragStepLarge/100000"], 33),
    ("max_ms", "zoom change of 100,000 figures, painted", ["BM_ZoomLarge/100000/0"], 100),
    ("max_ms", "zoom change of 100,000 selected figures, painted", ["BM_ZoomLarge/100000/1"], 100),
    ("flat_n", "open: cost per figure 100,000 vs 1,000", ["BM_OpenLarge/1000", "BM_OpenLarge/100000"], 1.3),
    ("flat_n", "Select All: cost per figure 100,000 vs 1,000",
     ["BM_SelectAllLarge/1000", "BM_SelectAllLarge/100000"], 1.3),
    ("flat_n", "nudge: cost per figure 100,000 vs 1,000", ["BM_NudgeLarge/1000", "BM_NudgeLarge/100000"], 1.3),
    ("flat_n", "drag step: cost per figure 100,000 vs 1,000",
     ["BM_DragStepLarge/1000", "BM_DragStepLarge/100000"], 1.3),
    ("flat_n", "zoom: cost per figure 100,000 vs 1,000", ["BM_ZoomLarge/1000/0", "BM_ZoomLarge/100000/0"], 1.3),
    ("flat_n", "save: cost per figure 100,000 vs 1,000", ["BM_SaveLarge/1000", "BM_SaveLarge/100000"], 1.3),
    ("max_ms", "undo of an arrow-key nudge of a 100,000-figure group, painted", ["BM_UndoNudgeLarge/100000"], 50),
    ("flat_n", "undo of a nudge: cost per figure 100,000 vs 1,000", ["BM_UndoNudgeLarge/1000", "BM_UndoNudgeLarge/100000"], 1.3),
    ("flat_n", "zoom with a selection: cost per figure 100,000 vs 1,000", ["BM_ZoomLarge/1000/1", "BM_ZoomLarge/100000/1"], 1.3),
    # Typing texts and selecting shapes with them.
    ("max_ms", "open the text editor over a shape among 10,000 figures", ["BM_OpenTextEditor/10000"], 30),
    ("max_ms", "find a shape's text and a connector's label on a press, 10,000 figures",
     ["BM_FindTextOnPress/10000"], 1),
    ("max_ms", "delete 5,000 shapes with their texts and connectors", ["BM_DeleteShapesWithTexts/5000"], 300),
    ("max_ms", "undo deleting 5,000 shapes with their texts and connectors",
     ["BM_UndoDeleteShapesWithTexts/5000"], 300),
    # Style at a glance.
    ("max_ms", "swatch click on 5,000 selected figures, repainted", ["BM_SwatchClick/5000"], 100),
    ("max_ms", "properties panel following a selection of 10,000 figures", ["BM_PropertiesFollowSelection/10000"], 50),
    ("max_ms", "smooth drawing: one drag step of a 5,000-figure group", ["BM_SmoothGroupDragStep/10000"], 50),
    ("max_ms", "smooth drawing: zoom a 10,000-figure diagram to 50 %", ["BM_SmoothZoomChange/10000/50"], 150),
    ("max_ms", "smooth drawing: zoom a 10,000-figure diagram to 200 %", ["BM_SmoothZoomChange/10000/200"], 150),
    # Connectors.
    ("max_ms", "route one connector among 10,000 figures", ["BM_RouteConnector/10000"], 0.5),
    ("max_ms", "drag step of 250 shapes with 500 elbow connectors on 10,000 figures",
     ["BM_DragStepElbow/10000"], 20),
    ("within", "elbow drag step: 10,000 figures vs 1,000", ["BM_DragStepElbow/10000", "BM_DragStepElbow/1000"], 1.3),
    ("max_ms", "quick connect until painted on 10,000 figures", ["BM_QuickConnect/10000"], 30),
    # Flowcharts as graphs.
    ("max_ms", "find the graph of a 10,000-figure diagram", ["BM_DiagramGraph/10000"], 50),
    ("max_ms", "Auto Layout of 100 shapes until painted", ["BM_AutoLayout/100"], 150),
    ("max_ms", "Auto Layout of 1,000 shapes until painted", ["BM_AutoLayout/1000"], 2000),
    # Layout quality over the example charts (Mermaid's documentation and the DOT charts), through
    # the real import: counts that must stay 0 (a budget of 0.4 holds only 0, in the short run too).
    ("max_ms", "import and measure the 123 example charts", ["BM_ChartQuality"], 100),
    ("max_counter", "example charts: jogs under 15 px", ["BM_ChartQuality", "jogs"], 0.4),
    ("max_counter", "example charts: runs through shapes", ["BM_ChartQuality", "through_shapes"], 0.4),
    ("max_counter", "example charts: runs through texts", ["BM_ChartQuality", "through_texts"], 0.4),
    ("max_counter", "example charts: labels on lines", ["BM_ChartQuality", "labels_on_lines"], 0.4),
    ("max_counter", "example charts: crossings beyond Graphviz's own", ["BM_ChartQuality", "crossings_beyond_graphviz"], 0.4),
    ("max_ms", "kdltool render of a 50-node Mermaid chart to PNG, whole process", ["BM_RenderProcess"], 200),
    # Figures as values; routing around shapes.
    ("within", "100,000 records read into values vs into figure objects",
     ["BM_ReadRecordsIntoValues", "BM_ReadRecordsIntoObjects"], 0.6),
    ("max_ms", "route again the 6 connectors of a dragged shape among 10,000 figures", ["BM_RerouteDragStep/10000"], 4),
    ("within", "re-routing a dragged shape's connectors: 10,000 figures vs 1,000",
     ["BM_RerouteDragStep/10000", "BM_RerouteDragStep/1000"], 1.3),
    ("max_ms", "route a 100-shape chart of 150 connectors whole", ["BM_RouteChart"], 20),
    # Mermaid as written.
    ("max_ms", "Mermaid reader, a 1 MB chart of 10,000 nodes", ["BM_MermaidRead1MB"], 100),
    ("max_ms", "Mermaid reader, a chain of 10,000 nodes", ["BM_MermaidRead/10000"], 100),
    ("max_ms", "Mermaid reader, a chain of 100,000 nodes", ["BM_MermaidRead/100000"], 200),
    ("flat_n", "Mermaid reader: cost per node 100,000 vs 10,000", ["BM_MermaidRead/10000", "BM_MermaidRead/100000"], 1.5),
    # draw.io files.
    ("max_ms", "import a 1,000-shape draw.io file (read and mapped to figures)", ["BM_DrawioImport1000"], 250),
    ("max_ms", "routing again during a drag step of a shape with 6 elbow connectors on a 10,000-figure diagram",
     ["BM_ElbowFollowStep/10000"], 4),
    # Containers and lanes.
    ("max_ms", "one drag step of a container of 200 shapes and 300 connectors, painted", ["BM_ContainerDragStep"], 16),
    ("max_ms", "Auto Layout of 100 steps in 5 lanes until painted", ["BM_LaneAutoLayout/100"], 200),
    # Versions of a diagram.
    ("max_ms", "compare two 10,000-figure diagrams (kdltool diff's work after reading the files)", ["BM_DiagramDiff10000"], 200),
    # Text work.
    ("max_ms", "Find over 10,000 texts: the first hit", ["BM_FindFirstHit/10000"], 50),
    ("max_ms", "Replace All of 1,000 hits in 10,000 texts", ["BM_ReplaceAll/10000"], 200),
    # Layout in its own program.
    ("max_counter", "layout program's cost to a 100-shape Auto Layout, ms", ["BM_LayoutProcessOverhead/100", "overhead_ms"], 20),
    ("max_ms", "paste of a 300-shape, 900-link chart until drawn", ["BM_PasteDenseChart"], 30000),
    ("max_ms", "paste of a 200,000-step chain until refused", ["BM_PasteLongChain"], 60000),
]

# Budgets the editor does not meet yet. Their rows are measured and shown as missed like any other,
# but do not fail the run, so that a regression elsewhere still does; each names why.
KNOWN_MISSES = {
    "arrow-key nudge of a 100,000-figure group, painted":
        "the history records and compares 100,000 bounds per step, and finds what follows at every edit start",
    "undo of an arrow-key nudge of a 100,000-figure group, painted":
        "the history's step holds and compares 100,000 bounds; the reselection sorts the members",
}


def plain_name(name):
    """The benchmark's name without the suffixes its options add (real time, fixed iterations)."""
    parts = [p for p in name.split("/") if p != "real_time" and not p.startswith("iterations:")]
    return "/".join(parts)


def load(paths, fastest):
    """By benchmark name: the median of its repetitions, or with fastest the quickest of them (a
    short run's slower repetitions only add noise); then errors and unreadable files."""
    runs, medians, errors, problems = {}, {}, [], []
    for path in paths:
        try:
            with open(path) as f:
                data = json.load(f)
        except (OSError, ValueError) as e:
            problems.append(f"{path}: {e}")
            continue
        for b in data.get("benchmarks", []):
            name = plain_name(b.get("run_name", b["name"]))
            if b.get("error_occurred"):
                errors.append(f"{name}: {b.get('error_message', 'error')}")
                continue
            unit = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b.get("time_unit", "ns")]
            value = {"ms": b["real_time"] * unit, "mbps": b.get("bytes_per_second", 0) / 1e6,
                     "counters": {k: v for k, v in b.items() if isinstance(v, (int, float))}}
            if b.get("run_type") == "aggregate":
                if b.get("aggregate_name") == "median":
                    medians[name] = value
            else:
                runs.setdefault(name, []).append(value)
    chosen = {}
    for name, values in runs.items():
        values = sorted(values, key=lambda v: v["ms"])
        chosen[name] = values[0] if fastest else values[len(values) // 2]
    if not fastest:
        chosen.update(medians)
    for name in medians:
        chosen.setdefault(name, medians[name])
    return chosen, errors, problems


def evaluate(kind, names, budget, m):
    """(measured text, ratio to the budget); ratio above 1 misses it."""
    if kind == "max_ms":
        t = m[names[0]]["ms"]
        return f"{t:.1f} ms", t / budget
    if kind == "min_mbps":
        v = m[names[0]]["mbps"]
        return f"{v:.0f} MB/s", budget / v if v else float("inf")
    if kind == "within":
        a, b = m[names[0]]["ms"], m[names[1]]["ms"]
        r = a / b
        return f"{r:.2f}x ({a:.0f} vs {b:.0f} ms)", r / budget
    if kind == "within_best":
        a = m[names[0]]["ms"]
        best = min(m[n]["ms"] for n in names[1:])
        r = a / best
        return f"{r:.2f}x ({a:.0f} vs {best:.0f} ms)", r / budget
    if kind == "max_counter":
        v = m[names[0]]["counters"].get(names[1])
        if v is None:
            raise KeyError(f"{names[0]} reports no {names[1]}")
        return f"{v:.1f}", v / budget
    if kind == "flat":
        small, large = m[names[0]]["ms"], m[names[1]]["ms"]
        growth = large / small / 10
        return f"{growth:.2f}x", growth / budget
    if kind == "flat_n":
        small, large = m[names[0]], m[names[1]]
        sizes = [b["counters"].get("figures") for b in (small, large)]
        if not all(sizes):
            raise KeyError(f"{names[0]} or {names[1]} reports no figures")
        growth = large["ms"] / small["ms"] / (sizes[1] / sizes[0])
        return f"{growth:.2f}x", growth / budget
    raise ValueError(f"unknown budget kind {kind}")


def promise(kind, label, budget):
    if kind == "max_ms":
        return f"{label} <= {budget:g} ms"
    if kind == "min_mbps":
        return f"{label} >= {budget:g} MB/s"
    if kind == "max_counter":
        return f"{label} <= {budget:g}"
    return f"{label} <= {budget:g}x"


def main(argv):
    smoke = "--smoke" in argv
    no_x = "--no-x" in argv
    paths = [a for a in argv if a not in ("--smoke", "--no-x")]
    if not paths:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    m, errors, problems = load(paths, fastest=smoke)
    allowed = SMOKE_TOLERANCE if smoke else 1.0

    rows, failed, known, used = [], 0, 0, set()
    for kind, label, names, budget in BUDGETS:
        benchmarks = names[:1] if kind == "max_counter" else names
        used.update(benchmarks)
        if no_x and any(n.startswith("BM_Xcb") for n in benchmarks):
            rows.append((promise(kind, label, budget), "skipped: no X server", None, "skipped"))
            continue
        missing = [n for n in benchmarks if n not in m]
        if missing:
            rows.append((promise(kind, label, budget), "missing: " + ", ".join(missing), None, "MISSING"))
            failed += 1
            continue
        measured, ratio = evaluate(kind, names, budget, m)
        verdict = "met" if ratio <= 1.0 else ("within 2x" if ratio <= allowed else "MISSED")
        if ratio > 1.0 and label in KNOWN_MISSES:
            verdict = "MISSED (known: " + KNOWN_MISSES[label] + ")"
            known += 1
        else:
            failed += ratio > allowed
        rows.append((promise(kind, label, budget), measured, ratio, verdict))

    width = max(len(r[0]) for r in rows)
    mwidth = max(len(r[1]) for r in rows)
    print(("smoke run: a budget fails only beyond 2x" if smoke else "full run: every budget must be met"))
    print(f"{'budget'.ljust(width)}  {'measured'.ljust(mwidth)}  ratio  verdict")
    print(f"{'-' * width}  {'-' * mwidth}  -----  -------")
    for budget, measured, ratio, verdict in rows:
        shown = f"{ratio:5.2f}" if ratio is not None else "    -"
        print(f"{budget.ljust(width)}  {measured.ljust(mwidth)}  {shown}  {verdict}")
    unbudgeted = sorted(set(m) - used)
    if unbudgeted:
        print("measured without a budget: " + ", ".join(unbudgeted))
    errors = list(dict.fromkeys(errors))  # one line per benchmark, not per repetition
    for e in errors:
        print(f"ERROR {e}")
    for p in problems:
        print(f"UNREADABLE {p}")
    failed += len(errors) + len(problems)
    if known:
        print(f"{known} budget(s) not met yet (known, listed in KNOWN_MISSES)")
    if failed:
        print(f"{failed} problem(s)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
