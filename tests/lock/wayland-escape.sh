#!/usr/bin/env bash
# The program natively on Wayland under a real compositor (headless sway) with shortcuts of its
# own that leave a mark when they run, keys typed through a virtual keyboard (wtype):
#  - before the program starts, a shortcut runs (so this test can fail);
#  - with the play view in front and locked, none runs, the program keeps running, the keys
#    reach the view (its cue is heard through SDL's disk driver), and sway reports the
#    view's idle inhibitor;
#  - after the program was closed normally, the shortcuts run again.
#   wayland-escape.sh PROGRAM TOOLS_DIR
# Sway refuses to run as root: the program and its folder are staged where the unprivileged
# test user can read them, and everything else runs as that user.
set -euo pipefail

if [ "${1:-}" = "--as-test-user" ]; then
  stage=$2
  cd "$stage"
  fail() { echo "FAIL: $*" >&2; tail -n 60 "$stage/program.log" >&2 || true; exit 1; }
  cat > "$stage/sway.config" <<EOC
bindsym Mod4+Return exec touch $stage/marker-super-return
bindsym Alt+Tab exec touch $stage/marker-alt-tab
bindsym Ctrl+Alt+t exec touch $stage/marker-ctrl-alt-t
bindsym Alt+F4 exec touch $stage/marker-alt-f4
EOC
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$stage/sway.config" > "$stage/sway.log" 2>&1 &
  sway_pid=$!
  program_pid=
  cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$sway_pid" 2>/dev/null || true
    wait 2>/dev/null || true
  }
  trap cleanup EXIT
  for _ in $(seq 100); do
    socket=$(ls "$XDG_RUNTIME_DIR" 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1 || true)
    ipc=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
    [ -n "$socket" ] && [ -n "$ipc" ] && break
    sleep 0.1
  done
  [ -n "$socket" ] || fail "sway did not start"
  export WAYLAND_DISPLAY=$socket SWAYSOCK=$ipc
  markers() { ls "$stage" | grep -c '^marker-' || true; }

  # The shortcuts work before the program runs.
  for _ in $(seq 20); do
    wtype -M logo -k Return -m logo
    sleep 0.2
    [ -e "$stage/marker-super-return" ] && break
  done
  [ -e "$stage/marker-super-return" ] || fail "sway's shortcut did not run before the program started"
  rm -f "$stage"/marker-*

  QT_LOGGING_RULES="pommelot.lock.debug=true" SDL_AUDIODRIVER=disk SDL_DISKAUDIODELAY=0 \
    SDL_DISKAUDIOFILE="$stage/out.raw" "$stage/program/pommelot" > "$stage/program.log" 2>&1 &
  program_pid=$!

  # The view in front, a native Wayland window (not Xwayland) with its idle inhibitor.
  tree=
  for _ in $(seq 150); do
    tree=$(swaymsg -t get_tree 2>/dev/null | tr -d ' \n' || true)
    if swaymsg '[app_id="org.quorvex.Pommelot" con_id=__focused__] nop' > /dev/null 2>&1 &&
      echo "$tree" | grep -q '"app_id":"org.quorvex.Pommelot"' &&
      echo "$tree" | grep -q '"shell":"xdg_shell"' &&
      echo "$tree" | grep -q '"inhibit_idle":true'; then
      break
    fi
    tree=
    sleep 0.1
  done
  [ -n "$tree" ] || fail "the program's window did not come up focused, native and keeping the screen on"
  grep -q "Keyboard lock: on (compositor shortcuts held" "$stage/program.log" ||
    sleep 1
  grep -q "Keyboard lock: on (compositor shortcuts held" "$stage/program.log" ||
    fail "the program did not see the compositor grant the shortcut inhibitor"
  sleep 1

  # The audio component writes each cue afresh into the disk driver's file: a key press that
  # reaches the view shows as new contents with sound in them.
  heard() { od -An -v -td2 -w2 "$stage/out.raw" | awk '$1 != 0' | wc -l; }
  contents() { md5sum < "$stage/out.raw" 2>/dev/null | cut -d' ' -f1; }
  before=$(contents)
  for _ in $(seq 30); do
    sleep 0.3
    now=$(contents)
    [ "$now" = "$before" ] && break
    before=$now
  done
  wtype -M logo -k Return -m logo
  wtype -M alt -k Tab -m alt
  wtype -M ctrl -M alt t -m alt -m ctrl
  wtype -M alt -k F4 -m alt
  sleep 0.5
  [ "$(contents)" = "$before" ] || fail "a shortcut chord reached the view as a key press"
  new=no
  # A second press only in case the next item happened to sound like the first.
  for _ in 1 2; do
    # The virtual keyboard stays a moment before and after the key, as a real one does.
    wtype -s 300 x -s 300
    for _ in $(seq 40); do
      if [ "$(contents)" != "$before" ] && [ "$(heard)" -gt 2000 ]; then new=yes; break; fi
      sleep 0.1
    done
    [ "$new" = yes ] && break
  done
  [ "$(markers)" -eq 0 ] || fail "a compositor shortcut ran while the view was locked: $(ls "$stage" | grep '^marker-' | tr '\n' ' ')"
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended under the key presses"
  [ "$new" = yes ] || fail "the key press was not heard ($(heard) samples, $(ls -la "$stage/out.raw"))"

  # A keyboard that comes back (plugged in again, a wireless one waking up): the compositor
  # moves the focus away and back and handles the keys that come with the keyboard at once.
  # Each chord on a virtual keyboard of its own (every wtype run is a new one), after a pause
  # longer than any delay the lock might give itself; then all of them on one keyboard that
  # stays for the whole run.
  keyboards_come_back() {
    local chord
    for chord in "-M logo -k Return -m logo" "-M alt -k Tab -m alt" \
      "-M ctrl -M alt t -m alt -m ctrl" "-M alt -k F4 -m alt"; do
      sleep "$pause"
      # shellcheck disable=SC2086
      wtype $chord
      sleep 0.3
      [ "$(markers)" -eq 0 ] ||
        fail "$1: a compositor shortcut ran on a keyboard that came back: $(ls "$stage" | grep '^marker-' | tr '\n' ' ')"
    done
    wtype -M logo -k Return -m logo -s "$pause_ms" -M alt -k Tab -m alt -s "$pause_ms" \
      -M ctrl -M alt t -m alt -m ctrl -s "$pause_ms" -M alt -k F4 -m alt
    sleep 0.5
    [ "$(markers)" -eq 0 ] ||
      fail "$1: a compositor shortcut ran on a keyboard that stayed: $(ls "$stage" | grep '^marker-' | tr '\n' ' ')"
    kill -0 "$program_pid" 2>/dev/null || fail "$1: the program ended under the key presses"
  }
  pause=2.5 pause_ms=2500
  keyboards_come_back "Lock Keyboard unticked"

  # Closed normally, the program gives everything back.
  swaymsg '[app_id="org.quorvex.Pommelot"] kill' > /dev/null
  for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$program_pid" 2>/dev/null; then fail "the program did not close"; fi
  wait "$program_pid" || fail "the program did not end normally"
  program_pid=
  wtype -M logo -k Return -m logo
  for _ in $(seq 20); do
    [ -e "$stage/marker-super-return" ] && break
    sleep 0.1
  done
  [ -e "$stage/marker-super-return" ] || fail "sway's shortcut did not run after the program ended"
  rm -f "$stage"/marker-*
  kill "$sway_pid"
  wait "$sway_pid" 2>/dev/null || true

  # Lock Keyboard ticked. Ticking it takes a click on the Settings button, so this part runs
  # sway nested in a private Xvfb, whose seat has a pointer (and a keyboard of its own that
  # stays); the chords still come on virtual keyboards of their own.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$stage/display" > /dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$stage/display" ] && break; sleep 0.05; done
  [ -s "$stage/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$stage/display")"
  unset WAYLAND_DISPLAY SWAYSOCK
  mkdir -m 0700 "$stage/nested"
  export XDG_RUNTIME_DIR="$stage/nested"
  WLR_BACKENDS=x11 WLR_X11_OUTPUTS=1 WLR_RENDERER=pixman \
    sway -c "$stage/sway.config" > "$stage/sway-nested.log" 2>&1 &
  sway_pid=$!
  cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$sway_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
  }
  socket=
  ipc=
  for _ in $(seq 100); do
    socket=$(ls "$XDG_RUNTIME_DIR" 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1 || true)
    ipc=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n1 || true)
    [ -n "$socket" ] && [ -n "$ipc" ] && break
    sleep 0.1
  done
  [ -n "$socket" ] || fail "nested sway did not start"
  export WAYLAND_DISPLAY=$socket SWAYSOCK=$ipc
  # sway's output window has the X pointer on it, and with it the keyboard.
  xdotool mousemove 640 400
  log="$stage/program-ticked.log"
  QT_LOGGING_RULES="pommelot.lock.debug=true" SDL_AUDIODRIVER=disk SDL_DISKAUDIODELAY=0 \
    SDL_DISKAUDIOFILE="$stage/out-ticked.raw" "$stage/program/pommelot" > "$log" 2>&1 &
  program_pid=$!
  wait_log() { # waits up to 10 s for a line of the program's log matching $1
    for _ in $(seq 100); do
      grep -q "$1" "$log" && return 0
      sleep 0.1
    done
    return 1
  }
  wait_log "Keyboard lock: on (compositor shortcuts held" ||
    fail "nested: the program did not see the compositor grant the shortcut inhibitor"
  # The Settings button (the eighth on the toolbar) lifts the lock while the sheet is open;
  # Alt+L ticks Lock Keyboard and Return closes the sheet with OK. The window may still be
  # placed or laid out when the grant comes, so the button is looked for and clicked again
  # (a click on the frame while the sheet is open does nothing).
  offs=$(grep -c "switched off" "$log" || true)
  opened=no
  for _ in 1 2 3; do
    # The view's top left corner on the output (the frame's content, below sway's title bar).
    corner=$(swaymsg -t get_tree | jq -r '.. | select(.app_id? == "org.quorvex.Pommelot") |
      "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y)"' | head -n1)
    [ -n "$corner" ] || fail "sway did not tell where the window is"
    read -r wx wy <<< "$corner"
    xdotool mousemove $((wx + 320)) $((wy + 22))
    sleep 0.2
    xdotool click 1
    for _ in $(seq 50); do
      [ "$(grep -c "switched off" "$log" || true)" -gt "$offs" ] && opened=yes && break
      sleep 0.1
    done
    [ "$opened" = yes ] && break
  done
  [ "$opened" = yes ] || fail "nested: Settings did not open"
  sleep 0.5
  ons=$(grep -c "switched on" "$log" || true)
  xdotool key alt+l
  sleep 0.3
  xdotool key Return
  for _ in $(seq 50); do [ "$(grep -c "switched on" "$log" || true)" -gt "$ons" ] && break; sleep 0.1; done
  [ "$(grep -c "switched on" "$log" || true)" -gt "$ons" ] || fail "nested: the Settings sheet did not close"
  # Ticked, the lock stays on while the focus is elsewhere (an empty workspace).
  offs=$(grep -c "switched off" "$log" || true)
  swaymsg 'workspace 2' > /dev/null
  sleep 1
  swaymsg 'workspace 1' > /dev/null
  sleep 0.5
  [ "$(grep -c "switched off" "$log" || true)" -eq "$offs" ] ||
    fail "ticked, the lock was switched off when the focus went away (Lock Keyboard not ticked?)"
  keyboards_come_back "Lock Keyboard ticked"
  [ "$(grep -c "switched off" "$log" || true)" -eq "$offs" ] ||
    fail "ticked, the lock was switched off meanwhile"
  echo "PASS: sway's shortcuts held while locked (also on keyboards that came back, Lock Keyboard ticked and unticked), keys heard by the view, shortcuts back after the end"
  exit 0
fi

program=$(readlink -f "$1")
tools=$2
folder=$(dirname "$program")
stage=$(mktemp -d /tmp/pommelot-wayland.XXXXXX)
trap 'rm -rf "$stage"' EXIT
chmod 0777 "$stage"
mkdir -p "$stage/program"
cp "$program" "$stage/program/pommelot"
for f in "$folder"/*.wdl "$folder"/Help; do
  [ -e "$f" ] && cp -r "$f" "$stage/program/"
done
# A short tone of its own for every item of the first play mode, so that each key press is
# heard as something new.
for dir in Shapes Colors Letters Numbers Words Math Bird; do mkdir -p "$stage/program/$dir"; done
f=300
for name in Circle Square Triangle Rectangle Diamond Pentagon Hexagon Octagon Star Trapezoid \
  Red Orange Yellow Green Blue Indigo Violet White Black; do
  case $name in Red | Orange | Yellow | Green | Blue | Indigo | Violet | White | Black) dir=Colors ;; *) dir=Shapes ;; esac
  sox -n -r 48000 -c 1 -b 16 "$stage/program/$dir/$name.wav" synth 0.15 sine $f vol 0.5
  f=$((f + 37))
done
# The test user may not be able to read the source tree (a clone under /root): it runs the
# staged copy of this script.
cp "$(readlink -f "$0")" "$stage/wayland-escape.sh"
chmod -R a+rwX "$stage"
"$tools/as-test-user.sh" bash "$stage/wayland-escape.sh" --as-test-user "$stage"
