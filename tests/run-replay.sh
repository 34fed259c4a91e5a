#!/usr/bin/env bash
# Runs replay scripts (NAME.txt) and compares each output with NAME.expected: the scripts named,
# and every script of a directory named.
# usage: run-replay.sh REPLAY-BINARY --model|--window DIRECTORY|SCRIPT...
set -u
if [ $# -lt 3 ] || { [ "$2" != --model ] && [ "$2" != --window ]; }; then
  echo "usage: run-replay.sh REPLAY-BINARY --model|--window DIRECTORY|SCRIPT..." >&2
  exit 2
fi
tool=$1 mode=$2
shift 2
scripts=()
for path in "$@"; do
  if [ -d "$path" ]; then
    scripts+=("$path"/*.txt)
  else
    scripts+=("$path")
  fi
done
# The expected outputs are written with the Czech decimal comma, whatever the machine's locale.
args=(--separator ,)
[ "$mode" = --model ] && args+=(--model)
passed=0 failed=0
for script in "${scripts[@]}"; do
  expected="${script%.txt}.expected"
  if [ ! -f "$script" ] || [ ! -f "$expected" ]; then
    failed=$((failed + 1))
    echo "FAIL ($mode): no $script with its $(basename "$expected")"
    continue
  fi
  # A first line "#! ARGS" gives the replay tool arguments of the script's own (--rok 2026).
  extra=()
  first=$(head -n 1 "$script")
  [[ $first == '#! '* ]] && read -r -a extra <<<"${first#'#! '}"
  actual=$("$tool" "${args[@]}" "${extra[@]}" "$script" 2>&1)
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
