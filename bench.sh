#!/usr/bin/env bash
# Builds in release mode and runs the benchmarks of the net-to-gross search.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh release
build-release/bench/search_bench "$@"
