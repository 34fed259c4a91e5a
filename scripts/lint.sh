#!/usr/bin/env bash
# The code follows .clang-format (no diff) and .clang-tidy (no finding) in every source that is
# not a test. Needs the compile commands of a configured build.
# usage: scripts/lint.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

mapfile -t all < <(git ls-files -co --exclude-standard '*.cpp' '*.h' | grep -v '^build')
clang-format --dry-run --Werror "${all[@]}"
echo "lint: clang-format clean on ${#all[@]} files"

[ -f "$build/compile_commands.json" ] || { echo "lint: no $build/compile_commands.json" >&2; exit 2; }
mapfile -t sources < <(printf '%s\n' "${all[@]}" | grep -E '^(model|calc|ui|app|tools)/.*\.cpp$')
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
