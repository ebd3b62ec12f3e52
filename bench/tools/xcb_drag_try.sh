#!/usr/bin/env bash
# Tries a group drag as a person would, on a virtual display: opens a diagram of N small figures
# packed so that all are in view, selects them all (Ctrl+A), drags the group with xdotool (one
# xdotool run of STEPS pointer moves of DX pixels, DELAY seconds apart, as a mouse sends them)
# and prints how long the picture took to settle after the release (watch_screen).
#   bench/tools/xcb_drag_try.sh DISPLAY_NUMBER [N] [STEPS] [DX] [DELAY]
# Needs a build with -DKEDRIN_BUILD_BENCH=ON (BUILD_DIR, default build); KEDRIN names another
# editor binary to try. The display must be free;
# the script starts Xvfb on it (3000 x 2000) and stops it. Layout assumptions: the editor's main
# window at the origin of the screen, the document's maximise button where it first shows.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD_DIR=${BUILD_DIR:-build}
number=${1:?usage: xcb_drag_try.sh DISPLAY_NUMBER [N] [STEPS] [DX] [DELAY]}
n=${2:-7800}
steps=${3:-100}
dx=${4:-2}
delay=${5:-0.01}
export DISPLAY=":$number"
work=$(mktemp -d)
Xvfb "$DISPLAY" -screen 0 3000x2000x24 -nolisten tcp -noreset >"$work/Xvfb.log" 2>&1 &
xvfb=$!
editor=""
cleanup() {
  [ -n "$editor" ] && kill "$editor" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
sleep 1
"$BUILD_DIR/bench/make_dense_diagram" "$n" 110 26 22 "$work/dense.kdl"
HOME=$work XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb "${KEDRIN:-$BUILD_DIR/src/shell/kedrin}" "$work/dense.kdl" \
  >"$work/kedrin.log" 2>&1 &
editor=$!
window=$(xdotool search --sync --onlyvisible --name "Kedrin" | head -n 1)
watch() { "$BUILD_DIR/bench/watch_screen" "$@"; }
watch 1500 60000 0 0 800 600 >/dev/null  # the diagram is open
# The main window fills the screen; the document window is maximised with its title-bar button.
xdotool windowmove "$window" 0 0 windowsize "$window" 3000 2000
watch 1000 20000 0 0 800 600 >/dev/null
xdotool mousemove 692 117 click 1
watch 1500 60000 0 0 800 600 >/dev/null
xdotool mousemove 2900 1900 key ctrl+a
watch 1500 60000 200 200 800 600 >/dev/null
# The figure in column 10, row 10 of the grid (the canvas starts at 33,105).
x=$((33 + 26 * 10 + 10))
y=$((105 + 22 * 10 + 8))
xdotool mousemove "$x" "$y" mousedown 1
sleep 0.3
moves=()
for i in $(seq 1 "$steps"); do moves+=(mousemove $((x + i * dx)) "$y" sleep "$delay"); done
start=$(date +%s%N)
xdotool "${moves[@]}" mouseup 1
released=$(date +%s%N)
settled=$(watch 1000 60000 200 200 800 600)
# SHOT names a PNG file for the screen after the drag, to check that the group moved.
if [ -n "${SHOT:-}" ]; then import -window root "$SHOT"; fi
echo "$n figures: $steps moves took $(((released - start) / 1000000)) ms; the picture settled $settled ms after the release"
