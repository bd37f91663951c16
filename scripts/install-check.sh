#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the installed program: installs the build into two DESTDIR prefixes, runs each
# installed zarno-cli from another working folder with an empty home (the font must be found,
# nothing may be written into the home), validates the desktop entry, the metainfo and the man
# pages, builds the .deb and lists it, and runs lintian on it when lintian is installed.
#   scripts/install-check.sh [BUILD_DIR]        (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "install-check: $*" >&2; exit 1; }

for prefix in /usr /opt/zarno; do
  dest=$work/dest$(echo "$prefix" | tr / _)
  DESTDIR=$dest cmake --install "$build" --prefix "$prefix" >/dev/null
  cli=$dest$prefix/bin/zarno-cli
  font=$dest$prefix/share/fonts/truetype/zarno/kolvan+.ttf
  [ -f "$font" ] || fail "no font at $font"
  mkdir -p "$work/home" "$work/elsewhere"
  out=$(cd "$work/elsewhere" && env -i PATH=/usr/bin:/bin HOME="$work/home" "$cli" --version)
  echo "$out"
  [[ $out == *"font: $font"* ]] || fail "$prefix: the installed zarno-cli did not find $font"
  (cd "$work/elsewhere" && echo print | env -i PATH=/usr/bin:/bin HOME="$work/home" "$cli" replay >/dev/null)
  grep -q "Kirillitsa_Font_Name=Kolvana+" "$work/elsewhere/Zarno.ini" ||
    fail "$prefix: replay did not see the font"
  [ -z "$(find "$work/home" -mindepth 1 -print -quit)" ] ||
    fail "$prefix: something was written into the home: $(find "$work/home" -mindepth 1)"
  rm -rf "$work/home" "$work/elsewhere"
  echo "== $prefix: font found, home untouched"
done

dest=$work/dest_usr/usr
desktop-file-validate "$dest"/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$dest"/share/metainfo/*.metainfo.xml
mandoc -T lint -W warning data/man/*.1
echo "== desktop entry, metainfo and man pages validate"

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/zarno_*.deb | head -1)
echo "== $(basename "$deb")"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
dpkg-deb --contents "$deb" | awk '{print $6}'
if command -v lintian >/dev/null; then
  lintian --no-tag-display-limit "$deb" || fail "lintian reports errors"
  echo "== lintian: no errors"
fi
