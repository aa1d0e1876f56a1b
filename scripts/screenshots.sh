#!/usr/bin/env bash
# Builds the screenshot maker and runs it on a virtual X display, so that the windows
# are drawn as on a desktop; writes docs/screenshots/*.png.
set -euo pipefail
build=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cmake --build "$build" --target numbrella_screenshots -j "$(nproc)"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1600x1200x24" "$build/numbrella_screenshots" "$here/docs/screenshots"
