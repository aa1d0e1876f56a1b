#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark in the given folder; each reports its time as a ratio to a
# baseline measured in the same run (the counter "ratio", or as the benchmark says).
set -euo pipefail
dir=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The windows on a screen of desktop size, where they fit without scrolling.
if [[ "${QT_QPA_PLATFORM:-offscreen}" == offscreen ]]; then
  export QT_QPA_PLATFORM="offscreen:configfile=$here/tests/support/screen-1920x1080.json"
fi
status=0
for bench in "$dir"/*_bench; do
  [[ -x "$bench" ]] || continue
  echo "== $(basename "$bench")"
  "$bench" --benchmark_counters_tabular=true || status=1
done
exit $status
