#!/usr/bin/env bash
# Runs every benchmark of the build folder and prints its figures.
set -euo pipefail
build=$1
echo "== the program on a desktop: start-up, opening files, keystrokes"
bash "$(dirname "$0")/../bench/bench_desktop.sh" "$build"
for bench in "$build"/bench/bench_*; do
  [[ -f "$bench" && -x "$bench" ]] || continue
  echo "== $(basename "$bench")"
  QT_QPA_PLATFORM=offscreen "$bench"
done
