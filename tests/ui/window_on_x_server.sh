#!/usr/bin/env bash
# Starts the program on a private X server and waits for its main window: the title and the
# fixed size must reach the X server, not just the widget. The X window holds the menu bar above
# the 790x559 client area, so it is 790 wide and a menu bar's height (1-40) taller than 559.
# The program is always killed.
# Usage: window_on_x_server.sh PROGRAM
set -u

if [ "${1:-}" != --inside ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$@"
fi
program=$2
export LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb

"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null' EXIT

for _ in $(seq 100); do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "the program ended before its window showed"
    exit 1
  fi
  line=$(xwininfo -root -tree | grep -F '"Препроводительная ведомость Korvane' |
    grep -E ' 790x5[6-9][0-9]\+')
  if [ -n "$line" ]; then
    echo "window: $line"
    exit 0
  fi
  sleep 0.2
done
echo "no window \"Препроводительная ведомость Korvane...\" of 790 x (559 + menu bar); the windows were:"
xwininfo -root -tree
exit 1
