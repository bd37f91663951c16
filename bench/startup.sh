#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long zarno takes to show its window, beside the least Qt Widgets window
# (build/bench/minimal_window), both started the same way on one Xvfb display, in turns:
# the median time until the window is mapped and until it is painted once, the ratio of the
# painted medians (target: zarno / minimal <= 1.5), and the peak memory of each; beside them the
# median processor time each took until it was painted (and ended), and the ratio of those,
# which a loaded machine disturbs far less than the time on the clock.
# Zarno runs in a folder of its own, started once before the count so that its settings file
# and font exist as at any later start.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-7}
zarno="$build/src/ui/zarno"
minimal="$build/bench/minimal_window"
clock="$build/bench/window_clock"
for p in "$zarno" "$minimal" "$clock"; do
  [[ -x $p ]] || { echo "startup.sh: build $p first (-DZARNO_GUI=ON -DZARNO_BENCH=ON)" >&2; exit 2; }
done
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, so that the first window mapped on it is the program's. Without
# -noreset Xvfb resets itself whenever its last client leaves, and a program started during
# that reset finds no display.
display=""
for n in $(seq 90 140); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=":$n"; break; fi
done
[[ -n $display ]] || { echo "startup.sh: no free display number" >&2; exit 2; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X${display#:} ]] && break; sleep 0.05; done
export DISPLAY=$display
unset QT_QPA_PLATFORM

# Each program in its own folder, with its own home, so that nothing else is shared.
mkdir -p "$work/zarno/home" "$work/minimal/home"
start() {  # start NAME PROGRAM: prints "<map ms> <paint ms> <peak KiB> <cpu ms>"
  (cd "$work/$1" && HOME="$work/$1/home" XDG_DATA_HOME="$work/$1/home/.local/share" \
    "$clock" "$2")
}
start zarno "$zarno" >/dev/null
start minimal "$minimal" >/dev/null

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
declare -A map paint peak cpu
for ((i = 0; i < runs; i++)); do
  for name in zarno minimal; do
    program=$zarno
    [[ $name == minimal ]] && program=$minimal
    read -r m p k c < <(start "$name" "$program")
    map[$name]+=" $m"
    paint[$name]+=" $p"
    peak[$name]+=" $k"
    cpu[$name]+=" $c"
  done
done

printf '%-8s %12s %14s %14s %10s\n' program "mapped (ms)" "painted (ms)" "peak (MiB)" "cpu (ms)"
for name in zarno minimal; do
  # shellcheck disable=SC2086
  printf '%-8s %12.1f %14.1f %14.1f %10.1f\n' "$name" "$(median ${map[$name]})" \
    "$(median ${paint[$name]})" "$(echo "scale=2; $(median ${peak[$name]}) / 1024" | bc)" \
    "$(median ${cpu[$name]})"
done
# shellcheck disable=SC2086
printf 'zarno / minimal (painted): %.2f\n' \
  "$(echo "scale=4; $(median ${paint[zarno]}) / $(median ${paint[minimal]})" | bc)"
# shellcheck disable=SC2086
printf 'zarno / minimal (cpu): %.2f\n' \
  "$(echo "scale=4; $(median ${cpu[zarno]}) / $(median ${cpu[minimal]})" | bc)"
