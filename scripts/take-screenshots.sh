#!/usr/bin/env bash
# Takes the README's screenshots from the built program under a virtual X server with a window
# manager: the main window with a document, and the table dialog.
# Usage: take-screenshots.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A program folder of its own, with no settings: every panel shows as on a first start.
cp "$build/velinor" "$work/"
for folder in help examples wgal; do
  [[ -d "$build/$folder" ]] && cp -r "$build/$folder" "$work/"
done

cat > "$work/shoot.sh" <<'SHOOT'
#!/usr/bin/env bash
set -euo pipefail
work=$1
out=$2
pid=
wm=
finish() { [[ -n "$pid" ]] && kill "$pid" 2>/dev/null; [[ -n "$wm" ]] && kill "$wm" 2>/dev/null; true; }
trap finish EXIT
fail() { echo "screenshots: $*" >&2; exit 1; }
wait_for_active() { # window id: true once it has the keyboard
  for _ in $(seq 1 50); do
    [[ "$(xdotool getactivewindow 2>/dev/null)" == "$1" ]] && return 0
    xdotool windowactivate "$1" 2>/dev/null || true
    sleep 0.1
  done
  return 1
}
wait_for_window() { # name, seconds
  local end=$((SECONDS + $2))
  while (( SECONDS < end )); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 && return 0
    sleep 0.1
  done
  return 1
}

openbox --sm-disable &
wm=$!
for _ in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

cd "$work" # the file panel shows the program folder
QT_QPA_PLATFORM=xcb "$work/velinor" &
pid=$!
main=$(wait_for_window "^Velinor 1.0" 20) || fail "the main window did not appear"
xdotool windowactivate --sync "$main" 2>/dev/null || true
sleep 1

# A short page in the start-up document, typed into its body line (reached through "Jdi na řádek").
go_to_line() {
  sleep 0.5 # the typing before has arrived
  xdotool key alt+g
  local form
  form=$(wait_for_window "^Jdi na" 10) || fail "the go-to-line form did not open"
  wait_for_active "$form" || fail "the go-to-line form did not take the keyboard"
  sleep 0.5
  xdotool type --delay 50 "$1"
  xdotool key Return
  for _ in $(seq 1 50); do xdotool search --onlyvisible --name "^Jdi na" >/dev/null 2>&1 || break; sleep 0.1; done
  sleep 0.3
}
go_to_line 9
xdotool type --delay 20 '    <h1>Moje stranka</h1>'
xdotool key Return
# No "." in the text: it would open the completion list half a second later.
xdotool type --delay 20 '<p>Vitejte na <b>mych</b> strankach</p>'
go_to_line 6
xdotool key --delay 100 End Left Left Left Left Left Left Left Left
xdotool type --delay 20 'Moje stranka'
sleep 0.5
import -window root "$out/main-window.png"

# The table dialog: "Nás&troje" › "&Editor Tabulky".
wait_for_active "$main" || fail "the main window did not take the keyboard back"
xdotool key --delay 150 alt+t e
dialog=$(wait_for_window "^Tabulka" 10) || fail "the table dialog did not open"
wait_for_active "$dialog" || true
sleep 0.7
import -window "$dialog" -frame "$out/table-dialog.png"
xdotool key Escape
echo "screenshots: $out/main-window.png $out/table-dialog.png"
SHOOT
chmod +x "$work/shoot.sh"

xvfb-run -a -s "-screen 0 1280x800x24" "$work/shoot.sh" "$work" "$out"
