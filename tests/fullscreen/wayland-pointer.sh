#!/usr/bin/env bash
# Full screen keeps the pointer in on Wayland: the program in its play session under sway
# (nested in a private Xvfb, so that its seat has a pointer), its side of the protocol logged
# (WAYLAND_DEBUG=client) and every change of the lock status too:
#  - full screen confines the seat's pointer to the frame's own surface, persistently;
#  - the compositor's "confined" shows in the status as "pointer kept in";
#  - leaving full screen (the parent's Ctrl+Alt+Q hold) destroys the confinement and takes
#    the entry out of the status;
#  - under headless sway, whose seat has no pointer, the program asks for none (that would end
#    its connection), keeps running, and the status says the pointer is not held.
#   wayland-pointer.sh PROGRAM TOOLS_DIR
set -euo pipefail

if [ "${1:-}" = "--as-test-user" ]; then
  stage=$2
  cd "$stage"
  log="$stage/program.log"
  fail() { echo "FAIL: $*" >&2; grep -E "pommelot.lock|wayland-pointer|confine|Keyboard lock" "$log" | tail -n 30 >&2 || true; exit 1; }
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM WAYLAND_DEBUG
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$stage/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  sway_pid=
  program_pid=
  cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
  }
  trap cleanup EXIT
  : > "$stage/sway.config"

  # First a seat without a pointer: headless sway.
  mkdir -m 0700 "$stage/headless"
  XDG_RUNTIME_DIR="$stage/headless" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
    WLR_RENDERER=pixman sway -c "$stage/sway.config" > "$stage/sway-headless.log" 2>&1 &
  sway_pid=$!
  socket=
  for _ in $(seq 100); do
    socket=$(ls "$stage/headless" 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1 || true)
    [ -n "$socket" ] && break
    sleep 0.1
  done
  [ -n "$socket" ] || fail "headless sway did not start"
  log="$stage/headless.log"
  XDG_RUNTIME_DIR="$stage/headless" WAYLAND_DISPLAY=$socket WAYLAND_DEBUG=client \
    QT_LOGGING_RULES="pommelot.lock.debug=true" SDL_AUDIODRIVER=disk SDL_DISKAUDIODELAY=0 \
    SDL_DISKAUDIOFILE="$stage/out.raw" "$stage/program/pommelot" --play-session > "$log" 2>&1 &
  program_pid=$!
  ok=no
  for _ in $(seq 100); do
    grep -q 'Keyboard lock: [^"]*; pointer not held on this desktop (the desktop has no pointer)' \
      "$log" && ok=yes && break
    sleep 0.1
  done
  [ "$ok" = yes ] || fail "without a pointer on the seat, the status does not say it is not held"
  # The play session names itself in the status: it is what holds there.
  grep -q 'Keyboard lock: on (play session, console switching off by cage' "$log" ||
    fail "the play session's status does not name the session"
  sleep 1
  kill -0 "$program_pid" 2>/dev/null || fail "the program ended on a seat without a pointer"
  grep -q -- '-> wl_seat@[0-9]*\.get_pointer(' "$log" && fail "asked a seat without a pointer for it"
  grep -q 'confine_pointer(' "$log" && fail "asked to confine a pointer the seat does not have"
  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=
  kill "$sway_pid"
  wait "$sway_pid" 2>/dev/null || true
  sway_pid=
  log="$stage/program.log"

  # Then sway nested in Xvfb, its seat with a pointer.
  for _ in $(seq 100); do [ -s "$stage/display" ] && break; sleep 0.05; done
  [ -s "$stage/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$stage/display")"
  WLR_BACKENDS=x11 WLR_X11_OUTPUTS=1 WLR_RENDERER=pixman \
    sway -c "$stage/sway.config" > "$stage/sway.log" 2>&1 &
  sway_pid=$!
  socket=
  for _ in $(seq 100); do
    socket=$(ls "$XDG_RUNTIME_DIR" 2>/dev/null | grep -E '^wayland-[0-9]+$' | head -n1 || true)
    [ -n "$socket" ] && break
    sleep 0.1
  done
  [ -n "$socket" ] || fail "sway did not start"
  export WAYLAND_DISPLAY=$socket
  # sway's output window has the X pointer on it: the seat's pointer is over the output.
  xdotool mousemove 300 300

  WAYLAND_DEBUG=client QT_LOGGING_RULES="pommelot.lock.debug=true" SDL_AUDIODRIVER=disk \
    SDL_DISKAUDIODELAY=0 SDL_DISKAUDIOFILE="$stage/out.raw" \
    "$stage/program/pommelot" --play-session > "$log" 2>&1 &
  program_pid=$!

  # The frame's surface: the first one made a toplevel.
  surface=
  request=
  for _ in $(seq 100); do
    surface=$(grep -o -m1 'get_xdg_surface(new id xdg_surface@[0-9]*, wl_surface@[0-9]*)' "$log" |
      grep -o 'wl_surface@[0-9]*' || true)
    request=$(grep -m1 -- '-> zwp_pointer_constraints_v1@[0-9]*\.confine_pointer(' "$log" || true)
    [ -n "$surface" ] && [ -n "$request" ] && break
    sleep 0.1
  done
  [ -n "$surface" ] || fail "the program made no window"
  [ -n "$request" ] || fail "full screen did not ask the compositor to confine the pointer"
  # confine_pointer(new id, surface, pointer, region, lifetime): the frame's whole surface,
  # the pointer got from the seat, for as long as full screen lasts (persistent = 2).
  echo "$request" | grep -q "confine_pointer(new id zwp_confined_pointer_v1@[0-9]*, $surface, wl_pointer@[0-9]*, nil, 2)" ||
    fail "the confinement is not on the frame's surface $surface, whole and persistent: $request"
  confined=$(echo "$request" | grep -o 'zwp_confined_pointer_v1@[0-9]*')
  pointer=$(echo "$request" | grep -o 'wl_pointer@[0-9]*')
  grep -q -- "-> wl_seat@[0-9]*\.get_pointer(new id $pointer)" "$log" ||
    fail "the pointer $pointer was not got from the seat"

  # The pointer is over the window: the compositor confines it, and the status says so.
  ok=no
  for _ in $(seq 50); do
    if grep -q "$confined\.confined()" "$log" &&
      grep -q 'Keyboard lock: [^"]*pointer kept in' "$log"; then ok=yes; break; fi
    xdotool mousemove 310 310 mousemove 300 300
    sleep 0.1
  done
  [ "$ok" = yes ] || fail "the compositor's confinement did not show in the lock status"

  # The parent leaves full screen: the confinement and its status entry go, the play session
  # ends.
  xdotool keydown ctrl+alt+q
  sleep 4
  xdotool keyup ctrl+alt+q
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$program_pid" 2>/dev/null && fail "the play session did not end with full screen"
  program_pid=
  grep -q -- "-> $confined\.destroy()" "$log" || fail "leaving full screen kept the confinement"
  grep -q -- "-> $pointer\.release()" "$log" || fail "leaving full screen kept the pointer object"
  grep -q '"wayland-pointer" gone' "$log" || fail "the status still reports the pointer"
  echo "PASS: no pointer asked of a pointerless seat; full screen confined the pointer to $surface, the status showed it, leaving gave it back"
  exit 0
fi

program=$(readlink -f "$1")
tools=$2
folder=$(dirname "$program")
stage=$(mktemp -d /tmp/pommelot-wlpointer.XXXXXX)
trap 'rm -rf "$stage"' EXIT
chmod 0777 "$stage"
mkdir -p "$stage/program"
cp "$program" "$stage/program/pommelot"
for f in "$folder"/*.wdl "$folder"/Help; do
  [ -e "$f" ] && cp -r "$f" "$stage/program/"
done
# This script too: the tree may be in a folder the test user cannot read.
cp "$(readlink -f "$0")" "$stage/wayland-pointer.sh"
chmod -R a+rwX "$stage"
"$tools/as-test-user.sh" bash "$stage/wayland-pointer.sh" --as-test-user "$stage"
