#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Зарно needs to build, test and run, from Debian 12 packages, when missing.
# Needs root (or sudo). Usage: scripts/install-deps.sh [build|run|test|fuzz]
set -euo pipefail

build=(cmake ninja-build g++ pkg-config libfontconfig-dev libfreetype-dev libxcb1-dev qt6-base-dev libcli11-dev)
fonts=(fonts-dejavu-core fonts-dejavu-extra fonts-freefont-ttf fonts-arphic-uming fonts-noto-core)
test=(clang-format clang-tidy libgtest-dev libgmock-dev libbenchmark-dev libicu-dev libx11-dev python3-fonttools python3-munkres
      python3-defcon)
# The install check: validators, the .deb tools, lintian; librsvg2-bin renders the icon.
package=(desktop-file-utils appstream mandoc librsvg2-bin dpkg-dev fakeroot file lintian)
run=(xvfb)
# clang recommends its runtimes (libFuzzer among them); without recommends they are named here.
fuzz=(cmake ninja-build clang libclang-rt-14-dev pkg-config libfontconfig-dev libfreetype-dev libcli11-dev)

case "${1:-test}" in
  build) wanted=("${build[@]}") ;;
  run) wanted=("${build[@]}" "${fonts[@]}" "${run[@]}") ;;
  test) wanted=("${build[@]}" "${fonts[@]}" "${test[@]}" "${package[@]}") ;;
  fuzz) wanted=("${fuzz[@]}") ;;
  *) echo "usage: $0 [build|run|test|fuzz]" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
# Without recommends: a plain install of the font tools pulls in scipy and friends.
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
