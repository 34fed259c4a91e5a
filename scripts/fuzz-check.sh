#!/usr/bin/env bash
# The short fuzz run of the test command: builds the fuzz targets, runs each for SECONDS
# (default 20) and replays every input in tests/fuzz/crashes/; non-zero on any failure.
# usage: scripts/fuzz-check.sh [SECONDS]
exec "$(dirname "$0")/fuzz.sh" --check "$@"
