#!/usr/bin/env bash
# End to end: the real program in a virtual X server under a window manager. Starts Velinor from a
# fresh program folder, waits for its main window, types Czech text into the start-up document, saves a screenshot,
# quits through "Kone&c" (answering No to the save question) and checks what the exit wrote. Every
# step waits on a window title or a file, never on a fixed pause. Without an X server to run in, it
# says so and reports itself as skipped (exit 77), not as a failure of the program.
set -euo pipefail

source "$(dirname "$0")/x_session.sh"
require_tools xvfb-run xdotool import

build=$(cd "$1" && pwd)
shot="$build/e2e_screenshot.png"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prepare_program_folder "$build" "$work"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
shot=$2
source "$work/x_session.sh"
begin_session

QT_QPA_PLATFORM=xcb "$work/velinor" &
pid=$!
main=$(wait_for_window "^Velinor 1.0" 20) || fail "the main window did not appear"
activate "$main"
xdotool type --delay 30 "Žluťoučký kůň <b>"

# A new HTML document through "No&vý ..." (Ctrl+N): the list's type-ahead picks "HTML document" and
# Alt+O presses "&OK". The maximised document shows its name in the main window's title.
xdotool key ctrl+n
dialog=$(wait_for_window "^Nový" 10) || fail "Ctrl+N did not open the new-document dialog"
activate "$dialog"
xdotool key Tab
xdotool type --delay 30 "HTML d"
xdotool key alt+o
wait_for_window "\[Novy2.html\]" 10 >/dev/null || fail "the new document Novy2.html did not open"
# A word typed after its last line, then "&Uložit" (Ctrl+S) into projekty/.
xdotool type --delay 30 "Ahoj"
xdotool key ctrl+s
for _ in $(seq 1 100); do [[ -f "$work/projekty/Novy2.html" ]] && break; sleep 0.05; done
[[ -f "$work/projekty/Novy2.html" ]] || fail "Ctrl+S did not save projekty/Novy2.html"
# Everything typed before the save has been handled by now.
import -window root "$shot"

# The clipboard viewer ("Nás&troje" › "P&rohlížení schránky Windows") measures 429 by 178 pixels
# with its frame, as soon as the window manager has framed it.
xdotool key --delay 100 alt+t r
viewer=$(wait_for_window "^SchrankaForm$" 10) || fail "the clipboard viewer did not open"
outer=
for _ in $(seq 1 100); do
  read -r left right top bottom < <(xprop -id "$viewer" _NET_FRAME_EXTENTS | tr -dc '0-9 ' | tr -s ' ') || true
  eval "$(xdotool getwindowgeometry --shell "$viewer")"
  outer="$((WIDTH + left + right))x$((HEIGHT + top + bottom))"
  [[ "$outer" == 429x178 ]] && break
  sleep 0.05
done
[[ "$outer" == 429x178 ]] || fail "the clipboard viewer measures $outer with its frame, not 429x178"
activate "$viewer"
xdotool key alt+a
wait_until_gone "$viewer" 10 || fail "Z&avřít did not close the clipboard viewer"
activate "$main"

# Quit through the menu: Alt+S opens "&Soubor", C is "Kone&c"; No to every save question.
xdotool key --delay 100 alt+s c
question=$(wait_for_window "^Potvrzení" 10) || fail "no save question for the modified documents"
while [[ -n "$question" ]]; do
  activate "$question"
  xdotool key n
  wait_until_gone "$question" 10 || fail "the save question stayed after No"
  # The next document's question follows a moment later, unless the program is already gone.
  question=
  for _ in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || break
    question=$(xdotool search --onlyvisible --name "^Potvrzení" 2>/dev/null | head -n 1 || true)
    [[ -n "$question" ]] && break
    sleep 0.05
  done
done
for _ in $(seq 1 200); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$pid" 2>/dev/null && fail "the program did not exit"
wait "$pid" || { pid=; fail "the program exited with an error"; }
pid=
echo "e2e: the program started, took the text and exited"
touch "$work/drive-passed"
DRIVE
run_drive "$work" "$shot"

ini="$work/setup/setup.ini"
[[ -f "$ini" ]] || { echo "e2e: setup/setup.ini was not written"; exit 1; }
tr -d '\r' < "$ini" | grep -A1 -x '\[Panel_nastroju\]' | grep -qx 'Checked=0' || { echo "e2e: Panel_nastroju/Checked is not 0"; cat "$ini"; exit 1; }
tr -d '\r' < "$ini" | grep -A1 -x '\[TBToolbar_PanelControl\]' | grep -qx 'Visible=1' || { echo "e2e: TBToolbar_PanelControl/Visible is not 1"; cat "$ini"; exit 1; }
expected=$(printf '%s\r\n' '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">' '<html>' '  <head>' \
  '  <meta http-equiv="content-type" content="text/html; charset=windows-1250">' \
  '  <meta name="generator" content="Velinor verze 1.0">' '  <title></title>' '  </head>' '  <body>' '' \
  '  </body>' '</html>Ahoj' | od -An -tx1)
actual=$(od -An -tx1 < "$work/projekty/Novy2.html")
[[ "$actual" == "$expected" ]] || { echo "e2e: projekty/Novy2.html holds other bytes:"; cat -A "$work/projekty/Novy2.html"; exit 1; }
colours=$(identify -format '%k' "$shot")
(( colours > 20 )) || { echo "e2e: the screenshot looks empty ($colours colours)"; exit 1; }
echo "e2e: passed; screenshot in $shot"
