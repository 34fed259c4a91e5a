#!/usr/bin/env bash
# Runs every replay script of tests/replay on the real window (offscreen) under valgrind's
# memcheck: any invalid read or write, use of an uninitialised value, or a definite or indirect
# leak fails the script, and so does an output that differs from the script's expected one.
# The only reports let through are the system libraries' own, each suppressed by name in
# tests/valgrind.supp with a comment saying why (fontconfig's fallback pattern that Qt asks for
# when a character needs another font); anything else, in the program or in a library, fails.
# usage: scripts/valgrind-replay.sh [BUILD-DIR [SCRIPT...]]   (default build/, every script)
set -uo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
replay=$dir/platomer-replay
if [ ! -x "$replay" ]; then
  echo "valgrind-replay: no $replay; build first" >&2
  exit 2
fi
if grep -q '^PLATOMER_SANITIZE:BOOL=ON' "$dir/CMakeCache.txt" 2>/dev/null; then
  echo "valgrind-replay: $dir is built with sanitizers, which valgrind cannot run" >&2
  exit 2
fi
scripts=("$@")
[ ${#scripts[@]} -gt 0 ] || scripts=(tests/replay/*.txt)

suppressions=tests/valgrind.supp
if [ ! -f "$suppressions" ]; then
  echo "valgrind-replay: no $suppressions" >&2
  exit 2
fi

export QT_QPA_PLATFORM=offscreen
logs=$(mktemp -d)
passed=0 failed=0
for script in "${scripts[@]}"; do
  name=$(basename "$script" .txt)
  log="$logs/$name.log"
  output=$(valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
             --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
             --track-origins=yes --num-callers=40 --suppressions="$suppressions" \
             --log-file="$log" "$replay" --separator , "$script" 2>&1)
  status=$?
  expected="${script%.txt}.expected"
  if [ $status -ne 0 ]; then
    failed=$((failed + 1))
    echo "FAIL (status $status): $name; valgrind's report: $log"
    grep -E "^==[0-9]+== (Invalid|Conditional|Use of|Syscall|Mismatched|.*definitely|.*indirectly|ERROR SUMMARY)" \
      "$log" | head -n 10
  elif [ -f "$expected" ] && [ "$output" != "$(cat "$expected")" ]; then
    failed=$((failed + 1))
    echo "FAIL (output): $name"
    diff <(printf '%s\n' "$output") "$expected" | head -n 10
  else
    passed=$((passed + 1))
    rm -f "$log"
  fi
done
echo "valgrind-replay: $passed passed, $failed failed"
[ $failed -eq 0 ] && rmdir "$logs"
[ $failed -eq 0 ]
