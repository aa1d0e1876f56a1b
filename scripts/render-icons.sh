#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's PNG icons from its SVG icon. The PNGs are committed, so only
# run this after changing the SVG; it needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
icons="$here/data/icons/hicolor"
name=example.numbrella.Numbrella
if ! command -v rsvg-convert >/dev/null 2>&1; then
  echo "render-icons: rsvg-convert is missing; install librsvg2-bin." >&2
  exit 1
fi
for size in 48 128; do
  mkdir -p "$icons/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$icons/scalable/apps/$name.svg" \
    -o "$icons/${size}x${size}/apps/$name.png"
done
