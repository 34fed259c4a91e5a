#!/usr/bin/env bash
# Installs what is missing, builds the program (only it: not the tests nor the benchmarks) and
# starts it, with the arguments given (./run.sh --rok 2025). Without a display it says so, and how
# to run it there, before it builds anything.
set -euo pipefail
cd "$(dirname "$0")"

# A Qt platform plugin that draws on no display of its own needs none.
needs_no_display() {
  local platform=${QT_QPA_PLATFORM:-}
  case "${platform%%:*}" in
    offscreen | minimal | minimalegl | vnc | linuxfb | eglfs | vkkhrdisplay) return 0 ;;
    *) return 1 ;;
  esac
}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && ! needs_no_display; then
  echo "run.sh: není k dispozici žádný displej (DISPLAY ani WAYLAND_DISPLAY nejsou nastaveny);" \
    "spusťte program v grafickém prostředí, nebo bez něj příkazem: xvfb-run -a ./run.sh" \
    "(xvfb-run je v balíčku xvfb; sestavený program spustí xvfb-run -a build/platomer)" >&2
  exit 1
fi

scripts/setup.sh --target platomer default
exec build/platomer "$@"
