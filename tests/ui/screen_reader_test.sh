#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader sees it: the real program on a virtual X display,
# with a D-Bus session and the accessibility bus, read and driven by an AT-SPI client
# (tests/ui/screen_reader_client.py) through that bus alone, on the office desktop of
# scripts/office-desktop.sh, so that the calculator starts with its printer and fonts.
# With "self", the client starts the program itself, as often as it needs.
#   screen_reader_test.sh PROGRAM CLIENT [self]
set -euo pipefail
program=$1
client=$2
starts=${3:-}
for tool in /usr/sbin/cupsd lpadmin xdotool setxkbmap Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "missing $tool (see deps/debian-packages.txt)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi" >&2; exit 1; }

work=$(mktemp -d /tmp/numbrella-reader-XXXXXX)
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/office-desktop.sh"
cleanup() {
  for pid in "${office_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
office_display "$work"
office_printer "$work"
office_fonts "$work" "$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# Recovery copies of unsaved work go there, never into the user's own state folder.
export XDG_STATE_HOME=$work/state
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8 LANGUAGE=

# The session, the accessibility bus, the program, the client.
export NUMBRELLA_PROGRAM=$program NUMBRELLA_CLIENT=$client NUMBRELLA_WORK=$work
export NUMBRELLA_CLIENT_STARTS=$starts
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$NUMBRELLA_WORK/bus.log" 2>&1 &
  bus=$!
  if [[ -n $NUMBRELLA_CLIENT_STARTS ]]; then
    status=0
    /usr/bin/python3 "$NUMBRELLA_CLIENT" || status=$?
    kill "$bus" 2>/dev/null || true
    exit $status
  fi
  "$NUMBRELLA_PROGRAM" >"$NUMBRELLA_WORK/program.log" 2>&1 &
  app=$!
  # There is no window manager to give the new window the focus, as a desktop would.
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "Numbrella Calculator" | head -n1)
  xdotool windowfocus --sync "$window"
  status=0
  /usr/bin/python3 "$NUMBRELLA_CLIENT" || status=$?
  kill "$app" "$bus" 2>/dev/null || true
  if [[ $status -ne 0 ]]; then
    echo "--- what the program wrote:"; cat "$NUMBRELLA_WORK/program.log"
  fi
  exit $status
' 2> >(grep -v -e "Failed to set fd limit" -e "^dbus-daemon" >&2)
