#!/usr/bin/env bash
# The installed files and the Debian package, checked as a user's system sees them.
#   packaging_test.sh install  <cmake> <build> <scratch>  install into a scratch root, validate
#   packaging_test.sh package  <cpack> <build> <scratch>  build the .deb into <scratch>
#   packaging_test.sh contents <scratch>                  what the .deb holds and needs
#   packaging_test.sh runs     <scratch>                  the packaged program opens its window
set -euo pipefail

app_id=example.numbrella.Numbrella
calculator_title="  Numbrella Calculator - Untitled            www.numbrella.example "
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
share/applications/$app_id.desktop
share/icons/hicolor/128x128/apps/$app_id.png
share/icons/hicolor/48x48/apps/$app_id.png
share/icons/hicolor/scalable/apps/$app_id.svg
share/metainfo/$app_id.metainfo.xml
LIST
}

install_and_validate() {
  local cmake=$1 build=$2 root=$3/install
  need desktop-file-validate desktop-file-utils
  need appstreamcli appstream
  rm -rf "$root"
  DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null
  diff -u <(expected_files | sed 's|^|usr/|') <(cd "$root" && find . ! -type d -printf '%P\n' | LC_ALL=C sort) ||
    fail "cmake --install put other files than expected"
  desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
  # The tree check also matches the metainfo to its desktop entry.
  appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
  appstreamcli validate-tree --no-net "$root"
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
  diff -u <(expected_files | sed 's|^|./usr/|') \
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

command=$1
shift
case $command in
  install) install_and_validate "$@" ;;
  package) build_package "$@" ;;
  contents) package_contents "$@" ;;
  runs) package_runs "$@" ;;
  show-window) show_window "$@" ;;
  *) fail "unknown step $command" ;;
esac
