#!/usr/bin/env bash
# The layers point one way. The core (model/, calc/) is the window as data and the calculation:
# it includes neither the explanations nor Qt nor the window's binding. The explanations
# (explain/) build on the core and include no Qt and nothing of the window. Neither includes the
# tools or the tests. Reads every #include line and names each that points the wrong way.
# usage: scripts/check-layers.sh [ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# A header of Qt: <QWidget>, <QtCore/QString>, <qglobal.h>.
qt='Q[A-Za-z0-9_]*(>|/|\.h>)|q[a-z0-9_]*\.h>'
wrong=0
# FOLDER FORBIDDEN REASON: every include in FOLDER whose path matches FORBIDDEN is reported.
forbid() {
  local folder=$1 forbidden=$2 reason=$3 hit
  while IFS= read -r hit; do
    echo "layers: $hit" >&2
    echo "layers:   $reason" >&2
    wrong=$((wrong + 1))
  done < <(grep -rnE --include='*.cpp' --include='*.h' "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($forbidden)" "$folder" || true)
}
for core in model calc; do
  forbid "$core" "explain/|ui/|app/|tools/|tests/|bench/|$qt" \
    "the core includes neither the explanations nor Qt nor the window, the tools or the tests"
done
forbid explain "ui/|app/|tools/|tests/|bench/|$qt" "the explanations include no Qt and nothing of the window, the tools or the tests"

if [ "$wrong" -ne 0 ]; then
  echo "layers: $wrong include(s) point the wrong way" >&2
  exit 1
fi
echo "layers: model/, calc/ and explain/ include only what lies below them"
