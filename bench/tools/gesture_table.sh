#!/usr/bin/env bash
# Whole gestures on a real display, as a user meets them, for diagrams of 10,000, 30,000 and
# 100,000 figures: each gesture is timed from the key or the release until the screen stays still
# (watch_screen), and the editor's memory is read from /proc. Prints one table row per size. The lag
# after a drag is measured by xcb_drag_try.sh and the BM_XcbGroupDragStep benchmark.
#   bench/tools/gesture_table.sh DISPLAY_NUMBER [SIZES...]
# Needs a build with -DKEDRIN_BUILD_BENCH=ON (BUILD_DIR, default build), Xvfb, openbox and xdotool; the
# display must be free (the script starts Xvfb on it, 1920 x 1200, and stops it); SHOTS names a
# folder for a screenshot after the open. Timings include
# the X server's work and a 300 ms quiet period that is not counted; run it on an idle machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD_DIR=${BUILD_DIR:-build}
number=${1:?usage: gesture_table.sh DISPLAY_NUMBER [SIZES...]}
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 30000 100000)
export DISPLAY=":$number"
work=$(mktemp -d)
Xvfb "$DISPLAY" -screen 0 1920x1200x24 -nolisten tcp -noreset >"$work/Xvfb.log" 2>&1 &
xvfb=$!
editor=""
wm=""
cleanup() {
  [ -n "$editor" ] && kill "$editor" 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
sleep 1
# A window manager gives the editor the keyboard focus, as on a user's desktop.
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
sleep 1
quiet=300
# Milliseconds until the canvas area stops changing, counted from now.
settle() { "$BUILD_DIR/bench/watch_screen" "$quiet" 120000 40 120 1800 1000; }
seconds() { awk -v ms="$1" 'BEGIN { printf "%.2f s", ms / 1000 }'; }
memory() { awk -v key="$1" '$1 == key":" { printf "%.0f MB", $2 / 1024 }' "/proc/$editor/status"; }

printf '| figures | open until painted | memory after open | Select All | arrow-key nudge | zoom to 50 %% | deselect (Escape) | peak memory |\n'
printf '|---|---|---|---|---|---|---|---|\n'
for n in "${sizes[@]}"; do
  "$BUILD_DIR/bench/make_grid_diagram" "$n" "$work/grid.kdl" >/dev/null
  rm -rf "$work/config" "$work/data"
  start=$(date +%s%N)
  mkdir -p -m 700 "$work/runtime"
  HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb \
    "${KEDRIN:-$BUILD_DIR/src/shell/kedrin}" "$work/grid.kdl" >"$work/kedrin.log" 2>&1 &
  editor=$!
  window=$(xdotool search --sync --onlyvisible --name "Kedrin" | head -n 1)
  settle >/dev/null
  open=$((($(date +%s%N) - start) / 1000000 - quiet))
  opened=$(memory VmRSS)
  xdotool windowactivate --sync "$window" windowmove "$window" 0 0 windowsize "$window" 1920 1200
  settle >/dev/null
  # Window > Tile: the one document fills the work area, so its canvas starts at a known place.
  xdotool key alt+w t
  settle >/dev/null
  [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/open-$n.png"
  xdotool mousemove 1850 1150 key ctrl+a
  all=$(settle)
  xdotool key Right
  nudge=$(settle)
  xdotool key ctrl+minus
  settle >/dev/null
  xdotool key ctrl+minus
  settle >/dev/null
  xdotool key ctrl+minus
  zoom=$(settle)
  xdotool key Escape
  deselect=$(settle)
  peak=$(memory VmHWM)
  printf '| %s | %s | %s | %s | %s | %s | %s | %s |\n' "$n" "$(seconds "$open")" "$opened" \
    "$(seconds "$all")" "$(seconds "$nudge")" "$(seconds "$zoom")" "$(seconds "$deselect")" "$peak"
  kill "$editor" 2>/dev/null
  wait "$editor" 2>/dev/null || true
  editor=""
done
