#!/usr/bin/env bash
# The eyedropper on a real Wayland desktop. A headless sway (run as an unprivileged user when this
# runs as root: sway refuses root), a session bus of this run's own on which the desktop's
# screenshot portal starts on demand with its wlr and gtk back ends, PipeWire for the wlr back end,
# a floating window of a known colour and Velinor as a Wayland client. The eyedropper is opened from
# the menu and a click just inside the coloured window's corner must insert exactly its colour; the
# same again with the output at scale 2; then the document is saved and its first bytes read. Every wait is on a condition with a time limit; every process started
# is ended. Without the desktop's pieces installed the run reports itself skipped (exit 77).
set -euo pipefail

build=$(cd "$1" && pwd)
pointer_client=$2
marker_program=$3

skip() { echo "wayland: skipped: $*"; exit 77; }
fail() {
  echo "wayland: $*" >&2
  if [[ -n "${swaysock:-}" ]]; then
    { echo "--- windows shown:"; shown_windows; } >&2
    "${session_env[@]}" grim "$build/wayland_eyedropper_failure.png" 2>/dev/null &&
      echo "--- the screen: $build/wayland_eyedropper_failure.png" >&2
  fi
  local log
  for log in "$work"/*.log; do
    [[ -f "$log" ]] && { echo "--- $(basename "$log"):"; tail -n 25 "$log"; } >&2
  done
  exit 1
}
for tool in sway swaybg swaymsg wtype grim pipewire dbus-daemon setpriv; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
for program in xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk; do
  [[ -x /usr/libexec/$program ]] || skip "$program is not installed"
done

started=$SECONDS
work=$(mktemp -d)
chmod 755 "$work"
pids=()

# Every process this run started, and everything they started in turn (the portal and its back
# ends are started by the bus), ended by id; then the files.
descendants() { # pid
  local child
  for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do
    descendants "$child"
    echo "$child"
  done
}
clean_up() {
  local pid all=()
  for pid in "${pids[@]}"; do
    all+=($(descendants "$pid") "$pid")
  done
  (( ${#all[@]} )) && kill "${all[@]}" 2>/dev/null || true
  for _ in $(seq 1 40); do
    kill -0 "${all[@]}" 2>/dev/null || break
    sleep 0.05
  done
  (( ${#all[@]} )) && kill -9 "${all[@]}" 2>/dev/null || true
  rm -rf "$work"
}
trap clean_up EXIT

wait_for() { # seconds, description, command...
  local end=$((SECONDS + $1)) what=$2
  shift 2
  until "$@" 2>/dev/null; do
    (( SECONDS < end )) || fail "gave up waiting: $what"
    sleep 0.05
  done
}

# ---- the compositor ----
compositor_dir="$work/compositor"
mkdir -m 700 "$compositor_dir"
as_compositor_user=()
if [[ $(id -u) -eq 0 ]]; then
  chown nobody:nogroup "$compositor_dir"
  as_compositor_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
marker_title=velinor-colour-marker
marker_colour=1E90C8
background=603010
cat > "$work/sway.conf" <<CONF
xwayland disable
output * resolution 800x600 position 0 0 scale 1 bg #$background solid_color
for_window [title="^$marker_title\$"] floating enable, border none, move position 100 100
CONF
"${as_compositor_user[@]}" env -i PATH="$PATH" HOME="$compositor_dir" XDG_RUNTIME_DIR="$compositor_dir" \
  WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS=1 WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$work/sway.conf" > "$work/sway.log" 2>&1 &
pids+=($!)
compositor_socket() { ls "$compositor_dir"/sway-ipc.*.sock 2>/dev/null | head -n 1; }
compositor_ready() { [[ -n "$(compositor_socket)" && -S "$compositor_dir/wayland-1" ]]; }
wait_for 10 "sway's sockets" compositor_ready
swaysock=$(compositor_socket)
sway_cmd() { swaymsg -s "$swaysock" "$@" >/dev/null; }
# The window titles shown, and whether any is full screen, as lines "fullscreen title".
shown_windows() {
  swaymsg -s "$swaysock" -t get_tree -r |
    grep -o '"name": "[^"]*"\|"fullscreen_mode": [0-9]\|"visible": [a-z]*' |
    awk -F': ' '/fullscreen_mode/ {fs=$2} /"name"/ {name=$2} /"visible"/ {if ($2 == "true") print fs, name}'
}
shows_window() { shown_windows | grep -q "$1"; }

# ---- the session: its own bus, PipeWire, the portal on demand ----
session_dir="$work/session"
mkdir -m 700 "$session_dir" "$work/home"
session_env=(env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$session_dir" LANG=C.UTF-8
  WAYLAND_DISPLAY="$compositor_dir/wayland-1" XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland GDK_BACKEND=wayland)
"${session_env[@]}" dbus-daemon --session --nofork --address="unix:path=$session_dir/bus" > "$work/session-bus.log" 2>&1 &
pids+=($!)
wait_for 5 "the session bus" test -S "$session_dir/bus"
session_env+=(DBUS_SESSION_BUS_ADDRESS="unix:path=$session_dir/bus")
"${session_env[@]}" pipewire > "$work/pipewire.log" 2>&1 &
pids+=($!)
wait_for 5 "PipeWire's socket" test -S "$session_dir/pipewire-0"

# ---- the pointer, the coloured window, Velinor ----
coproc pointer { "${session_env[@]}" "$pointer_client"; }
pids+=($pointer_PID)
pointer_do() { # command; waits for the compositor to have handled it
  echo "$*" >&"${pointer[1]}"
  local answer
  read -r -t 5 answer <&"${pointer[0]}" && [[ $answer == ok ]] || fail "the pointer did not answer $*"
}
read -r -t 5 answer <&"${pointer[0]}" && [[ $answer == ready ]] || fail "no virtual pointer"

"${session_env[@]}" QT_QPA_PLATFORM=wayland "$marker_program" "$marker_title" "#$marker_colour" > /dev/null 2>&1 &
pids+=($!)
wait_for 10 "the coloured window" shows_window "$marker_title"

program="$work/program"
mkdir "$program"
cp "$build/velinor" "$program/"
"${session_env[@]}" QT_QPA_PLATFORM=wayland "$program/velinor" > "$work/velinor.log" 2>&1 &
velinor=$!
pids+=($velinor)
wait_for 20 "Velinor's main window" shows_window '"Velinor 1.0'
echo "wayland: the desktop and Velinor are up after $((SECONDS - started)) s"

# One pick: the eyedropper opened from the menu "Nás&troje" by the pointer (menus on a headless
# seat take no keys from wtype), then a click at (x, y) of the layout. The menu's places are in
# logical pixels, the same at any scale.
# The menu is open once the colour at (250, 120), inside the coloured window while the menu is
# closed, is the menu's.
pixel_at() { # x, y: the colour there as RRGGBB
  "${session_env[@]}" grim -g "$1,$2 1x1" -s 1 -t ppm - | tail -c 3 | od -An -tx1 | tr -d ' \n' | tr a-f A-F
}
menu_open() { [[ "$(pixel_at 250 120)" != "$marker_colour" ]]; }
within() { # seconds, command...: true once the command is, false after the time
  local end=$((SECONDS + $1))
  shift
  until "$@" 2>/dev/null; do
    (( SECONDS < end )) || return 1
    sleep 0.05
  done
}
eyedropper_shown() { shows_window '^1 "Kap'; }
waiting_note_shown() { shows_window '^0 "Kap'; }
note_gone() { ! waiting_note_shown; }
# The eyedropper opened from the menu. The real portal sometimes holds its answer for half a
# minute: then its waiting note is given up with Escape and the menu tried again, at most three
# times.
open_eyedropper() { # layout width, layout height
  local attempt
  for attempt in 1 2 3; do
    pointer_do move 271 33 "$1" "$2"
    pointer_do click
    within 5 menu_open || continue
    pointer_do move 295 120 "$1" "$2"
    pointer_do click
    within 12 eyedropper_shown && return 0
    echo "wayland: no picture from the portal in 12 s (try $attempt), given up with Escape"
    for _ in 1 2 3 4 5; do
      waiting_note_shown || break
      "${session_env[@]}" wtype -s 300 -k Escape
      within 2 note_gone || true
    done
    within 5 shows_window '^0 "Velinor 1.0' || fail "Escape did not give up the wait"
  done
  fail "the eyedropper did not open"
}
pick() { # x, y, layout width, layout height
  open_eyedropper "$3" "$4"
  pointer_do move "$1" "$2" "$3" "$4"
  pointer_do click
  wait_for 10 "the main window back" shows_window '^0 "Velinor 1.0'
}

# Each pick inserts at the caret, at the start of the start-up document: just inside the coloured
# window's top-left corner, where a picture shifted by a title bar or scaled twice would show the
# background.
pick 104 104 800 600
# At scale 2 the screen's picture has two device pixels a side for each logical one: the layout is
# 400 x 300 and the coloured window keeps its logical place.
sway_cmd output '*' scale 2
scaled() { swaymsg -s "$swaysock" -t get_outputs -r | grep -q '"scale": 2'; }
wait_for 5 "the output at scale 2" scaled
pick 101 101 400 300

# Saved with Ctrl+S; a fresh virtual keyboard's first key can be lost while its keymap is sent, so
# the key is given again until the file is there.
saved="$program/projekty/Novy1.html"
for _ in 1 2 3 4 5; do
  [[ -s "$saved" ]] && break
  "${session_env[@]}" wtype -s 300 -M ctrl s -m ctrl
  for _ in $(seq 1 40); do [[ -s "$saved" ]] && break; sleep 0.05; done
done
[[ -s "$saved" ]] || fail "Ctrl+S did not save the document"

inserted=$(head -c 23 "$saved")
expected="#$marker_colour#$marker_colour<!DOCTYPE"
[[ "$inserted" == "$expected" ]] || fail "inserted '$inserted', expected '$expected'"
leftover=$(find "$work/home" -iname '*.png')
[[ -z "$leftover" ]] || fail "the portal's picture was left behind: $leftover"
echo "wayland: passed in $((SECONDS - started)) s: the eyedropper inserted #$marker_colour at scale 1 and 2"
