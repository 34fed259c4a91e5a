#!/usr/bin/env bash
# Installs a build into a staging directory and checks it as a desktop would read it: the launcher
# and the metainfo pass their validators, the launcher's program and icon are where it says (the
# icon in every hicolor size and as SVG), the metainfo names that launcher, the manual pages and
# the package's documentation are there, and nothing else is installed. Then builds the Debian
# package in a build of its own, with the package's settings (packaging/package-build.cmake), and
# checks it with lintian: no error, no warning, no missing hardening. Installs the validators
# (only those missing) first.
# usage: scripts/install-check.sh BUILD-DIR [PACKAGE-BUILD-DIR (default build-package)]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || [ $# -gt 2 ] || [ ! -f "$1/CMakeCache.txt" ]; then
  echo "usage: scripts/install-check.sh BUILD-DIR [PACKAGE-BUILD-DIR] (BUILD-DIR configured)" >&2
  exit 2
fi
build=$1
package_build=${2:-build-package}
# What the package installs; the rest of a build (the tests, the replay tool) is not needed here.
targets=(platomer platomer_icons platomer_docs platomer_launcher)

packages=(desktop-file-utils appstream lintian)
scripts/need-packages.sh "${packages[@]}"

# The sizes a desktop looks up in the hicolor theme (the build renders each from the SVG).
sizes=(16 22 24 32 48 64 128 256)

passed=0
failed=0
pass() {
  echo "ok: $*"
  passed=$((passed + 1))
}
fail() {
  echo "FAIL: $*"
  failed=$((failed + 1))
}
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then pass "$what"; else fail "$what"; fi
}

