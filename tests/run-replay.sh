#!/usr/bin/env bash
# Runs every replay script (NAME.txt) and compares the output with NAME.expected.
# usage: run-replay.sh REPLAY-BINARY --model|--window DIRECTORY
set -u
tool=$1 mode=$2 dir=$3
# The expected outputs are written with the Czech decimal comma, whatever the machine's locale.
args=(--separator ,)
[ "$mode" = --model ] && args+=(--model)
passed=0 failed=0
for script in "$dir"/*.txt; do
  expected="${script%.txt}.expected"
  actual=$("$tool" "${args[@]}" "$script" 2>&1)
  if [ "$actual" == "$(cat "$expected")" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL ($mode): $(basename "$script")"
    diff <(printf '%s\n' "$actual") "$expected" | head -n 20
  fi
done
echo "replay $mode: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
