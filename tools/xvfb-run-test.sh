#!/usr/bin/env bash
# Runs one test program under a private Xvfb server (its own display), so that tests with real
# windows, key events and keyboard grabs never meet each other.
set -u
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>/tmp/xvfb-display.$$ >/dev/null 2>&1 &
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
"$@"
rc=$?
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
exit $rc
