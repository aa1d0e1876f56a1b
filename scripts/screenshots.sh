#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the screenshot maker and runs it on a virtual X display, so that the windows
# are drawn as on a desktop; writes docs/screenshots/*.png. The fonts are the build's
# own (docs/fonts.conf) and the printer is a stand-in, so that every machine draws the
# same pictures.
set -euo pipefail
build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cmake --build "$build" --target numbrella_screenshots -j "$(nproc)"
cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_FONT_DPI QT_STYLE_OVERRIDE
export FONTCONFIG_FILE="$here/docs/fonts.conf" XDG_CACHE_HOME="$cache" XDG_CONFIG_HOME="$cache" LANG=C.UTF-8
xvfb-run -a -s "-screen 0 1600x1200x24 -dpi 96" "$build/numbrella_screenshots" "$here/docs/screenshots"
