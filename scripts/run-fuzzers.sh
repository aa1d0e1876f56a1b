#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target in the given folder for a bounded time each; a target that
# the runs file (third argument, fuzz/runs.txt by default, none when empty) names
# ("target inputs") runs that many inputs instead.
set -euo pipefail
dir=$(cd "$1" && pwd)
seconds=${2:-60}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
corpus_root=$here/fuzz/corpus
runs_file=${3-$here/fuzz/runs.txt}
for target in "$dir"/*_fuzz; do
  name=$(basename "$target")
  corpus=$(mktemp -d)
  [[ -d "$corpus_root/$name" ]] && cp "$corpus_root/$name"/* "$corpus" 2>/dev/null || true
  runs=""
  [[ -n "$runs_file" ]] && runs=$(awk -v n="$name" '$1 == n { print $2 }' "$runs_file" 2>/dev/null || true)
  if [[ -n "$runs" ]]; then
    bound=(-runs="$runs")
    echo "== $name for $runs inputs"
  else
    bound=(-max_total_time="$seconds")
    echo "== $name for ${seconds}s"
  fi
  log=$(mktemp)
  status=0
  "$target" "${bound[@]}" -print_final_stats=1 -max_len=512 \
     -artifact_prefix="$here/fuzz-$name-" "$corpus" >"$log" 2>&1 || status=$?
  grep -E 'stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY|Test unit written' "$log" || true
  if [[ $status -ne 0 ]]; then
    tail -n 40 "$log"
    echo "$name found a failure"
    exit 1
  fi
  rm -rf "$corpus" "$log"
done
