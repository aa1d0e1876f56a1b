#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop as an office user's, for scripts that start the real program: sourced, it
# gives them the functions below, each working in the folder ROOT of the caller's own.
#   office_display ROOT      a virtual X display; exports DISPLAY
#   office_printer ROOT      a print scheduler of its own with the default queue
#                            "Office"; exports CUPS_SERVER and friends
#   office_fonts ROOT HERE   the build's fonts (HERE/docs/fonts.conf), the metric twin
#                            of "Arial Narrow" answering to that name, their cache warm;
#                            exports FONTCONFIG_FILE and the XDG folders
# The processes started are in office_pids, for the caller to end.
office_pids=()

office_display() {
  local root=$1 number
  # -noreset: the display keeps its root window's properties (the accessibility bus's
  # address among them) while no client is connected.
  Xvfb -displayfd 3 -noreset -screen 0 1920x1080x24 -dpi 96 -nolisten tcp 3>"$root/display" >"$root/xvfb.log" 2>&1 &
  office_pids+=($!)
  for _ in $(seq 300); do [[ -s "$root/display" ]] && break; sleep 0.1; done
  number=$(tr -dc 0-9 <"$root/display")
  [[ -n "$number" ]] || { echo "Xvfb did not start:" >&2; cat "$root/xvfb.log" >&2; return 1; }
  export DISPLAY=:$number
}

office_printer() {
  local cups=$1/cups
  mkdir -p "$cups"/{conf,spool/tmp,cache,state,log,client,home}
  local socket=$cups/cups.sock
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
  /usr/sbin/cupsd -f -c "$cups/conf/cupsd.conf" -s "$cups/conf/cups-files.conf" >"$cups/log/cupsd.out" 2>&1 &
  office_pids+=($!)
  for _ in $(seq 200); do [[ -S "$socket" ]] && break; sleep 0.05; done
  export CUPS_SERVER=$socket CUPS_SERVERROOT=$cups/client HOME=$cups/home
  unset LPDEST PRINTER
  lpadmin -p Office -E -v file:///dev/null -m raw 2>/dev/null || lpadmin -p Office -E -v file:///dev/null
  lpadmin -d Office
}

office_fonts() {
  local root=$1 here=$2
  cat >"$root/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include>$here/docs/fonts.conf</include>
  <match target="scan">
    <test name="family"><string>Liberation Sans Narrow</string></test>
    <edit name="family" mode="assign"><string>Arial Narrow</string></edit>
  </match>
</fontconfig>
CONF
  mkdir -p "$root/xdg-cache" "$root/xdg-config"
  export FONTCONFIG_FILE=$root/fonts.conf XDG_CACHE_HOME=$root/xdg-cache XDG_CONFIG_HOME=$root/xdg-config
  fc-cache >/dev/null 2>&1 || true
}
