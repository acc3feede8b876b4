#!/usr/bin/env bash
# The real program on a desktop (a virtual X server with a window manager), timed from outside:
# - start-up: from exec to the main window's map event (watched with xev) and to the first idle;
# - opening a 10 MB and a 50 MB page and a 1 MB single-line stylesheet: from the Enter key in the
#   open dialog to the program going idle, with the peak memory after opening;
# - the first and later keystrokes at the top and at the end of each file.
# "Idle" is what the program reports with VELINOR_IDLE_PROBE: the time a key press arrived and the
# time its event loop next ran out of work (input, posted events and repaints handled), with the
# processor time it used meanwhile (a busy machine stretches the wall clock, not the processor
# time). Prints medians over RUNS runs (default 3); it is a measurement, not a test.
# Usage: bench_desktop.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${RUNS:-3}
for tool in xvfb-run xdotool xev openbox perl; do
  command -v "$tool" >/dev/null || { echo "bench_desktop: $tool is not installed" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/pages"
cp "$build/velinor" "$work/program/"

# Czech HTML in windows-1250 with CRLF breaks, about N MB; and one megabyte of minified CSS on a line.
page() {
  perl -e 'my $czech = "P\xf8\xedli\x9a \x9elu\x9do\xe8k\xfd k\xf9\xf2 \xfap\xecl \xef\xe1belsk\xe9 \xf3dy";
           print "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n<body>\r\n";
           my ($size, $row) = (0, 0);
           while ($size < $ARGV[0] * 1000000) {
             my $line = "  <p class=\"r" . ($row % 97) . "\">$czech &amp; $row</p>\r\n";
             print $line; $size += length $line; $row++;
           }
           print "</body>\r\n</html>\r\n";' "$1"
}
page 10 > "$work/pages/page10.html"
page 50 > "$work/pages/page50.html"
perl -e 'my $s = ""; for (my $r = 0; length $s < 1000000; $r++) {
           $s .= ".r$r\{color:#" . sprintf("%06X", $r % 0xFFFFFF) . ";margin:0 " . ($r % 17) . "px}" }
         print "$s\n";' > "$work/pages/line1.css"

cat > "$work/measure.sh" <<'MEASURE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
runs=$2
program=$work/program
probe=$work/probe.txt
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 200); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
pid=
watcher=
cleanup() { [[ -n "$pid" ]] && kill "$pid" 2>/dev/null; [[ -n "$watcher" ]] && kill "$watcher" 2>/dev/null; kill "$wm" 2>/dev/null; true; }
trap cleanup EXIT
now_ms() { local t=$EPOCHREALTIME; t=${t/[.,]/}; echo $(( t / 1000 )); }
lines() { wc -l < "$probe"; }
# A visible window whose title matches; windows coming and going during the search are no error.
find_window() {
  local window
  for _ in $(seq 1 1000); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [[ -n "$window" ]] && { echo "$window"; return 0; }
    sleep 0.02
  done
  echo "bench_desktop: no window named $1" >&2
  exit 1
}
# Waits until the probe has reported idle after line $1 and nothing new came for 0.3 s.
settle() {
  local after=$1 last=-1 count
  for _ in $(seq 1 1200); do
    count=$(lines)
    if (( count > after )) && [[ $(tail -n 1 "$probe") == idle* ]]; then
      (( count == last )) && return 0
      last=$count
      sleep 0.3
    else
      sleep 0.02
    fi
  done
  echo "bench_desktop: the program did not go idle" >&2
  exit 1
}
# From the first key press after line $1 to the idle that follows it: "wall:cpu" milliseconds.
busy_after() {
  tail -n +"$(( $1 + 1 ))" "$probe" |
    awk '$1 == "key" && !k { k = $2; c = $3 } $1 == "idle" && k { print ($2 - k) ":" ($4 - c); exit }'
}
# The median of five "wall:cpu" figures, each part on its own.
median5() { local all; all=$(cat); echo "$(cut -d: -f1 <<< "$all" | sort -n | sed -n 3p):$(cut -d: -f2 <<< "$all" | sort -n | sed -n 3p)"; }
peak_after() { tail -n +"$(( $1 + 1 ))" "$probe" | awk '$1 == "idle" { p = $3 } END { print int(p / 1024) }'; }
# One key, timed from its arrival to idle.
key() { local n; n=$(lines); xdotool key --clearmodifiers "$1"; settle "$n"; busy_after "$n"; }
start() {
  rm -rf "$program/setup" "$program/projekty" "$program/recovery"
  : > "$probe"
  local mapped=$work/mapped.txt
  : > "$mapped"
  # Map events of top-level windows, stamped as they arrive.
  (stdbuf -oL xev -root -event substructure 2>/dev/null | while read -r line; do
     [[ $line == MapNotify* ]] && { t=$EPOCHREALTIME; echo "${t/[.,]/}" >> "$mapped"; }
   done) &
  watcher=$!
  sleep 0.2 # the watcher is listening
  local started
  started=$(now_ms)
  VELINOR_IDLE_PROBE=1 QT_QPA_PLATFORM=xcb "$program/velinor" > "$probe" 2>/dev/null &
  pid=$!
  settle 0
  for _ in $(seq 1 100); do [[ -s "$mapped" ]] && break; sleep 0.02; done
  local map idle
  map=$(( $(head -n 1 "$mapped") / 1000 - started ))
  idle=$(( $(awk '$1 == "idle" { print $2; exit }' "$probe") - started ))
  kill "$watcher" 2>/dev/null; wait "$watcher" 2>/dev/null || true
  watcher=
  echo "startup $map $idle $(peak_after 0)"
  main=$(find_window "^Velinor 1.0")
  xdotool windowactivate --sync "$main" 2>/dev/null || true
}
stop() { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; pid=; }
# Opens a file through "Ot&evřít ..." (Ctrl+O): the path typed into the dialog, then Enter.
open_file() {
  local path=$1 n
  xdotool key --clearmodifiers ctrl+o
  local dialog
  dialog=$(find_window "Otevřít|Open")
  xdotool windowactivate --sync "$dialog" 2>/dev/null || true
  n=$(lines)
  xdotool type --delay 5 "$path"
  settle "$n"
  n=$(lines)
  xdotool key Return
  find_window "$(basename "$path")" >/dev/null
  settle "$n"
  echo "$(busy_after "$n") $(peak_after "$n")"
}

