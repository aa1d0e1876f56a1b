#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long the program takes to end after its window has closed while a request to a
# hung print server is under way. The server takes connections and never answers; the
# program starts on a virtual display with a window manager and asks it about its
# printers at once, and Exit (Ctrl+X) closes the window while that question waits,
# for 1.5 seconds at most.
#   bench/exit_with_hung_print_server.sh [path/to/numbrella] [rounds]
set -euo pipefail
program=$(realpath "${1:-build/numbrella}")
rounds=${2:-5}
if [[ -z "${DISPLAY:-}" ]]; then
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$program" "$rounds"
fi
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
openbox >/dev/null 2>&1 &
sleep 1
# Takes connections into its backlog and never reads or answers them.
python3 -c '
import socket, sys, time
s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
s.bind(sys.argv[1]); s.listen(1024)
time.sleep(3600)' "$work/cups.sock" &
for ((i = 0; i < 100; i++)); do [[ -S "$work/cups.sock" ]] && break; sleep 0.1; done
export CUPS_SERVER=$work/cups.sock XDG_STATE_HOME=$work/state
shown() { xdotool search --onlyvisible --pid "$1" --name 'Numbrella Calculator - ' 2>/dev/null; }
for ((round = 1; round <= rounds; round++)); do
  "$program" >/dev/null 2>&1 &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" \
    --name 'Numbrella Calculator - ' | head -n 1)
  timeout 5 xdotool windowactivate --sync "$window" 2>/dev/null || true
  sleep 0.3
  xdotool key ctrl+x
  for ((i = 0; i < 2000 && $(shown "$pid" | wc -l) > 0; i++)); do sleep 0.005; done
  closed=$(date +%s.%N)
  if shown "$pid" >/dev/null; then
    echo "round $round: the window did not close"
    kill "$pid"
    wait "$pid" || true
    continue
  fi
  wait "$pid" || true
  ended=$(date +%s.%N)
  awk -v a="$closed" -v b="$ended" -v r="$round" \
    'BEGIN { printf "round %d: ended %.3f s after its window closed\n", r, b - a }'
done
