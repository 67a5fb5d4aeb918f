#!/usr/bin/env bash
# Runs one test program under a private Xvfb server (its own display), so that tests with real
# windows, key events and keyboard grabs never meet each other.
# With POMMELOT_XVFB_MONITORS=2 the screen is 2560x1200 and holds two 1280x1024 monitors side
# by side; the strip below them belongs to no monitor.
set -u
size=1280x1024
[ "${POMMELOT_XVFB_MONITORS:-1}" = 2 ] && size=2560x1200
# -noreset: monitors set up below outlive the xrandr client that made them.
Xvfb -displayfd 3 -screen 0 ${size}x24 -noreset -nolisten tcp 3>/tmp/xvfb-display.$$ >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -s /tmp/xvfb-display.$$ ] && break
  sleep 0.05
done
display=$(cat /tmp/xvfb-display.$$ 2>/dev/null)
rm -f /tmp/xvfb-display.$$
if [ -z "$display" ]; then
  echo "Xvfb did not start" >&2
  kill "$xvfb_pid" 2>/dev/null
  exit 1
fi
export DISPLAY=":$display"
export QT_QPA_PLATFORM=xcb
if [ "${POMMELOT_XVFB_MONITORS:-1}" = 2 ]; then
  xrandr --setmonitor M1 1280/338x1024/270+0+0 screen >/dev/null &&
    xrandr --setmonitor M2 1280/338x1024/270+1280+0 none >/dev/null || {
    echo "could not set up two monitors" >&2
    kill "$xvfb_pid" 2>/dev/null
    exit 1
  }
fi
"$@"
rc=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
exit $rc
