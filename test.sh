#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: in the normal build the unit, replay, GUI
# and session tests, the lint, the install check and short fuzzing runs; then the same tests in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer, which fails on any report.
set -euo pipefail
cd "$(dirname "$0")"
export QT_QPA_PLATFORM=offscreen

scripts/setup.sh default
ctest --preset default -j "$(nproc)"
scripts/lint.sh build
scripts/install-check.sh build
scripts/fuzz-check.sh 20

scripts/setup.sh sanitize
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
ctest --preset sanitize -j "$(nproc)"
