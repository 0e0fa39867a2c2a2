#!/usr/bin/env bash
# Starts the program; without a display (a bare console or CI box) it runs under Xvfb.
set -eu
program="$1"
if [ ! -x "$program" ]; then
  echo "the program has not been built: $program" >&2
  exit 1
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program"
fi
echo "no display found: starting the program under Xvfb (xvfb-run)" >&2
exec xvfb-run -a -s "-screen 0 1280x800x24" "$program"
