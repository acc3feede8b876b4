#!/usr/bin/env bash
# Runs every benchmark of the build folder and prints its figures.
set -euo pipefail
build=$1
echo "== start-up"
bash "$(dirname "$0")/../bench/bench_startup.sh" "$build"
for bench in "$build"/bench/bench_*; do
  [[ -f "$bench" && -x "$bench" ]] || continue
  echo "== $(basename "$bench")"
  QT_QPA_PLATFORM=offscreen "$bench"
done
