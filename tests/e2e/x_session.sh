# Shared by the end-to-end runs: the real program from a fresh program folder, driven by a script in a
# virtual X server under a window manager. Every wait is on a window or a condition, never a fixed
# pause. Without an X server to run in, a run reports itself skipped (exit 77), not as a failure.

# ---- outside the X session ----

require_tools() { # tool...
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "e2e: skipped: $tool is not installed"; exit 77; }
  done
}

# A program folder of its own: the program with its data files, no settings yet, and these helpers.
prepare_program_folder() { # build, work
  cp "$1/velinor" "$2/"
  cp -r "$1/help" "$2/" 2>/dev/null || true
  cp "${BASH_SOURCE[0]}" "$2/x_session.sh"
}

# Runs work/drive.sh (arguments: work, shot) in a virtual X server; returns only when it passed.
run_drive() { # work, shot
  chmod +x "$1/drive.sh"
  local status=0
  xvfb-run -a -s "-screen 0 1280x1024x24" "$1/drive.sh" "$1" "$2" || status=$?
  [[ -f "$1/x-server-started" ]] || { echo "e2e: skipped: the virtual X server did not start"; exit 77; }
  # xvfb-run can fail in its own clean-up after the session has passed (the server already gone).
  if [[ ! -f "$1/drive-passed" ]]; then
    echo "e2e: the virtual X session ended with status $status"
    exit $(( status == 0 ? 1 : status ))
  fi
}

# ---- inside the X session ----

fail() { echo "e2e: $*" >&2; exit 1; }

# Checks the display and starts a window manager, as on every user's desktop: without one Qt loses
# track of the active window after a modal dialog and the window shortcuts stop. The program's
# process goes in $pid; both end with the script.
begin_session() {
  wm=
  pid=
  trap '[[ -n "$pid" ]] && kill "$pid" 2>/dev/null; [[ -n "$wm" ]] && kill "$wm" 2>/dev/null; true' EXIT
  touch "$work/x-server-started"
  xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "e2e: skipped: no X server on $DISPLAY" >&2; exit 77; }
  openbox --sm-disable &
  wm=$!
  for _ in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
}

wait_for_window() { # title pattern, seconds; prints the window
  local end=$((SECONDS + $2))
  while (( SECONDS < end )); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 && return 0
    sleep 0.05
  done
  return 1
}

wait_until_gone() { # window, seconds
  local end=$((SECONDS + $2))
  while (( SECONDS < end )); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.05
  done
  return 1
}

activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null || true; }
