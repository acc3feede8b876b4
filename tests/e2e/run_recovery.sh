#!/usr/bin/env bash
# Recovery after a kill, end to end: the real program in a virtual X server under a window manager.
# Text is typed into the start-up document; once its copy is on disk the program is killed with
# SIGKILL and started again. The restart must ask "Obnovit neuložené dokumenty?", Enter restores the
# document under its caption, and Ctrl+S writes the typed text where the document belongs. Then more
# text is typed and the program gets SIGTERM (a logout) at once, before a copy was due: the next start
# must offer that text too. Without an X server it reports itself skipped (exit 77).
set -euo pipefail

source "$(dirname "$0")/x_session.sh"
require_tools xvfb-run xdotool import

build=$(cd "$1" && pwd)
shot="$build/e2e_recovery.png"
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
# Plain ASCII: xdotool types other letters by remapping a key, which a busy machine can lose.
text="Neztratit tento text 42"

QT_QPA_PLATFORM=xcb "$work/velinor" &
pid=$!
main=$(wait_for_window "^Velinor 1.0" 20) || fail "the main window did not appear"
activate "$main"
xdotool type --delay 20 "$text"
# The copy is taken a moment after the typing pauses.
copy=
for _ in $(seq 1 200); do
  copy=$(grep -lF "$text" "$work"/recovery/*/*.copy 2>/dev/null | head -n 1 || true)
  [[ -n "$copy" ]] && break
  sleep 0.05
done
[[ -n "$copy" ]] || { tail -c 300 "$work"/recovery/*/*.copy >&2 || true; fail "no recovery copy holds the typed text"; }
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=

QT_QPA_PLATFORM=xcb "$work/velinor" &
pid=$!
question=$(wait_for_window "^Obnova neuložených dokumentů" 20) || fail "the restarted program did not offer the copy"
activate "$question"
xdotool key Return
wait_until_gone "$question" 10 || fail "the question stayed after Enter"
main=$(wait_for_window "\[Novy1.html\]" 10) || fail "the restored document did not open maximised"
import -window root "$shot"
activate "$main"
xdotool key ctrl+s
saved="$work/projekty/Novy1.html"
for _ in $(seq 1 100); do [[ -s "$saved" ]] && break; sleep 0.05; done
[[ -s "$saved" ]] || fail "Ctrl+S did not save the restored document"
grep -qF "$text" "$saved" || { cat -A "$saved" >&2; fail "the saved document lacks the typed text"; }
echo "e2e: the text typed before the kill came back and was saved"

# A logout right after typing: SIGTERM before the copy's quiet second has passed.
last="Posledni chvile psani 7"
activate "$main"
xdotool type --delay 20 "$last"
# Time for the X server to hand over the last keys; far below the second after which a copy is due.
sleep 0.2
kill -TERM "$pid"
status=0
wait "$pid" 2>/dev/null || status=$?
pid=
(( status == 128 + 15 )) || fail "SIGTERM ended the program with status $status"
grep -qF "$last" "$work"/recovery/*/*.copy 2>/dev/null || fail "no copy holds the text typed just before SIGTERM"
QT_QPA_PLATFORM=xcb "$work/velinor" &
pid=$!
question=$(wait_for_window "^Obnova neuložených dokumentů" 20) || fail "the start after SIGTERM offered nothing"
activate "$question"
xdotool key Return
wait_until_gone "$question" 10 || fail "the question stayed after Enter"
main=$(wait_for_window "\[Novy1.html\]" 10) || fail "the document typed before SIGTERM did not open"
activate "$main"
xdotool key ctrl+s
for _ in $(seq 1 100); do grep -qF "$last" "$saved" && break; sleep 0.05; done
grep -qF "$last" "$saved" || { cat -A "$saved" >&2; fail "the text typed before SIGTERM was not restored"; }
echo "e2e: the text typed just before SIGTERM came back"
touch "$work/drive-passed"
DRIVE
run_drive "$work" "$shot"
echo "e2e: passed; screenshot in $shot"
