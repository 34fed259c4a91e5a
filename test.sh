#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build and once in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer, which fails on any report.
set -euo pipefail
cd "$(dirname "$0")"
export QT_QPA_PLATFORM=offscreen

scripts/setup.sh build -DPLATOMER_WERROR=ON
(cd build && ctest --output-on-failure)

scripts/setup.sh build-sanitize -DPLATOMER_SANITIZE=ON -DPLATOMER_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
(cd build-sanitize && ctest --output-on-failure)
