#!/usr/bin/env bash
# End to end: the real program in a virtual X server under a window manager. Starts Velinor from a fresh program folder,
# waits for its main window, types Czech text into the start-up document, saves a screenshot,
# quits through "Kone&c" (answering No to the save question) and checks what the exit wrote.
set -euo pipefail

build=$(cd "$1" && pwd)
shot="$build/e2e_screenshot.png"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A program folder of its own: the program with its data files, no settings yet.
cp "$build/velinor" "$work/"
cp -r "$build/help" "$work/" 2>/dev/null || true

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
shot=$2
wm=
pid=
cleanup() { [[ -n "$pid" ]] && kill "$pid" 2>/dev/null; [[ -n "$wm" ]] && kill "$wm" 2>/dev/null; true; }
trap cleanup EXIT
fail() { echo "e2e: $*" >&2; exit 1; }
wait_for_window() { # name, seconds
  local end=$((SECONDS + $2))
  while (( SECONDS < end )); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 && return 0
    sleep 0.1
  done
  return 1
}

# A window manager, as on every user's desktop: without one Qt loses track of the active window
# after a modal dialog and the window shortcuts stop.
openbox --sm-disable &
wm=$!
for _ in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$work/velinor" &
pid=$!
main=$(wait_for_window "^Velinor 1.0" 20) || fail "the main window did not appear"
sleep 0.5
xdotool windowfocus --sync "$main" 2>/dev/null || true
xdotool type --delay 30 "Žluťoučký kůň <b>"
sleep 0.5
import -window root "$shot"

# A new HTML document from the toolbar's first button, a word typed after its last line, then
# "&Uložit" (Ctrl+S) into projekty/.
xdotool mousemove --window "$main" 16 34 click 1
# The new document opens maximised, and the frame's title then names it.
wait_for_window "\[Novy2\.html\]" 20 >/dev/null || fail "the toolbar's first button did not open Novy2.html"
sleep 0.3
xdotool type --delay 30 "Ahoj"
xdotool key ctrl+s
for _ in $(seq 1 50); do [[ -f "$work/projekty/Novy2.html" ]] && break; sleep 0.1; done
[[ -f "$work/projekty/Novy2.html" ]] || fail "Ctrl+S did not save projekty/Novy2.html"

# Quit through the menu: Alt+S opens "&Soubor", C is "Kone&c"; No to every save question.
xdotool key --delay 100 alt+s c
question=$(wait_for_window "^Potvrzení" 10) || fail "no save question for the modified documents"
while [[ -n "$question" ]]; do
  xdotool windowfocus --sync "$question" 2>/dev/null || true
  xdotool key n
  sleep 0.5
  question=$(xdotool search --onlyvisible --name "^Potvrzení" 2>/dev/null | head -n 1 || true)
done
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not exit"
wait "$pid" || { pid=; fail "the program exited with an error"; }
pid=
echo "e2e: the program started, took the text and exited"
DRIVE
chmod +x "$work/drive.sh"

xvfb-run -a -s "-screen 0 1280x1024x24" "$work/drive.sh" "$work" "$shot"

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
