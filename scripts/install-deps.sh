#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing: with `build`, those of
# deps/build-packages.txt, which building and running the program need; without, those
# and the test tools of deps/debian-packages.txt as well.
# Uses apt-get as root, or through sudo; elsewhere says what to install by hand.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
lists=("$here/deps/build-packages.txt")
[[ "${1:-}" == build ]] || lists+=("$here/deps/debian-packages.txt")
mapfile -t wanted < <(cat "${lists[@]}" | grep -vE '^\s*(#|$)')
missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
echo "Installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  run=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  run=(sudo)
else
  echo "Cannot install packages (not root, no sudo). Install by hand:" >&2
  echo "  apt-get install ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -qq
"${run[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
