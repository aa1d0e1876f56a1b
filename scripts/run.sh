#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on the user's display; says so plainly when there is none.
set -u
program=$1
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "numbrella: no display to open its window on (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  exit 1
fi
unset QT_QPA_PLATFORM
exec "$program"
