#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up seen from outside: the time from launching a program until its window is
# visible on a virtual X display, for the calculator and for a bare QMainWindow holding
# a QTextEdit (bench/bare_window), alternating, RUNS times each (7 unless told). Prints
# both medians and their ratio, calculator / bare window, for the elapsed time and for
# the processor time the program used meanwhile (steadier on a busy machine); it only
# measures, it never fails on the figures.
#
# As on a desktop: the build's fonts (docs/fonts.conf, cache warmed before the runs)
# and a print scheduler of this script's own with one default queue, so the calculator
# fills in its printer's name and fonts before it shows its window.
#
#   scripts/startup-ratio.sh build-bench [RUNS]
set -euo pipefail
build=$1
runs=${2:-7}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
calculator=$build/numbrella
bare=$build/bench/bare_window
for program in "$calculator" "$bare"; do
  [[ -x "$program" ]] || { echo "startup-ratio: no $program (build it first)" >&2; exit 1; }
done

root=$(mktemp -d /tmp/numbrella-startup-XXXXXX)
source "$here/scripts/office-desktop.sh"
cleanup() {
  for pid in "${office_pids[@]}"; do kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null; done
  rm -rf "$root"
}
trap cleanup EXIT
office_display "$root"
office_printer "$root"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI QT_STYLE_OVERRIDE
export LANG=C.UTF-8
office_fonts "$root" "$here"

# Milliseconds from launch until a visible window of that title exists. xdotool's own
# --sync waits half a second between looks, too coarse here: this looks every 5 ms.
time_to_window() {
  local program=$1 title=$2 start end pid
  start=$(date +%s%N)
  "$program" >>"$root/programs.log" 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || (($(date +%s%N) - start > 30000000000)); then
      # A start-up message (no printer, no fonts) keeps the window from showing.
      echo "startup-ratio: $program showed no window \"$title\" within 30 s" >&2
      kill "$pid" 2>/dev/null
      cat "$root/programs.log" >&2
      return 1
    fi
    sleep 0.005
  done
  end=$(date +%s%N)
  # Its processor time so far (user and system, fields 14 and 15), which other
  # work on the machine does not stretch.
  local stat ticks
  stat=$(cat "/proc/$pid/stat")
  stat=${stat##*) }
  read -r -a fields <<<"$stat"
  ticks=$((fields[11] + fields[12]))
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  echo "$(((end - start) / 1000000)) $((ticks * 1000 / hz))"
}

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One run of each untimed, so that both start from a warm disk cache.
hz=$(getconf CLK_TCK)
time_to_window "$bare" "^Numbrella bare window$" >/dev/null
time_to_window "$calculator" "Numbrella Calculator - " >/dev/null
calculator_ms=() calculator_cpu=() bare_ms=() bare_cpu=()
for _ in $(seq "$runs"); do
  read -r wall cpu < <(time_to_window "$bare" "^Numbrella bare window$")
  [[ -n "$cpu" ]] || exit 1
  bare_ms+=("$wall") bare_cpu+=("$cpu")
  read -r wall cpu < <(time_to_window "$calculator" "Numbrella Calculator - ")
  [[ -n "$cpu" ]] || exit 1
  calculator_ms+=("$wall") calculator_cpu+=("$cpu")
done
report() {
  local what=$1 c b
  shift
  c=$(median "${@:1:runs}")
  b=$(median "${@:runs+1}")
  awk -v what="$what" -v c="$c" -v b="$b" -v n="$runs" 'BEGIN {
    printf "%s, median of %d: calculator %.0f ms / bare window %.0f ms = %.2f\n", what, n, c, b, c / b }'
}
echo "bare window ms (elapsed, processor): ${bare_ms[*]} / ${bare_cpu[*]}"
echo "calculator ms  (elapsed, processor): ${calculator_ms[*]} / ${calculator_cpu[*]}"
report "processor time to the visible window" "${calculator_cpu[@]}" "${bare_cpu[@]}"
report "start-up to the visible window" "${calculator_ms[@]}" "${bare_ms[@]}"
echo "(goal: start-up at most 1.3)"
