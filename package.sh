#!/usr/bin/env bash
# Builds the Debian package BUILD-DIR/platomer_<version>_<arch>.deb (default build-package/), after
# checking the installed layout; install it with: apt-get install ./BUILD-DIR/platomer_*.deb
# usage: ./package.sh [BUILD-DIR]
set -euo pipefail
cd "$(dirname "$0")"

dir=${1:-build-package}
scripts/setup.sh "$dir" -DPLATOMER_BENCHMARKS=OFF
scripts/install-check.sh "$dir"
cmake --build "$dir" --target package
ls "$dir"/platomer_*.deb
