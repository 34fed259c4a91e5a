#!/usr/bin/env bash
# The year the program starts with: the one kept in the user's configuration; 2023 when nothing is
# kept, when what is kept is no year the program knows or the configuration cannot be read; the
# year of --rok for that run alone, which keeps nothing. No start says anything or fails. Each
# start runs offscreen with a configuration folder of its own, quits after its first frame and
# prints the heading its window showed.
# usage: remembered-year.sh PLATOMER-BINARY
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen PLATOMER_QUIT_AFTER_FIRST_FRAME=1 PLATOMER_TEST_PRINT_HEADING=1
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
failed=0

# start NAME CONFIG-HOME EXPECTED-HEADING [OPTION...]
start() {
  local name=$1 config=$2 expected=$3 shown status said
  shift 3
  shown=$(XDG_CONFIG_HOME=$config timeout 60 "$program" "$@" 2>"$work/stderr")
  status=$?
  # The offscreen platform says what it cannot do for a window; that is not the program speaking.
  said=$(grep -v '^This plugin does not support' "$work/stderr")
  if [ "$status" -ne 0 ] || [ "$shown" != "$expected" ] || [ -n "$said" ]; then
    echo "FAIL: $name: status $status, heading '$shown', expected '$expected'; said: $said"
    failed=$((failed + 1))
  fi
}
# keep NAME CONTENT: a configuration folder NAME whose file holds CONTENT (printf's %b).
keep() {
  mkdir -p "$work/$1/platomer"
  printf '%b' "$2" >"$work/$1/platomer/platomer.conf"
}

mkdir "$work/fresh"
start "first start" "$work/fresh" 2023
[ -z "$(ls -A "$work/fresh")" ] || { echo "FAIL: a start wrote the configuration"; failed=$((failed + 1)); }

keep chosen '[General]\nrok=2025\n'
cp "$work/chosen/platomer/platomer.conf" "$work/kept"
start "the year kept" "$work/chosen" 2025
start "--rok over the year kept" "$work/chosen" 2024 --rok 2024
cmp -s "$work/kept" "$work/chosen/platomer/platomer.conf" || { echo "FAIL: --rok changed what is kept"; failed=$((failed + 1)); }

i=0
for content in '[General]\nrok=1999\n' '[General]\nrok=abc\n' '[General]\nrok=\n' '[General]\nrok=2025, 2026\n' \
  '[General]\nrok=@Variant(\\0\\0\\0\\x7f)\n' '\xff\xfe\0\x01rok=2025' ''; do
  i=$((i + 1))
  keep "bad$i" "$content"
  start "kept '$content'" "$work/bad$i" 2023
done
mkdir -p "$work/folder/platomer/platomer.conf"
start "a folder for the file" "$work/folder" 2023
start "a file for the folder" /dev/null 2023

[ "$failed" -eq 0 ] && echo "remembered-year: every start showed its year"
exit $((failed != 0))
