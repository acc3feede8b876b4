#!/usr/bin/env bash
# Starts Velinor on the user's display; without one, inside a virtual X server.
set -euo pipefail
program=$1
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec "$program"
fi
echo "No display found: starting Velinor inside a virtual X server (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program"