# The first value of KEY in the [Desktop Entry] group of a desktop file.
desktop_key() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$2" | head -n 1
}
# The text of the first <TAG>...</TAG> (on one line) of an XML file.
xml_text() {
  sed -n 's:.*<'"$1"'[^>]*>\([^<]*\)</'"$1"'>.*:\1:p' "$2" | head -n 1
}
# Width and height of a PNG, from its header.
png_size() {
  local b
  read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
  echo "$(((b[0] << 24) + (b[1] << 16) + (b[2] << 8) + b[3]))x$(((b[4] << 24) + (b[5] << 16) + (b[6] << 8) + b[7]))"
}
is_png_of() {  # is_png_of FILE SIZE
  [ -f "$1" ] && [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] &&
    [ "$(png_size "$1")" = "$2x$2" ]
}
is_svg() { [ -f "$1" ] && grep -q '<svg' "$1"; }
is_theme_name() { [[ -n $1 && $1 != */* ]]; }
lacks() { ! grep -qF -- "$1" "$2"; }  # lacks TEXT FILE
documents_rok() { [ -f "$1" ] && gzip -dc "$1" | grep -qF '.BI \-\-rok '; }

stage=$(mktemp -d /tmp/platomer-stage.XXXXXX)
trap 'rm -rf "$stage" "$stage.log" "$stage.lintian"' EXIT
prefix=/usr
root=$stage$prefix

if ! cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" >/dev/null; then
  echo "FAIL: cmake --build $build"
  exit 1
fi
if ! DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >"$stage.log" 2>&1; then
  cat "$stage.log"
  rm -f "$stage.log"
  echo "FAIL: cmake --install"
  exit 1
fi
rm -f "$stage.log"

mapfile -t desktops < <(find "$root/share/applications" -name '*.desktop' 2>/dev/null)
mapfile -t metainfos < <(find "$root/share/metainfo" -name '*.metainfo.xml' 2>/dev/null)
if [ ${#desktops[@]} -ne 1 ] || [ ${#metainfos[@]} -ne 1 ]; then
  echo "FAIL: expected one launcher and one metainfo file, found ${#desktops[@]} and ${#metainfos[@]}"
  exit 1
fi
desktop=${desktops[0]}
metainfo=${metainfos[0]}
expected=("$desktop" "$metainfo")

check "desktop-file-validate ${desktop#"$stage"}" desktop-file-validate "$desktop"
check "appstreamcli validate ${metainfo#"$stage"}" appstreamcli validate --no-net "$metainfo"

# The launcher's program: Exec's first word, found in the installed bin directory.
exec_line=$(desktop_key Exec "$desktop")
program=${exec_line%% *}
binary=$root/bin/$(basename "$program")
[ "${program#/}" = "$program" ] || binary=$stage$program
expected+=("$binary")
check "Exec=$exec_line runs the installed ${binary#"$stage"}" test -x "$binary"

# The launcher's icon, by name in the hicolor theme: every fixed size and the scalable picture.
icon=$(desktop_key Icon "$desktop")
check "Icon=$icon is a theme name, not a path" is_theme_name "$icon"
for year in 2024 2025 2026; do
  check "the launcher has the action Pravidla roku $year" grep -qx "Exec=platomer --rok $year" "$desktop"
done
hicolor=$root/share/icons/hicolor
for size in "${sizes[@]}"; do
  png=$hicolor/${size}x${size}/apps/$icon.png
  expected+=("$png")
  check "icon ${png#"$stage"} is a ${size}x${size} PNG" is_png_of "$png" "$size"
done
svg=$hicolor/scalable/apps/$icon.svg
expected+=("$svg")
check "icon ${svg#"$stage"} is an SVG" is_svg "$svg"

# The metainfo and the launcher name each other by the same id.
id=$(xml_text id "$metainfo")
desktop_id=$(basename "$desktop" .desktop)
check "metainfo file is named after its id '$id'" test "$(basename "$metainfo")" = "$id.metainfo.xml"
check "launcher file is named after the id" test "$desktop_id" = "$id"
check "metainfo launchable names the installed ${desktop#"$stage"}" \
  test "$(xml_text launchable "$metainfo")" = "$desktop_id.desktop"
check "metainfo provides the launcher's program" \
  test "$(xml_text binary "$metainfo")" = "$(basename "$binary")"

# The manual pages, English and Czech, each of them documenting the option that picks the year.
for page in "$root/share/man/man1/platomer.1.gz" "$root/share/man/cs/man1/platomer.1.gz"; do
  expected+=("$page")
  check "manual page ${page#"$stage"} documents --rok" documents_rok "$page"
done

# The package's copyright in the machine-readable format, and its changelog, whose newest entry
# is the metainfo's newest release and so the package's version.
doc=$root/share/doc/platomer
expected+=("$doc/copyright" "$doc/changelog.gz")
check "${doc#"$stage"}/copyright is machine-readable" \
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
release=$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -n 1)
check "${doc#"$stage"}/changelog.gz starts with the release $release" \
  test "$(gzip -dc "$doc/changelog.gz" 2>/dev/null | head -n 1)" = "platomer ($release) unstable; urgency=medium"

# Each screenshot is one of the pictures kept in docs/.
while read -r url; do
  check "screenshot $url is docs/$(basename "$url")" test -f "docs/$(basename "$url")"
done < <(sed -n 's:.*<image[^>]*>\([^<]*\)</image>.*:\1:p' "$metainfo")

# Nothing but the files above: a stray install rule would end up in the package.
while read -r file; do
  known=0
  for e in "${expected[@]}"; do [ "$file" = "$e" ] && known=1; done
  [ $known -eq 1 ] || fail "unexpected installed file ${file#"$stage"}"
done < <(find "$stage" -type f -o -type l)

# The installed program starts and keeps running (offscreen, so no display is needed).
if [ -x "$binary" ]; then
  set +e
  QT_QPA_PLATFORM=offscreen timeout 3 "$binary" >/dev/null 2>&1
  status=$?
  set -e
  check "the installed program starts and runs until stopped (status $status)" test $status -eq 124
fi

# The Debian package, built with the package's settings and checked by lintian. Its hardening tags
# are only informational, yet each of them means a protection missing from the binary.
started=$SECONDS
log=$stage.log
if cmake -C packaging/package-build.cmake -S . -B "$package_build" >"$log" 2>&1 &&
  cmake --build "$package_build" -j"$(nproc)" --target "${targets[@]}" >>"$log" 2>&1 &&
  rm -f "$package_build"/platomer_*.deb &&
  cmake --build "$package_build" --target package >>"$log" 2>&1; then
  deb=$(ls "$package_build"/platomer_*.deb)
  set +e
  lintian --display-info --fail-on error,warning --tag-display-limit 0 "$deb" >"$stage.lintian" 2>&1
  status=$?
  set -e
  grep -v '^running with root privileges' "$stage.lintian" || true
  check "lintian $(basename "$deb"): no error or warning (status $status)" test $status -eq 0
  check "lintian $(basename "$deb"): the binary is hardened" lacks " hardening-" "$stage.lintian"
  echo "the package and its lintian check took $((SECONDS - started)) s"
else
  cat "$log"
  fail "building the package in $package_build"
fi

echo "install-check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
