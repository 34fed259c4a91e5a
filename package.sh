#!/usr/bin/env bash
# Builds the Debian package BUILD-DIR/platomer_<version>_<arch>.deb (default build-package/) with
# the package's settings (packaging/package-build.cmake: only the program, hardened) and checks
# the installed layout and the package (lintian); install it with:
#   apt-get install ./BUILD-DIR/platomer_*.deb
# usage: ./package.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")"

dir=${1:-build-package}
scripts/setup.sh --target platomer "$dir" -C packaging/package-build.cmake
scripts/install-check.sh "$dir" "$dir"
ls "$dir"/platomer_*.deb
