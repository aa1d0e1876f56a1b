#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader sees it: the real program on a virtual X display,
# with a D-Bus session and the accessibility bus, read and driven by an AT-SPI client
# (tests/ui/screen_reader_client.py) through that bus alone. Its printer is a queue
# of a print scheduler of the test's own, and its fonts the build's two font packages,
# "Liberation Sans Narrow" going by the name "Arial Narrow", so that the calculator
# starts as on an office desktop.
#   screen_reader_test.sh PROGRAM CLIENT
set -euo pipefail
program=$1
client=$2
for tool in /usr/sbin/cupsd lpadmin xdotool Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "missing $tool (see deps/debian-packages.txt)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi" >&2; exit 1; }

work=$(mktemp -d /tmp/numbrella-reader-XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The printer.
cups=$work/cups
mkdir -p "$cups"/{conf,spool/tmp,cache,state,log,client,home}
socket=$cups/cups.sock
cat >"$cups/conf/cupsd.conf" <<CONF
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
cat >"$cups/conf/cups-files.conf" <<CONF
ServerRoot $cups/conf
RequestRoot $cups/spool
TempDir $cups/spool/tmp
CacheDir $cups/cache
StateDir $cups/state
ErrorLog $cups/log/error_log
AccessLog $cups/log/access_log
PageLog $cups/log/page_log
FileDevice Yes
CONF
if [[ $(id -u) -ne 0 ]]; then
  printf 'User %s\nGroup %s\nSystemGroup %s\n' "$(id -un)" "$(id -gn)" "$(id -gn)" >>"$cups/conf/cups-files.conf"
fi
/usr/sbin/cupsd -f -c "$cups/conf/cupsd.conf" -s "$cups/conf/cups-files.conf" &
pids+=($!)
export CUPS_SERVER=$socket CUPS_SERVERROOT=$cups/client HOME=$cups/home
unset LPDEST PRINTER
for _ in $(seq 100); do
  lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
lpadmin -p Office -E -v file:///dev/null -m raw 2>/dev/null || lpadmin -p Office -E -v file:///dev/null
lpadmin -d Office

# The fonts.
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <dir>/usr/share/fonts/truetype/liberation</dir>
  <cachedir>$work/fontcache</cachedir>
  <match target="scan">
    <test name="family"><string>Liberation Sans Narrow</string></test>
    <edit name="family" mode="assign" binding="same"><string>Arial Narrow</string></edit>
  </match>
</fontconfig>
CONF
export FONTCONFIG_FILE=$work/fonts.conf XDG_CACHE_HOME=$work/cache XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"

# The display.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
export DISPLAY=:$(head -n1 "$work/display")
unset QT_QPA_PLATFORM QT_SCALE_FACTOR WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8 LANGUAGE=

# The session, the accessibility bus, the program, the client.
export NUMBRELLA_PROGRAM=$program NUMBRELLA_CLIENT=$client NUMBRELLA_WORK=$work
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$NUMBRELLA_WORK/bus.log" 2>&1 &
  bus=$!
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
