#!/usr/bin/env bash
# The Mermaid differential check: Mermaid's own flowchart parser judges the documentation's
# examples and generated variations; every input where the reader of the given build sees other
# nodes, edges, texts, link kinds or shapes is listed in the report.
#
#   scripts/mermaid-diff/run.sh [BUILD_DIR] [--docs FLOWCHART_MD] [--only REGEX] [--out REPORT]
#                               [--self-check]
#
# BUILD_DIR: any configured build of the editor (default: build/ of this checkout); its own source
# tree gives the headers and its kedrin_graph library the reader. --docs: Mermaid's
# docs/syntax/flowchart.md, a checkout of Mermaid or a git directory of one (default:
# $MERMAID_FLOWCHART_DOC, else flowchart.md in the cache folder, else variations only).
# --only: just the inputs whose name or text the JavaScript pattern finds.
# --out: the report (default BUILD_DIR/mermaid-diff-report.txt, with a .json beside it).
# The npm packages (package.json beside this script) go to ~/.cache/kedrin-mermaid-diff.
# Exit status 0 whatever the inputs give, 1 when the harness itself fails, 2 on wrong usage.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
usage() { sed -n '6,16p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }

build="" docs="${MERMAID_FLOWCHART_DOC:-}" out="" self_check="" only=()
while [ $# -gt 0 ]; do
  case "$1" in
    --self-check) self_check=--self-check ;;
    --docs) [ $# -ge 2 ] || usage; docs=$2; shift ;;
    --out) [ $# -ge 2 ] || usage; out=$2; shift ;;
    --only) [ $# -ge 2 ] || usage; only=(--only "$2"); shift ;;
    -h|--help) usage ;;
    -*) echo "run.sh: unknown option '$1'" >&2; usage ;;
    *) [ -z "$build" ] || usage; build=$1 ;;
  esac
  shift
done
build=${build:-$here/../../build}
fail() { echo "mermaid-diff: $*" >&2; exit 1; }
[ -f "$build/CMakeCache.txt" ] || fail "$build is no configured build (no CMakeCache.txt)"
build=$(cd "$build" && pwd)
cache=${KEDRIN_MERMAID_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kedrin-mermaid-diff}
mkdir -p "$cache"
for tool in node npm cmake; do
  command -v "$tool" >/dev/null || fail "'$tool' is missing (Debian: apt-get install nodejs npm cmake)"
done

cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt" | head -n 1; }
source_dir=$(cached CMAKE_HOME_DIRECTORY)
[ -f "$source_dir/src/graph/Mermaid.h" ] || fail "the source tree of $build ($source_dir) has no src/graph/Mermaid.h"

# Our reader: the build's kedrin_graph brought up to date, and mermaid-dump linked against it in a
# build folder of its own per build under test.
cmake --build "$build" --target kedrin_graph >/dev/null || fail "kedrin_graph does not build in $build"
dump_build="$cache/dump-$(printf '%s' "$build" | md5sum | cut -c1-12)"
configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEDRIN_SOURCE_DIR="$source_dir" -DKEDRIN_BUILD_DIR="$build"
  -DKEDRIN_SANITIZE="$(cached KEDRIN_SANITIZE)")
command -v ninja >/dev/null && configure+=(-G Ninja)
[ -z "$(cached CMAKE_CXX_COMPILER)" ] || configure+=(-DCMAKE_CXX_COMPILER="$(cached CMAKE_CXX_COMPILER)")
mkdir -p "$dump_build"
if [ ! -f "$dump_build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$dump_build" "${configure[@]}" >"$dump_build/configure.log" 2>&1 ||
    { rm -f "$dump_build/CMakeCache.txt"; fail "mermaid-dump does not configure: see $dump_build/configure.log"; }
fi
cmake --build "$dump_build" >"$dump_build/build.log" 2>&1 || fail "mermaid-dump does not build: see $dump_build/build.log"
dump="$dump_build/mermaid-dump"

# Mermaid's parser: the pinned npm packages, installed once.
if ! cmp -s "$here/package.json" "$cache/package.json" || [ ! -d "$cache/node_modules/mermaid" ]; then
  echo "mermaid-diff: installing Mermaid and jsdom into $cache" >&2
  cp "$here/package.json" "$cache/package.json"
  (cd "$cache" && npm install --no-audit --no-fund --loglevel=error >"$cache/npm.log" 2>&1) ||
    { rm -f "$cache/package.json"; fail "npm install failed: see $cache/npm.log"; }
fi

# The documentation page: a file, a checkout or a git directory of Mermaid.
[ -n "$docs" ] || [ ! -f "$cache/flowchart.md" ] || docs="$cache/flowchart.md"
docs_args=()
if [ -n "$docs" ]; then
  if [ -d "$docs" ]; then
    page="$cache/flowchart-from-repository.md"
    if [ -f "$docs/docs/syntax/flowchart.md" ]; then
      cp "$docs/docs/syntax/flowchart.md" "$page"
    else
      git --git-dir="$docs" show HEAD:docs/syntax/flowchart.md >"$page" 2>/dev/null ||
        fail "$docs holds no docs/syntax/flowchart.md"
    fi
    docs=$page
  fi
  [ -f "$docs" ] || fail "no documentation page at $docs"
  docs_args=(--docs "$docs")
fi

out=${out:-$build/mermaid-diff-report.txt}
exec node "$here/harness.mjs" --modules "$cache" --dump "$dump" --reader "$build (source $source_dir)" \
  "${docs_args[@]}" "${only[@]}" --out "$out" $self_check
