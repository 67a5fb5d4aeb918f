#!/usr/bin/env bash
# The keyboard lock under GNOME's compositor (headless mutter, its own session bus), keys typed
# through its remote-desktop interface (each run of the key helper is a keyboard of its own):
#  - the compositor grants the shortcut inhibitor;
#  - its restore key (Super+Escape) lifts it, and the program asks again at once: Alt+F4 half
#    a second later does not close the play view, round after round;
#  - each lift is followed by an active inhibitor within a few milliseconds (measured from the
#    program's side of the protocol).
#   wayland-gnome.sh PROGRAM KEY_HELPER TOOLS_DIR
# mutter refuses to run as root: the program and its folder are staged where the unprivileged
# test user can read them, and everything else runs as that user.
set -euo pipefail

if [ "${1:-}" = "--as-test-user" ]; then
  stage=$2
  cd "$stage"
  log="$stage/program.log"
  fail() {
    echo "FAIL: $*" >&2
    grep -E "Keyboard lock|shortcuts_inhibit" "$log" | tail -n 30 >&2 || true
    tail -n 20 "$stage/mutter.log" >&2 || true
    exit 1
  }
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM WAYLAND_DEBUG
  mutter --headless --wayland --no-x11 --virtual-monitor 1280x800 > "$stage/mutter.log" 2>&1 &
  mutter_pid=$!
  program_pid=
  cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$mutter_pid" 2>/dev/null || true
    wait 2>/dev/null || true
  }
  trap cleanup EXIT
  socket=
  for _ in $(seq 100); do
    socket=$(ls "$XDG_RUNTIME_DIR" 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1 || true)
    [ -n "$socket" ] && break
    sleep 0.1
  done
  [ -n "$socket" ] || fail "mutter did not start"
  export WAYLAND_DISPLAY=$socket
  QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client QT_LOGGING_RULES="pommelot.lock.debug=true" \
    SDL_AUDIODRIVER=disk SDL_DISKAUDIODELAY=0 SDL_DISKAUDIOFILE="$stage/out.raw" \
    "$stage/program/pommelot" > "$log" 2>&1 &
  program_pid=$!
  held=no
  for _ in $(seq 150); do
    grep -q "Keyboard lock: on (compositor shortcuts held" "$log" && held=yes && break
    sleep 0.1
  done
  [ "$held" = yes ] || fail "mutter did not grant the shortcut inhibitor"
  sleep 1

  rounds=3
  for round in $(seq "$rounds"); do
    "$stage/program/lock_mutter_keys" super+Escape wait:500 alt+F4 ||
      fail "round $round: the keys could not be typed"
    sleep 1
    kill -0 "$program_pid" 2>/dev/null ||
      fail "round $round: Alt+F4 after the restore key closed the play view"
    # Longer than the lock's quiet spell: each round is answered at once.
    sleep 1.5
  done

  # From each lift to the next active inhibitor, in milliseconds. The protocol log stamps each
  # line "[%7u.%03u]" from a 32-bit count of microseconds: the number may be padded with spaces
  # and wraps every 4294967.296 ms.
  gaps=$(awk '
    function stamp(  s) {
      match($0, /\[ *[0-9]+\.[0-9]+\]/)
      s = substr($0, RSTART + 1, RLENGTH - 2)
      gsub(/ /, "", s)
      return s + 0
    }
    /shortcuts_inhibitor_v1@[0-9]+\.inactive\(\)/ { lifted = stamp(); waiting = 1; next }
    /shortcuts_inhibitor_v1@[0-9]+\.active\(\)/ {
      if (waiting) {
        gap = stamp() - lifted
        if (gap < 0) gap += 4294967.296
        printf "%.1f\n", gap
        waiting = 0
      }
    }
    END { if (waiting) print "never" }' "$log")
  echo "from the restore key's lift to an active inhibitor again (ms): $(echo $gaps)"
  [ "$(echo "$gaps" | grep -c .)" -ge "$rounds" ] ||
    fail "the restore key did not lift the inhibitor each round (gaps: $gaps)"
  echo "$gaps" | grep -q never && fail "after a lift the inhibitor was not active again"
  echo "$gaps" | awk '$1 > 250 { bad = 1 } END { exit bad }' ||
    fail "the inhibitor took too long to come back: $gaps"

  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=
  echo "PASS: mutter's restore key answered at once, $rounds of $rounds rounds held"
  exit 0
fi

program=$(readlink -f "$1")
keys=$(readlink -f "$2")
tools=$3
command -v mutter > /dev/null || { echo "FAIL: mutter is not installed (tools/install-deps.sh)" >&2; exit 1; }
folder=$(dirname "$program")
stage=$(mktemp -d /tmp/pommelot-gnome.XXXXXX)
trap 'rm -rf "$stage"' EXIT
chmod 0777 "$stage"
mkdir -p "$stage/program"
cp "$program" "$stage/program/pommelot"
cp "$keys" "$stage/program/lock_mutter_keys"
for f in "$folder"/*.wdl "$folder"/Help; do
  [ -e "$f" ] && cp -r "$f" "$stage/program/"
done
cp "$(readlink -f "$0")" "$stage/wayland-gnome.sh"
chmod -R a+rwX "$stage"
"$tools/as-test-user.sh" dbus-run-session -- bash "$stage/wayland-gnome.sh" --as-test-user "$stage"
