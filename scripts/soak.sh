#!/usr/bin/env bash
# Plays generated user sessions on the bare model until ACTIONS user actions have run (default
# 1 000 000), checking the invariants after every line, and reports the actions per second, the
# slowest line with its session, the peak memory, and whether anything crashed, hung or broke an
# invariant. It builds platomer-soak in BUILD_DIR (default build/), which must be an optimised
# build without sanitizers.
# usage: scripts/soak.sh [ACTIONS [SEED]]
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:-1000000} seed=${2:-1}
dir=${BUILD_DIR:-build}

[ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$dir/CMakeCache.txt")
sanitized=$(sed -n 's/^PLATOMER_SANITIZE:BOOL=//p' "$dir/CMakeCache.txt")
case "$type" in
  Release | RelWithDebInfo) ;;
  *) echo "soak: $dir is a '$type' build; the figures need Release or RelWithDebInfo" >&2; exit 2 ;;
esac
if [ "$sanitized" = ON ]; then
  echo "soak: $dir is built with sanitizers; the figures need a plain build" >&2
  exit 2
fi
cmake --build "$dir" -j2 --target platomer-soak platomer-sessions >/dev/null

report=$(mktemp)
trap 'rm -f "$report"' EXIT
set +e
/usr/bin/time -v -o "$report" "$dir/tests/sessions/platomer-soak" "$actions" "$seed"
status=$?
set -e
grep -E "Maximum resident set size|Elapsed \(wall clock\)|User time" "$report" | sed 's/^\s*/time: /'
case $status in
  0) echo "soak: passed" ;;
  1) echo "soak: FAILED: an invariant broke or a line was refused (above)" ;;
  3) echo "soak: FAILED: a line hung (above)" ;;
  *) echo "soak: FAILED: platomer-soak ended with status $status (a crash?)" ;;
esac
if [ $status -ne 0 ]; then
  echo "the session's script: $dir/tests/sessions/platomer-sessions $seed N DIR writes session-$seed-N.txt"
fi
exit $status
