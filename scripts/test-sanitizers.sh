#!/usr/bin/env bash
# Builds the unit and widget tests with AddressSanitizer (leak check included) and
# UndefinedBehaviorSanitizer in the instrumented build folder (scripts/sanitizer-build.sh) and runs
# them headless.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${SAN_BUILD_DIR:-build-asan}
# The end-to-end tests drive the ordinary build; here only the unit and widget tests are built.
./scripts/sanitizer-build.sh tests_persistence tests_figures tests_render tests_routing tests_quality \
  tests_platform tests_shapes tests_connectors tests_arrange tests_document tests_export tests_recovery \
  recovery_session_holder tests_shell tests_model tests_semantics tests_graph tests_flowchart \
  tests_textedit tests_style tests_connectwire tests_access tests_diff tests_drawio tests_spelling \
  tests_find tests_walk tests_containers kdltool
# Leaks fail the run like every other finding. The only allocations let go are the caches Qt,
# fontconfig, GLib and Graphviz keep until the process ends, named in scripts/lsan.supp.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$BUILD_DIR"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600 -L unit
