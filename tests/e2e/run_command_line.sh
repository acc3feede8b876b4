#!/usr/bin/env bash
# End to end: files from the command line and from a second start. `velinor --help` and `--version`
# answer without a display; `velinor page.html` opens the page as the open dialog does (the full path
# in the title); a second start with a file, while the first is minimised, hands the file over, ends
# at once and brings the first window back; a second start without files only brings it forward;
# after the first program is killed, its socket is left behind and the next start takes it over.
# Every step waits on a window title or a process, never on a fixed pause.
set -euo pipefail

source "$(dirname "$0")/x_session.sh"
require_tools xvfb-run xdotool import

build=$(cd "$1" && pwd)
shot="$build/e2e_command_line.png"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prepare_program_folder "$build" "$work"

# The answers that need no display.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/velinor" --help) || { echo "e2e: --help failed"; exit 1; }
grep -q '^Použití: velinor \[PŘEPÍNAČ\] \[SOUBOR...\]' <<< "$help" || { echo "e2e: --help says: $help"; exit 1; }
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/velinor" --version)
[[ "$version" == "Velinor 1.0" ]] || { echo "e2e: --version says: $version"; exit 1; }
# An unknown option is told once Qt has taken its own options.
status=0
"$work/velinor" -platform offscreen --bogus 2> "$work/bogus.err" || status=$?
(( status == 2 )) && grep -q 'Neznámý přepínač „--bogus“' "$work/bogus.err" || { echo "e2e: --bogus: status $status"; cat "$work/bogus.err"; exit 1; }

mkdir "$work/web"
printf '<html><body>Prvni stranka</body></html>\n' > "$work/web/page.html"
printf 'body { color: red }\n' > "$work/web/styl.css"
printf 'p { margin: 0 }\n' > "$work/web/dalsi.css"

cat > "$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -euo pipefail
work=$1
shot=$2
source "$work/x_session.sh"
begin_session
# A runtime folder of this run's own: the socket lives there.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$work/web"

# A relative path from the command line opens as the open dialog opens it: the full path as caption.
QT_QPA_PLATFORM=xcb "$work/velinor" page.html &
pid=$!
main=$(wait_for_window "^Velinor 1.0.*\[$work/web/page.html\]" 20) || fail "velinor page.html did not open the page"
socket=$(ls "$XDG_RUNTIME_DIR" | grep -v '\.lock$' | head -n 1)
[[ -S "$XDG_RUNTIME_DIR/$socket" ]] || fail "the running program has no socket in the runtime folder"
[[ "$(stat -c %a "$XDG_RUNTIME_DIR/$socket")" == 700 ]] || fail "other users may reach the socket: $(stat -c %a "$XDG_RUNTIME_DIR/$socket")"

# A second start hands its file over and ends at once; the minimised window comes back.
xdotool windowminimize --sync "$main"
second_start() { # files...; the second process must end by itself, with success
  QT_QPA_PLATFORM=xcb "$work/velinor" "$@" &
  local second=$! status=0
  timeout 5 tail --pid="$second" -f /dev/null || true # waits for the process to end, at most 5 s
  kill -0 "$second" 2>/dev/null && { kill "$second"; fail "the second start of velinor $* did not end"; }
  wait "$second" || status=$?
  (( status == 0 )) || fail "the second start of velinor $* ended with status $status"
}
# Waits until the main window's state no longer holds "hidden" (xprop -spy reports each change).
shown_again() {
  grep -q -m 1 -v _NET_WM_STATE_HIDDEN < <(timeout 5 xprop -spy -id "$main" _NET_WM_STATE) || true
}
second_start styl.css
wait_for_window "^Velinor 1.0.*\[$work/web/styl.css\]" 20 >/dev/null || fail "the handed-over file did not open"
kill -0 "$pid" || fail "the first program ended"
shown_again # the main window leaves its minimised state, or 5 s pass
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN && fail "the main window stayed minimised"
[[ "$(xdotool getactivewindow)" == "$main" ]] || fail "the main window is not active after the hand-over"
import -window root "$shot"

# Without files a second start only brings the window forward.
xdotool windowminimize --sync "$main"
second_start
shown_again # the main window leaves its minimised state, or 5 s pass
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN && fail "a start without files left the window minimised"

# A crashed program leaves its socket behind; the next start takes it over and runs itself.
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
wait_until_gone "$main" 10 || fail "the killed program's window stayed"
[[ -S "$XDG_RUNTIME_DIR/$socket" ]] || fail "the killed program left no socket (nothing to take over)"
QT_QPA_PLATFORM=xcb "$work/velinor" dalsi.css &
pid=$!
wait_for_window "^Velinor 1.0.*\[$work/web/dalsi.css\]" 20 >/dev/null || fail "the start after a crash did not open its file"
second_start page.html
wait_for_window "^Velinor 1.0.*\[$work/web/page.html\]" 20 >/dev/null || fail "the program after the crash took no files"

echo "e2e: command line and second start passed"
touch "$work/drive-passed"
DRIVE
run_drive "$work" "$shot"
colours=$(identify -format '%k' "$shot")
(( colours > 20 )) || { echo "e2e: the screenshot looks empty ($colours colours)"; exit 1; }
echo "e2e: passed; screenshot in $shot"
