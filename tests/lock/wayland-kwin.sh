#!/usr/bin/env bash
# The keyboard lock under KDE's compositor (KWin, virtual backend, its own session bus), keys and
# clicks sent through KWin's fake-input protocol (each run of the key helper is a device of its
# own, so every chord comes on a keyboard that was not there before):
#  - KWin grants the shortcut inhibitor;
#  - each chord, after a pause, reaches the play view and not KWin (the view's side of the
#    protocol shows its key) and Alt+F4 leaves the program running, with Lock Keyboard
#    unticked and ticked;
#  - with the lock off (Settings open), Alt+F4 is KWin's again: it closes the sheet (so this
#    test can fail);
#  - with Lock Keyboard ticked, the focus taken away leaves the lock on; unticked, paused.
#   wayland-kwin.sh PROGRAM KEY_HELPER TOOLS_DIR
# KWin's binary carries a file capability that a container may refuse, so a plain copy runs.
set -euo pipefail

if [ "${1:-}" = "--as-test-user" ]; then
  stage=$2
  cd "$stage"
  log="$stage/program.log"
  fail() {
    echo "FAIL: $*" >&2
    grep -E "Keyboard lock|shortcuts_inhibit" "$log" | tail -n 20 >&2 || true
    grep -E "kwin_scripting|js:|fake" "$stage/kwin.log" | tail -n 10 >&2 || true
    exit 1
  }
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM WAYLAND_DEBUG
  # KWin offers fake input to the helper through its desktop entry.
  export XDG_DATA_HOME="$stage/share"
  "$stage/kwin_wayland" --virtual --no-lockscreen --socket wayland-kwin-test \
    > "$stage/kwin.log" 2>&1 &
  kwin_pid=$!
  program_pid=
  cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$kwin_pid" 2>/dev/null || true
    wait 2>/dev/null || true
  }
  trap cleanup EXIT
  for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/wayland-kwin-test" ] && break
    sleep 0.1
  done
  [ -S "$XDG_RUNTIME_DIR/wayland-kwin-test" ] || fail "KWin did not start"
  export WAYLAND_DISPLAY=wayland-kwin-test
  keys() { "$stage/program/lock_kwin_keys" "$@" || fail "the keys could not be sent ($*)"; }
  status() { grep -o 'Keyboard lock: [a-z]*' "$log" | tail -n1; }
  wait_status() { # waits up to 5 s for the lock status to start with $1
    for _ in $(seq 50); do
      [ "$(status)" = "Keyboard lock: $1" ] && return 0
      sleep 0.1
    done
    return 1
  }
  # How often the view got the key with this Linux key code pressed.
  pressed() { grep -c "wl_keyboard@[0-9]*\.key([0-9]*, [0-9]*, $1, 1)" "$log" || true; }

  # Without window decorations of the program's own, its surface is its content.
  QT_QPA_PLATFORM=wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1 WAYLAND_DEBUG=client \
    QT_LOGGING_RULES="pommelot.lock.debug=true" SDL_AUDIODRIVER=disk SDL_DISKAUDIODELAY=0 \
    SDL_DISKAUDIOFILE="$stage/out.raw" "$stage/program/pommelot" > "$log" 2>&1 &
  program_pid=$!
  held=no
  for _ in $(seq 150); do
    grep -q "Keyboard lock: on (compositor shortcuts held" "$log" && held=yes && break
    sleep 0.1
  done
  [ "$held" = yes ] || fail "KWin did not grant the shortcut inhibitor"
  sleep 1

  # Runs a script in KWin's scripting interface (a copy of its own for each run).
  scripts=0
  kwin_script() {
    scripts=$((scripts + 1))
    cp "$stage/$1" "$stage/run-$scripts-$1"
    local id
    id=$(dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
      org.kde.kwin.Scripting.loadScript string:"$stage/run-$scripts-$1" | awk '/int32/ { print $2 }')
    dbus-send --session --print-reply --dest=org.kde.KWin "/$id" org.kde.kwin.Script.run > /dev/null
  }
  # Where KWin put the window.
  kwin_script geometry.js
  geometry=
  for _ in $(seq 30); do
    geometry=$(sed -n 's/.*POMMELOT-GEOMETRY \([0-9-]*\) \([0-9-]*\).*/\1 \2/p' "$stage/kwin.log" | tail -n1)
    [ -n "$geometry" ] && break
    sleep 0.1
  done
  [ -n "$geometry" ] || fail "KWin did not tell where the window is"
  read -r wx wy <<< "$geometry"
  settings="click:$((wx + 320)),$((wy + 22))"
  view="click:$((wx + 500)),$((wy + 300))"

  # Each chord on a keyboard of its own, after a pause: the view gets the key, KWin runs nothing.
  chords() {
    local chord code
    for chord in "super+Return:28" "alt+Tab:15" "alt+F4:62" "ctrl+alt+t:20" "alt+F3:61"; do
      code=${chord##*:}
      local before
      before=$(pressed "$code")
      sleep 2
      keys "${chord%:*}"
      sleep 0.5
      kill -0 "$program_pid" 2>/dev/null || fail "$1: ${chord%:*} closed the program"
      [ "$(pressed "$code")" -gt "$before" ] || fail "$1: ${chord%:*} did not reach the view"
    done
    [ "$(status)" = "Keyboard lock: on" ] || fail "$1: the lock is not on after the chords ($(status))"
  }
  chords "Lock Keyboard unticked"

  # The lock off while Settings is open: Alt+F4 is KWin's again and closes the sheet; the lock
  # is on again once it is closed.
  keys "$settings"
  wait_status paused || fail "Settings did not open (status: $(status))"
  sleep 0.5
  keys alt+F4
  wait_status on || fail "Alt+F4 did not close the Settings sheet with the lock off"

  # The focus taken away (as a parent's click elsewhere would): unticked, the lock pauses.
  kwin_script unfocus.js
  wait_status paused || fail "unticked, the lock did not pause when the focus went away"
  keys "$view"
  wait_status on || fail "the lock did not come back with the focus"

  # Tick Lock Keyboard (its mnemonic) and close the sheet with OK.
  keys "$settings"
  wait_status paused || fail "Settings did not open the second time"
  sleep 0.5
  keys alt+l wait:300 Return
  wait_status on || fail "the Settings sheet did not close with OK"
  kwin_script unfocus.js
  sleep 1
  [ "$(status)" = "Keyboard lock: on" ] || fail "ticked, the lock paused when the focus went away"
  keys "$view"
  sleep 0.5
  chords "Lock Keyboard ticked"

  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=
  echo "PASS: KWin's shortcuts held for chords on keyboards of their own, ticked and unticked"
  exit 0
fi

program=$(readlink -f "$1")
keys=$(readlink -f "$2")
tools=$3
kwin=$(command -v kwin_wayland || true)
[ -n "$kwin" ] || { echo "FAIL: kwin_wayland is not installed (tools/install-deps.sh)" >&2; exit 1; }
folder=$(dirname "$program")
stage=$(mktemp -d /tmp/pommelot-kwin.XXXXXX)
trap 'rm -rf "$stage"' EXIT
chmod 0777 "$stage"
mkdir -p "$stage/program" "$stage/share/applications"
cp "$program" "$stage/program/pommelot"
cp "$keys" "$stage/program/lock_kwin_keys"
# A plain copy, without the file capability.
cp "$kwin" "$stage/kwin_wayland"
for f in "$folder"/*.wdl "$folder"/Help; do
  [ -e "$f" ] && cp -r "$f" "$stage/program/"
done
cat > "$stage/share/applications/org.quorvex.PommelotLockTestKeys.desktop" << EOD
[Desktop Entry]
Type=Application
Name=Pommelot lock test keys
Exec=$stage/program/lock_kwin_keys
NoDisplay=true
X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input
EOD
cat > "$stage/geometry.js" << 'EOD'
var c = workspace.activeClient;
if (c)
    print("POMMELOT-GEOMETRY " + c.bufferGeometry.x + " " + c.bufferGeometry.y);
EOD
echo 'workspace.activeClient = null;' > "$stage/unfocus.js"
cp "$(readlink -f "$0")" "$stage/wayland-kwin.sh"
chmod -R a+rwX "$stage"
"$tools/as-test-user.sh" dbus-run-session -- bash "$stage/wayland-kwin.sh" --as-test-user "$stage"