for _ in $(seq 1 "$runs"); do
  for file in page10.html page50.html line1.css; do
    start
    read -r open peak < <(open_file "$work/pages/$file")
    top_first=$(key x)
    top_later=$(for _ in 1 2 3 4 5; do key x; done | median5)
    key ctrl+End >/dev/null
    end_first=$(key x)
    end_later=$(for _ in 1 2 3 4 5; do key x; done | median5)
    stop
    # The first key after opening, straight at the end.
    start >/dev/null
    open_file "$work/pages/$file" >/dev/null
    key ctrl+End >/dev/null
    end_only=$(key x)
    stop
    echo "file $file $open $peak $top_first $top_later $end_first $end_later $end_only"
  done
done
MEASURE
chmod +x "$work/measure.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/measure.sh" "$work" "$runs" > "$work/results"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
column() { awk -v f="$1" -v c="$2" '$1 == "file" && $2 == f { print $c }' "$work/results" | median; }
# A "wall:cpu" column: both medians.
timed() {
  local all
  all=$(awk -v f="$1" -v c="$2" '$1 == "file" && $2 == f { print $c }' "$work/results")
  echo "$(cut -d: -f1 <<< "$all" | median) ms (CPU $(cut -d: -f2 <<< "$all" | median) ms)"
}
echo "start-up over $runs runs (medians): exec to mapped window" \
     "$(awk '$1 == "startup" { print $2 }' "$work/results" | median) ms, exec to first idle" \
     "$(awk '$1 == "startup" { print $3 }' "$work/results" | median) ms, idle peak memory" \
     "$(awk '$1 == "startup" { print $4 }' "$work/results" | median) MiB"
for file in page10.html page50.html line1.css; do
  echo "$file ($(( $(stat -c %s "$work/pages/$file") / 1000000 )) MB): Enter in the open dialog to idle $(timed "$file" 3)," \
       "peak memory $(column "$file" 4) MiB"
  echo "  keys at the top: first $(timed "$file" 5), later $(timed "$file" 6); at the end: first $(timed "$file" 7)," \
       "later $(timed "$file" 8); the first key after opening typed at the end $(timed "$file" 9)"
done
