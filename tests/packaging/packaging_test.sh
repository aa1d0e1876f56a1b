#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed files and the Debian package, checked as a user's system sees them.
#   packaging_test.sh install  <cmake> <build> <scratch>  install into a scratch root, validate
#   packaging_test.sh package  <cpack> <build> <scratch>  build the .deb into <scratch>
#   packaging_test.sh contents <scratch>                  what the .deb holds and needs
#   packaging_test.sh runs     <scratch>                  the packaged program opens its window
#   packaging_test.sh lintian  <scratch>                  Debian's checker finds nothing to warn of
#   packaging_test.sh wayland  <scratch>                  the packaged program on a Wayland compositor
set -euo pipefail

app_id=example.numbrella.Numbrella
source_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# The languages the program speaks besides English: de, fr, pt_BR...
mapfile -t languages < <(cd "$source_root/translations" && ls numbrella_*.ts |
  sed 's/^numbrella_\(.*\)\.ts$/\1/' | grep -vx en)
calculator_title="  Numbrella Calculator - Untitled            www.numbrella.example "
# The calculator window as screen readers call it: its title without padding or address.
calculator_name="Numbrella Calculator - Untitled"
message_title="Numbrella Calculator"

fail() { echo "FAIL: $*" >&2; exit 1; }
need() {
  command -v "$1" >/dev/null 2>&1 || fail "$1 is missing; install $2 (make deps)"
}
the_deb() {
  local debs=("$1"/package/numbrella_*.deb)
  [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "no single package in $1/package"
  echo "${debs[0]}"
}

# The files every installation holds, below the prefix.
expected_files() {
  cat <<LIST
bin/numbrella
lib/$(gcc -print-multiarch)/numbrella/libnumbrella-print.so
share/applications/$app_id.desktop
share/doc/numbrella/changelog.gz
share/doc/numbrella/copyright
share/icons/hicolor/128x128/apps/$app_id.png
share/icons/hicolor/48x48/apps/$app_id.png
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/man1/numbrella.1.gz
share/metainfo/$app_id.metainfo.xml
LIST
  local page
  for page in "$source_root"/docs/man/*/numbrella.1; do
    echo "share/man/$(basename "$(dirname "$page")")/man1/numbrella.1.gz"
  done
}

install_and_validate() {
  local cmake=$1 build=$2 root=$3/install
  need desktop-file-validate desktop-file-utils
  need appstreamcli appstream
  need lexgrog man-db
  rm -rf "$root"
  DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
  diff -u <(expected_files | sed 's|^|usr/|' | LC_ALL=C sort) <(cd "$root" && find . ! -type d -printf '%P\n' | LC_ALL=C sort) ||
    fail "cmake --install put other files than expected"
  desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
  # The tree check also matches the metainfo to its desktop entry.
  appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
  appstreamcli validate-tree --no-net "$root"
  speaks_every_language "$root/usr/share"
}

# The menu, the software centre and apropos name the program in each of its languages.
speaks_every_language() {
  local desktop=$1/applications/$app_id.desktop metainfo=$1/metainfo/$app_id.metainfo.xml
  for language in "${languages[@]}"; do
    for key in Name GenericName Comment Keywords; do
      grep -q "^$key\[$language\]=." "$desktop" || fail "the desktop entry has no $key[$language]"
    done
    for element in name summary; do
      grep -q "<$element xml:lang=\"$language\">" "$metainfo" ||
        fail "the metainfo has no $element in $language"
    done
    lexgrog "$1/man/$language/man1/numbrella.1.gz" | grep -q '"numbrella - ' ||
      fail "the $language manual page has no NAME line"
  done
}

build_package() {
  local cpack=$1 build=$2 out=$3/package
  need dpkg-shlibdeps dpkg-dev
  need file file
  rm -rf "$out"
  "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null ||
    fail "cpack could not build the package"
  the_deb "$3" >/dev/null
}

package_contents() {
  local deb
  deb=$(the_deb "$1")
  diff -u <(expected_files | sed 's|^|./usr/|' | LC_ALL=C sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort) ||
    fail "the package holds other files than expected"
  local listing
  listing=$(dpkg-deb -c "$deb")
  grep -q ' root/root .* ./usr/bin/numbrella$' <<<"$listing" || fail "the program is not root's"
  [[ $(dpkg-deb -f "$deb" Package) == numbrella ]] || fail "package name"
  [[ $(dpkg-deb -f "$deb" Section) == utils ]] || fail "section"
  local depends
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libc6 libstdc++6 libqt6widgets6 libqt6printsupport6; do
    [[ $depends == *"$lib "* || $depends == *"$lib," || $depends == *"$lib" ]] ||
      fail "Depends lacks $lib: $depends"
  done
  local recommends
  recommends=$(dpkg-deb -f "$deb" Recommends)
  for name in qt6-wayland qt6-translations-l10n; do
    [[ ", $recommends," == *", $name,"* ]] || fail "Recommends lacks $name: $recommends"
  done
  local documents=$1/documents
  rm -rf "$documents"
  dpkg-deb -x "$deb" "$documents"
  local version
  version=$(zcat "$documents/usr/share/doc/numbrella/changelog.gz" | dpkg-parsechangelog -l - -S Version)
  [[ $version == "$(dpkg-deb -f "$deb" Version)" ]] ||
    fail "the changelog's latest entry is $version, the package $(dpkg-deb -f "$deb" Version)"
  copyright_is_machine_readable "$documents/usr/share/doc/numbrella/copyright"
}

# The copyright file in Debian's machine-readable format: its header names the format,
# every Files paragraph has a copyright and a licence, and every licence a paragraph of
# its own with the text or the common-licenses file that holds it.
copyright_is_machine_readable() {
  awk '
    NR == 1 && $0 != "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" {
      print "the first line names no format"; bad = 1 }
    /^Files:/ { files = 1; copyright = 0; license = "" }
    /^Copyright:/ { copyright = 1 }
    /^License:/ {
      if (files) { used[$2] = 1; license = $2 } else { described[$2] = 1; inlicense = $2 } }
    /^ / && inlicense != "" { text[inlicense] = 1 }
    /^$/ {
      if (files && (!copyright || license == "")) { print "a Files paragraph lacks Copyright or License"; bad = 1 }
      files = 0; inlicense = "" }
    END {
      if (files && (!copyright || license == "")) { print "a Files paragraph lacks Copyright or License"; bad = 1 }
      for (name in used) if (!(name in described) || !(name in text)) { print "no text for licence " name; bad = 1 }
      exit bad }' "$1" || fail "$1 is not a machine-readable copyright file"
}

# The id of the first window with exactly this title in `xwininfo -tree` output.
window_titled() { awk -v title="\"$1\": " 'index($0, title) { print $1; exit }'; }
viewable() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  [[ $info == *"Map State: IsViewable"* ]]
}

# Inside a virtual display: starts the program, answers the box that says there are no
# printer fonts (the program is given no print scheduler), and waits for the calculator
# window. Prints the calculator window's id.
show_window() {
  local program=$1 log=$2 answered="" id=""
  : >"$log"  # read below before the program's own redirection may have made it
  env -u QT_QPA_PLATFORM -u LD_LIBRARY_PATH CUPS_SERVER=/nonexistent/cups.sock \
    "$program" >"$log" 2>&1 &
  local pid=$!
  trap "kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true" EXIT
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended: $(cat "$log")"
    local tree
    tree=$(xwininfo -root -tree 2>/dev/null || true)
    id=$(window_titled "$calculator_title" <<<"$tree")
    [[ -n $id ]] && viewable "$id" && break
    id=""
    local box
    box=$(window_titled "$message_title" <<<"$tree")
    if [[ -n $box && $box != "$answered" ]] && viewable "$box"; then
      xdotool windowfocus --sync "$box" key Return
      answered=$box
    fi
    sleep 0.1
  done
  [[ -n $id ]] || fail "no window titled '$calculator_title' shown within 30 s: $(xwininfo -root -tree)"
  # The taskbar matches the window to its desktop entry by this class, and shows its icon.
  local class icon
  class=$(xprop -id "$id" WM_CLASS)
  [[ $class == *'"numbrella"' ]] || fail "window class: $class"
  grep -q '^StartupWMClass=numbrella$' "$3" || fail "the desktop entry names another window class"
  icon=$(xprop -id "$id" _NET_WM_ICON)
  [[ $icon == *"Icon (48 x 48)"* && $icon == *"Icon (128 x 128)"* ]] ||
    fail "the window does not carry the program's icon"
}

package_runs() {
  local scratch=$1 root=$1/root deb
  need xvfb-run xvfb
  need xwininfo x11-utils
  need xdotool xdotool
  deb=$(the_deb "$scratch")
  rm -rf "$root"
  dpkg-deb -x "$deb" "$root"
  local program=$root/usr/bin/numbrella
  [[ -x $program ]] || fail "no program in the package"
  local libraries
  libraries=$(env -u LD_LIBRARY_PATH ldd "$program")
  ! grep -q 'not found' <<<"$libraries" || fail "missing libraries: $libraries"
  ! readelf -d "$program" | grep -qE 'R(UN)?PATH' || fail "the program carries a library path"
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$0" show-window "$program" "$scratch/program.log" "$root/usr/share/applications/$app_id.desktop"
}

package_lintian() {
  local deb status=0 report
  need lintian lintian
  deb=$(the_deb "$1")
  # Info tags are shown too, for whoever reads the log; only errors and warnings fail.
  report=$(lintian --fail-on error,warning --display-info "$deb" 2>&1) || status=$?
  [[ -z $report ]] || echo "$report"
  [[ $status -eq 0 ]] || fail "lintian finds errors or warnings in $(basename "$deb")"
}

# The xdg_toplevel object (xdg_toplevel@<n>) that a WAYLAND_DEBUG=client log gives this
# title, and the lines that follow; a closed object's number is used again.
toplevel_titled() {
  awk -v call=".set_title(\"$1\")" 'index($0, " -> xdg_toplevel@") && index($0, call) {
    match($0, /xdg_toplevel@[0-9]+/); print substr($0, RSTART, RLENGTH); exit }'
}
after_title() { awk -v call=".set_title(\"$1\")" 'found; index($0, call) { found = 1 }' "$2"; }
# The height the client last gave its window's geometry, on the xdg_surface $1.
last_height() {
  grep -F " -> $1.set_window_geometry(" | tail -n 1 | sed -E 's/.*, ([0-9]+)\)$/\1/'
}
# What the program wrote besides the protocol: Qt's warnings, or anything else; a
# sound run writes nothing.
program_said() { grep -v '^\[' "$1" || true; }

# Inside the private compositor and session bus that `wayland` starts: runs the program
# natively on Wayland, looks at what it tells the compositor, and closes its window
# from the File menu, pressed through the accessibility bus as a screen reader does it
# (the compositor could close it only on a click on the window's title bar, and a
# headless compositor gets no clicks).
wayland_session() {
  local program=$1 log=$2 press=$3
  : >"$log"  # read below before the program's own redirection may have made it
  WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_MESSAGE_PATTERN='qt-%{type} %{category}: %{message}' CUPS_SERVER=/nonexistent/cups.sock \
    LC_ALL=C.UTF-8 "$program" >"$log" 2>&1 &
  local pid=$!
  trap "kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true" EXIT
  pressed() { "$press" 20 numbrella "$@" || fail "could not press $2: $(program_said "$log")"; }
  # The program says that there are no printer fonts (it is given no print scheduler).
  local toplevel="" answered=""
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended: $(program_said "$log")"
    toplevel=$(toplevel_titled "$calculator_title" <"$log")
    [[ -n $toplevel ]] && break
    if [[ -z $answered && -n $(toplevel_titled "$message_title" <"$log") ]]; then
      pressed "$message_title" OK
      answered=yes
    fi
    sleep 0.1
  done
  [[ -n $toplevel ]] || fail "no top-level titled '$calculator_title' within 30 s: $(program_said "$log")"
  local surface
  surface=$(grep -F "get_toplevel(new id $toplevel)" "$log" | tail -n 1 | grep -oE 'xdg_surface@[0-9]+' || true)
  [[ -n $surface ]] || fail "no xdg_surface made $toplevel"
  for _ in $(seq 100); do
    after_title "$calculator_title" "$log" | grep -qF " $toplevel.configure(" && break
    sleep 0.1
  done
  after_title "$calculator_title" "$log" | grep -qF " $toplevel.configure(" ||
    fail "the compositor never configured the calculator's top-level"
  # The taskbar matches the window to its desktop entry by this id, and shows its icon.
  after_title "$calculator_title" "$log" | grep -qF " -> $toplevel.set_app_id(\"$app_id\")" ||
    fail "the top-level carries another app id"
  sleep 2
  kill -0 "$pid" 2>/dev/null || fail "the program ended after showing its window: $(program_said "$log")"

  # Hiding the workboard shrinks the window and showing it restores it, with no
  # position asked of the compositor.
  local shown
  shown=$(after_title "$calculator_title" "$log" | last_height "$surface")
  [[ -n $shown ]] || fail "the window never told its geometry"
  pressed "$calculator_name" "Hide Workboard"
  local height=$shown
  for _ in $(seq 100); do
    height=$(last_height "$surface" <"$log")
    ((height < shown)) && break
    sleep 0.1
  done
  ((height < shown)) || fail "hiding the workboard left the window $height high"
  pressed "$calculator_name" "Show Workboard"
  for _ in $(seq 100); do
    height=$(last_height "$surface" <"$log")
    ((height == shown)) && break
    sleep 0.1
  done
  ((height == shown)) || fail "showing the workboard again made the window $height high, not $shown"

  pressed "$calculator_name" Exit
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program still runs 10 s after its window was closed"
  local status=0
  wait "$pid" || status=$?
  trap - EXIT
  [[ $status -eq 0 ]] || fail "the program ended with status $status: $(program_said "$log")"
  after_title "$calculator_title" "$log" | grep -qF " -> $toplevel.destroy()" ||
    fail "the program ended without closing its top-level"
  local said
  said=$(program_said "$log")
  [[ -z $said ]] || fail "the program wrote: $said"
}

# A headless Weston in a private runtime folder, and a session bus of its own for the
# accessibility bus; both end with the test.
package_runs_wayland() {
  local scratch=$1 root=$1/wayland-root deb
  need weston weston
  need dbus-run-session dbus-daemon
  [[ -x /usr/libexec/at-spi-bus-launcher ]] || fail "at-spi-bus-launcher is missing; install at-spi2-core (make deps)"
  /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
    fail "Python's AT-SPI binding is missing; install python3-gi and gir1.2-atspi-2.0 (make deps)"
  deb=$(the_deb "$scratch")
  rm -rf "$root"
  dpkg-deb -x "$deb" "$root"
  local runtime
  runtime=$(mktemp -d "${TMPDIR:-/tmp}/numbrella-wayland.XXXXXX")
  chmod 0700 "$runtime"
  mkdir "$runtime/home"
  local socket=wayland-numbrella
  XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --no-config \
    --idle-time=0 --width=1280 --height=1024 >"$scratch/weston.log" 2>&1 &
  local weston=$!
  trap "kill $weston 2>/dev/null || true; wait $weston 2>/dev/null || true; rm -rf '$runtime'" EXIT
  for _ in $(seq 100); do
    [[ -S $runtime/$socket ]] && break
    kill -0 "$weston" 2>/dev/null || fail "weston ended: $(cat "$scratch/weston.log")"
    sleep 0.1
  done
  [[ -S $runtime/$socket ]] || fail "weston opened no socket within 10 s: $(cat "$scratch/weston.log")"
  env -u DISPLAY -u AT_SPI_BUS_ADDRESS -u QT_QPA_PLATFORM -u LD_LIBRARY_PATH -u QT_SCALE_FACTOR \
    HOME="$runtime/home" XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$runtime/home/.config" \
    XDG_CACHE_HOME="$runtime/home/.cache" WAYLAND_DISPLAY=$socket \
    dbus-run-session -- "$0" wayland-session "$root/usr/bin/numbrella" "$scratch/wayland.log" \
    "$(dirname "$0")/press_control.py"
}

command=$1
shift
case $command in
  install) install_and_validate "$@" ;;
  package) build_package "$@" ;;
  contents) package_contents "$@" ;;
  runs) package_runs "$@" ;;
  show-window) show_window "$@" ;;
  lintian) package_lintian "$@" ;;
  wayland) package_runs_wayland "$@" ;;
  wayland-session) wayland_session "$@" ;;
  *) fail "unknown step $command" ;;
esac
