#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build folder for the given number of seconds each.
# Each target starts from its seed corpus (fuzz/corpus/<area>, left untouched) and keeps what it
# finds in <build>/corpus/<area>; a crash leaves its input in <build>/crashes/. Fails when any
# target finds a crash or a broken property.
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-60}
seeds=$(cd "$(dirname "$0")/../fuzz/corpus" && pwd)
mkdir -p "$build/crashes"
failed=()
for target in "$build"/fuzz/fuzz_*; do
  [[ -f "$target" && -x "$target" ]] || continue
  area=${target##*/fuzz_}
  mkdir -p "$build/corpus/$area"
  echo "== $area: ${seconds} s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/crashes/${area}-" "$build/corpus/$area" "$seeds/$area" \
       > "$build/fuzz-$area.log" 2>&1; then
    failed+=("$area")
    tail -n 40 "$build/fuzz-$area.log"
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+ +DONE' "$build/fuzz-$area.log" || true
done
if (( ${#failed[@]} )); then
  echo "fuzzing found faults in: ${failed[*]} (inputs in $build/crashes/)" >&2
  exit 1
fi
echo "fuzzing: no faults"
