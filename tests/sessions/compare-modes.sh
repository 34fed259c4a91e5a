#!/usr/bin/env bash
# Plays generated sessions on the bare model and on the real window (offscreen) and fails with
# the first session whose two outputs differ, keeping its script. With --all the sessions also use
# the inputs on which the modes are known to part.
# usage: compare-modes.sh REPLAY-BINARY SESSIONS-BINARY SEED COUNT [--all]
set -u
if [ $# -lt 4 ] || [ $# -gt 5 ] || { [ $# -eq 5 ] && [ "$5" != --all ]; }; then
  echo "usage: compare-modes.sh REPLAY-BINARY SESSIONS-BINARY SEED COUNT [--all]" >&2
  exit 2
fi
replay=$1 sessions=$2 seed=$3 count=$4
all=()
[ $# -eq 5 ] && all=(--all)
export QT_QPA_PLATFORM=offscreen
# A hung replay counts as a failure, not as a stuck test.
limit=${PLATOMER_REPLAY_TIMEOUT:-120}

dir=$(mktemp -d "${TMPDIR:-/tmp}/platomer-compare.XXXXXX")
# Status 1: some session ends with a line that the model refuses; the comparison shows it.
"$sessions" "${all[@]}" "$seed" "$count" "$dir"
if [ $? -gt 1 ]; then
  echo "FAIL: cannot write the sessions of seed $seed"
  exit 1
fi

play() {  # play MODE-ARGS... SCRIPT: the output, the messages and the exit status
  local status
  # The bonus can carry a fraction: both modes write it with the Czech decimal comma.
  timeout "$limit" "$replay" --separator , "$@" 2>&1
  status=$?
  echo "exit status $status"
}

for n in $(seq 1 "$count"); do
  script="$dir/session-$seed-$n.txt"
  model=$(play --model "$script")
  window=$(play "$script")
  if [ "$model" != "$window" ]; then
    echo "FAIL: session $seed-$n differs between --model (<) and the window (>): $script"
    diff <(printf '%s\n' "$model") <(printf '%s\n' "$window") | cut -c1-300 | head -n 40
    exit 1
  fi
  case "$model" in
    *"exit status 0") ;;
    *)
      echo "FAIL: session $seed-$n ends with the same error in both modes: $script"
      printf '%s\n' "$model" | tail -n 3 | cut -c1-300
      exit 1
      ;;
  esac
done
rm -rf "$dir"
echo "compare-modes: $count sessions of seed $seed print the same in both modes"
