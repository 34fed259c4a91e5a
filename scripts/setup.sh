#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing) and builds, either a preset
# of CMakePresets.json (default into build/, sanitize into build-sanitize/, release into
# build-release/) or into a directory of its own; everything, or with --target only that target
# and what it needs.
# usage: scripts/setup.sh [--target TARGET] [PRESET | BUILD-DIR] [CMAKE-ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev clang-format clang-tidy librsvg2-bin dpkg-dev fonts-liberation xvfb xauth qt6-translations-l10n poppler-utils)
scripts/need-packages.sh "${packages[@]}"

only=()
if [ "${1:-}" = --target ]; then
  only=(--target "$2")
  shift 2
fi
target=${1:-default}
shift || true
case "$target" in
  default | sanitize | release)
    cmake --preset "$target" "$@" >/dev/null
    cmake --build --preset "$target" -j"$(nproc)" "${only[@]}"
    ;;
  *)
    cmake -S . -B "$target" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$target" -j"$(nproc)" "${only[@]}"
    ;;
esac
