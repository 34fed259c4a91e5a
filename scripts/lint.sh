#!/usr/bin/env bash
# The code follows .clang-format (no diff) in every source, and .clang-tidy (no finding) in every
# source that the build compiles: the program, the explanations, the tools, the tests and the
# benchmarks (tests/.clang-tidy adjusts the checks for the tests). Needs the compile commands of a
# configured build.
# usage: scripts/lint.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

mapfile -t all < <(git ls-files -co --exclude-standard '*.cpp' '*.h' | grep -v '^build')
clang-format --dry-run --Werror "${all[@]}"
echo "lint: clang-format clean on ${#all[@]} files"

[ -f "$build/compile_commands.json" ] || { echo "lint: no $build/compile_commands.json" >&2; exit 2; }
# Only what the build compiles has compile commands: a fuzz target of a clang build, or a window
# test of a build without Qt, is left out.
mapfile -t sources < <(jq -r --arg root "$PWD/" '.[].file | ltrimstr($root)' "$build/compile_commands.json" |
  grep -E '^(model|calc|explain|ui|app|tools|tests|bench)/.*\.cpp$' | sort -u)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Findings are warnings; any of them fails the lint. The build is g++'s, whose warning options
# clang need not know.
if ! printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet --extra-arg=-Wno-unknown-warning-option >"$log" 2>&1; then
  cat "$log"
  echo "lint: clang-tidy failed" >&2
  exit 1
fi
if grep -E '(warning|error):' "$log"; then
  echo "lint: clang-tidy reports the findings above" >&2
  exit 1
fi
echo "lint: clang-tidy clean on ${#sources[@]} files"
