#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up seen from outside: the time from launching a program until its window is
# visible on a virtual X display, for the calculator, for a bare QMainWindow holding
# a QTextEdit (bench/bare_window) and for SpeedCrunch, a calculator of the same
# toolkit, alternating, RUNS times each (15 unless told). Prints the medians and the
# ratios calculator / bare window and calculator / SpeedCrunch, for the elapsed time
# and for the processor time the program used meanwhile (steadier on a busy machine);
# it only measures, it never fails on the figures. Without SpeedCrunch (package
# speedcrunch) it says so and gives the first ratio alone.
#
# As on a desktop: the build's fonts (docs/fonts.conf, cache warmed before the runs)
# and a print scheduler of this script's own with one default queue, so the calculator
# fills in its printer's name and fonts before it shows its window. The calculator
# also runs against a print server that takes connections and never answers ("hung"),
# whose ratio to the bare window must stay as low.
#
#   scripts/startup-ratio.sh build-bench [RUNS]
set -euo pipefail
build=$1
# The calculator's processor time falls in two groups, as its window is found before
# or after its first paint; the median of seven runs jumps between them, that of
# fifteen holds.
runs=${2:-15}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
calculator=$build/numbrella
bare=$build/bench/bare_window
for program in "$calculator" "$bare"; do
  [[ -x "$program" ]] || { echo "startup-ratio: no $program (build it first)" >&2; exit 1; }
done

root=$(mktemp -d /tmp/numbrella-startup-XXXXXX)
source "$here/scripts/office-desktop.sh"
cleanup() {
  # The programs ended by a signal report it as their status: no failure of this script.
  for pid in "${office_pids[@]}"; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  done
  rm -rf "$root"
}
trap cleanup EXIT
office_display "$root"
office_printer "$root"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI QT_STYLE_OVERRIDE
export LANG=C.UTF-8
office_fonts "$root" "$here"
# The print server that never answers, and the calculator pointed at it.
/usr/bin/python3 -c 'import socket, sys, time
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(64)
time.sleep(1e9)' "$root/hung.sock" &
office_pids+=($!)

# Milliseconds from launch until a visible window of that title exists. xdotool's own
# --sync waits half a second between looks, too coarse here: this looks every 5 ms.
# A third argument names the print server the program is to ask. It is set in the
# program's own environment, not by a wrapper, whose shell would count as start-up.
time_to_window() {
  local program=$1 title=$2 server=${3:-} start end pid
  start=$(date +%s%N)
  if [[ -n "$server" ]]; then
    CUPS_SERVER=$server "$program" >>"$root/programs.log" 2>&1 &
  else
    "$program" >>"$root/programs.log" 2>&1 &
  fi
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
  # Its processor time so far, in nanoseconds, summed over its threads (the first
  # field of each one's schedstat): other work on the machine does not stretch it,
  # and unlike the clock ticks of /proc/PID/stat it resolves a few milliseconds.
  local ns=0 task run
  for task in /proc/"$pid"/task/*/schedstat; do
    read -r run _ <"$task" 2>/dev/null && ns=$((ns + run))
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  echo "$(((end - start) / 1000000)) $(awk -v ns="$ns" 'BEGIN { printf "%.1f", ns / 1e6 }')"
}

# One run of each untimed, so that all start from a warm disk cache.
programs=(bare calculator hung)
declare -A path=([bare]=$bare [calculator]=$calculator [hung]=$calculator [speedcrunch]=)
declare -A server=([hung]=$root/hung.sock)
declare -A title=([bare]="^Numbrella bare window$" [calculator]="Numbrella Calculator - "
  [hung]="Numbrella Calculator - " [speedcrunch]="^SpeedCrunch$")
if speedcrunch=$(command -v speedcrunch); then
  programs+=(speedcrunch)
  path[speedcrunch]=$speedcrunch
else
  echo "startup-ratio: no speedcrunch (package speedcrunch): no calculator / SpeedCrunch ratio"
fi
for program in "${programs[@]}"; do
  time_to_window "${path[$program]}" "${title[$program]}" "${server[$program]:-}" >/dev/null
done
declare -A elapsed processor
for _ in $(seq "$runs"); do
  for program in "${programs[@]}"; do
    read -r wall cpu < <(time_to_window "${path[$program]}" "${title[$program]}" "${server[$program]:-}")
    [[ -n "$cpu" ]] || exit 1
    elapsed[$program]+="$wall " processor[$program]+="$cpu "
  done
done
# A median of the figures in a list of blank-separated ones.
median() { printf '%s\n' $1 | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A name=([bare]="bare window" [speedcrunch]=SpeedCrunch)
report() {
  local what=$1 other=$2 c o
  local -n figures=$3
  c=$(median "${figures[${4:-calculator}]}")
  o=$(median "${figures[$other]}")
  awk -v what="$what" -v other="${name[$other]}" -v c="$c" -v o="$o" -v n="$runs" 'BEGIN {
    printf "%s, median of %d: calculator %.0f ms / %s %.0f ms = %.2f\n", what, n, c, other, o, c / o }'
}
for program in "${programs[@]}"; do
  printf '%-12s ms (elapsed / processor): %s/ %s\n' "$program" "${elapsed[$program]}" "${processor[$program]}"
done
report "processor time to the visible window" bare processor
echo "(goal: at most 1.3)"
report "start-up to the visible window" bare elapsed
echo "(goal: at most 1.2)"
report "against a print server that never answers, start-up" bare elapsed hung
echo "(goal: at most 1.2)"
if [[ -n "${path[speedcrunch]}" ]]; then
  report "processor time to the visible window" speedcrunch processor
  report "start-up to the visible window" speedcrunch elapsed
  echo "(goal: start-up at most 0.67)"
fi
