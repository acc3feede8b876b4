#!/usr/bin/env bash
# Start-up benchmark: from exec to a mapped main window and to the first idle event loop, and the
# idle peak memory, under a virtual X server. Prints medians of several runs.
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${RUNS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/velinor" "$work/"

cat > "$work/measure.sh" <<'MEASURE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
runs=$2
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
for _ in $(seq 1 "$runs"); do
  # Time to a mapped window.
  start=$(now_ms)
  QT_QPA_PLATFORM=xcb "$work/velinor" &
  pid=$!
  until xdotool search --onlyvisible --name "^Velinor 1.0" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || (( $(now_ms) - start > 20000 )); then
      echo "velinor did not show its window" >&2
      exit 1
    fi
    sleep 0.005
  done
  mapped=$(( $(now_ms) - start ))
  kill "$pid"; wait "$pid" 2>/dev/null || true
  # Time to the first idle event loop, with the idle peak memory.
  start=$(now_ms)
  line=$(QT_QPA_PLATFORM=xcb VELINOR_STARTUP_PROBE=1 "$work/velinor" 2>/dev/null | grep '^idle')
  idle=$(( $(now_ms) - start ))
  echo "$mapped $idle ${line#idle }"
done
MEASURE
chmod +x "$work/measure.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/measure.sh" "$work" "$runs" > "$work/results"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "start-up over $runs runs (medians): exec to mapped window $(cut -d' ' -f1 "$work/results" | median) ms," \
     "exec to first idle $(cut -d' ' -f2 "$work/results" | median) ms," \
     "idle peak memory $(( $(cut -d' ' -f3 "$work/results" | median) / 1024 )) MiB"
