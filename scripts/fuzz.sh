#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ (clang, ASan + UBSan) and runs each in turn on
# its seed corpus. New inputs go to a scratch copy, so the corpus in the repository stays small;
# an input that fails is kept in tests/fuzz/crashes/TARGET/ and belongs in the repository.
# usage: scripts/fuzz.sh [SECONDS]          each target SECONDS long (default 600)
#        scripts/fuzz.sh --check [SECONDS]  each target SECONDS long (default 20), then every kept
#                                           failure replayed; exits non-zero on any failure
# A failing session prints the broken rule and the session as a replay script; any input's
# session is printed by PLATOMER_FUZZ_SCRIPT=1 build-fuzz/tests/fuzz/fuzz_session -detect_leaks=0 FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

check=false
if [ "${1:-}" = --check ]; then
  check=true
  shift
fi
if $check; then seconds=${1:-20}; else seconds=${1:-600}; fi
case $seconds in '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [--check] [SECONDS]" >&2; exit 2 ;; esac

scripts/need-packages.sh cmake make clang libclang-rt-14-dev

# The tree with clang, without Qt, the tests and the benchmarks; only the fuzz targets are built.
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DPLATOMER_FUZZ=ON \
  -DPLATOMER_GUI=OFF -DBUILD_TESTING=OFF -DPLATOMER_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --target fuzz -j"$(nproc)"

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
bin=build-fuzz/tests/fuzz
fuzz=tests/fuzz
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The longest input of each target: texts for the parses and edits, whole sessions for the window.
declare -A max_len=([fuzz_amount_text]=256 [fuzz_entry_text]=1024 [fuzz_session]=4096)
failed=0
for target in fuzz_amount_text fuzz_entry_text fuzz_session; do
  mkdir -p "$scratch/$target" "$fuzz/crashes/$target"
  cp "$fuzz/corpus/$target"/* "$scratch/$target"/
  log=$scratch/$target.log
  start=$(date +%s)
  status=ok
  "$bin/$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" -timeout=10 -report_slow_units=60 -print_final_stats=1 \
    -artifact_prefix="$fuzz/crashes/$target/" "$scratch/$target" >"$log" 2>&1 || status=FAILED
  took=$(($(date +%s) - start))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  printf '%-17s %-6s %10s executions in %5d s (%s a second), corpus %d -> %d inputs\n' "$target" "$status" \
    "${runs:-?}" "$took" "$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")" \
    "$(ls "$fuzz/corpus/$target" | wc -l)" "$(ls "$scratch/$target" | wc -l)"
  if [ "$status" != ok ]; then
    failed=1
    grep -a -E -A40 'invariant broken|amount text:|entry text:|ERROR:|runtime error' "$log" | head -n 60
  fi
done

if $check; then
  # Every input that ever failed, replayed: each must hold now.
  for target in fuzz_amount_text fuzz_entry_text fuzz_session; do
    for input in "$fuzz/crashes/$target"/*; do
      [ -f "$input" ] || continue
      if ! "$bin/$target" -runs=1 "$input" >"$scratch/replay.log" 2>&1; then
        failed=1
        echo "FAILED again: $input"
        grep -a -E -A40 'invariant broken|amount text:|entry text:|ERROR:|runtime error' "$scratch/replay.log" | head -n 60
      fi
    done
  done
fi
exit $failed
