#!/usr/bin/env bash
# Shrinks a replay script on which the two replay modes differ: drops runs of lines, halving
# their length, as long as the modes still differ, and prints the shortest script found.
# usage: shrink-session.sh REPLAY-BINARY SCRIPT > SHORTER-SCRIPT
set -u
replay=$1 script=$2
export QT_QPA_PLATFORM=offscreen
work=$(mktemp)
trap 'rm -f "$work"' EXIT

differs() {  # differs FILE: whether --model and the window print otherwise
  local model window
  model=$(timeout 120 "$replay" --model --separator , "$1" 2>&1; echo "exit status $?")
  window=$(timeout 120 "$replay" --separator , "$1" 2>&1; echo "exit status $?")
  [ "$model" != "$window" ]
}

mapfile -t lines <"$script"
if ! differs "$script"; then
  echo "shrink-session: both modes print the same for $script" >&2
  exit 1
fi
chunk=$(((${#lines[@]} + 1) / 2))
while [ "$chunk" -ge 1 ]; do
  i=0
  while [ "$i" -lt "${#lines[@]}" ]; do
    kept=("${lines[@]:0:i}" "${lines[@]:i+chunk}")
    printf '%s\n' "${kept[@]}" >"$work"
    if [ "${#kept[@]}" -gt 0 ] && differs "$work"; then
      lines=("${kept[@]}")
    else
      i=$((i + chunk))
    fi
  done
  chunk=$((chunk / 2))
done
printf '%s\n' "${lines[@]}"
