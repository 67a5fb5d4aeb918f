#!/usr/bin/env bash
# Runs as the unprivileged test user (see play-session-test.sh): starts the play session's
# command and plays it as a child and a parent would. cage runs on an X11 output inside a
# private Xvfb (its headless output takes no key presses: it offers no virtual keyboard), so
# that XTEST key presses reach it as a keyboard's would.
#   play-session-user.sh STAGE
set -euo pipefail
stage=$1
root="$stage/root"
out="$stage/out"
session="$root/usr/share/wayland-sessions/org.quorvex.Pommelot.PlaySession.desktop"
cage_pid=""
xvfb_pid=""
fail() {
    echo "FAIL: $*" >&2
    [ -z "$cage_pid" ] || kill -KILL "$cage_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    [ ! -s "$out/session.log" ] || tail -20 "$out/session.log" >&2
    exit 1
}

export HOME="$stage/home" XDG_SESSION_TYPE=wayland
export WLR_BACKENDS=x11 WLR_RENDERER=pixman WLR_X11_OUTPUTS=1
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out/speaker.raw" SDL_DISKAUDIODELAY=0
# The program's side of the Wayland protocol goes to the session log (read below).
export WAYLAND_DEBUG=client
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$out/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
    [ -s "$out/display" ] && break
    sleep 0.05
done
[ -s "$out/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$out/display")"
# The login manager runs the entry's command; the program is found on the PATH.
export PATH="$root/usr/bin:$PATH"
exec_line=$(sed -n 's/^Exec=//p' "$session")
# shellcheck disable=SC2086
$exec_line >"$out/session.log" 2>&1 &
cage_pid=$!

voiced() { [ -f "$SDL_DISKAUDIOFILE" ] && tr -d '\000' <"$SDL_DISKAUDIOFILE" | wc -c || echo 0; }
wait_voiced_above() { # waits up to 5 s for more sound than $1 bytes
    local i
    for i in $(seq 1 50); do
        [ "$(voiced)" -gt "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
# Waits until the sound has stopped growing, then prints how much there is.
settled_voice() {
    local a b
    a=$(voiced)
    while sleep 0.5; b=$(voiced); [ "$a" != "$b" ]; do a=$b; done
    echo "$b"
}

for _ in $(seq 1 100); do
    [ -S "$XDG_RUNTIME_DIR/wayland-0" ] && break
    kill -0 "$cage_pid" 2>/dev/null || fail "cage ended at start"
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/wayland-0" ] || fail "cage made no Wayland socket"
unset WAYLAND_DEBUG
# cage's output window gets the keyboard: the pointer rests on it (no window manager here).
xdotool mousemove 100 100

# The first shape is spoken once the program is up.
wait_voiced_above 2000 || fail "the program said nothing at start"

# The program is the only client cage runs.
children=$(pgrep -P "$cage_pid" -l || true)
[ "$(wc -l <<<"$children")" -eq 1 ] && [ "$(awk '{ print $2 }' <<<"$children")" = pommelot ] ||
    fail "cage runs more than the program: $children"
program_pid=$(awk '{ print $1 }' <<<"$children")

# It covers the whole output: it asked for full screen, and the compositor's last configure
# and the last picture it committed to its window are the size of the output. (The program's
# side of the protocol is in its log; a screenshot cannot tell, since cage shows a window that
# fills the output by handing its buffer straight to the output.)
sleep 1
read -r output configured committed fullscreen < <(awk -f "$stage/wayland-cover.awk" "$out/session.log")
[ "$fullscreen" = yes ] || fail "the program did not ask for full screen"
[ -n "$output" ] && [ "$configured" = "$output" ] && [ "$committed" = "$output" ] ||
    fail "the program does not cover the output $output (configured $configured, drew $committed)"
echo "output $output covered by the program"

# A key is heard.
before=$(settled_voice)
xdotool key a
wait_voiced_above "$before" || fail "a key press was not heard"
echo "key heard"

# A VT-switch key switches nothing: cage and the program go on, and the next key is heard.
vt_before=$(cat /sys/class/tty/tty0/active 2>/dev/null || echo none)
xdotool key ctrl+alt+F2
sleep 1
kill -0 "$cage_pid" 2>/dev/null || fail "cage ended on a VT-switch key"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended on a VT-switch key"
[ "$(cat /sys/class/tty/tty0/active 2>/dev/null || echo none)" = "$vt_before" ] ||
    fail "the VT-switch key switched the console"
before=$(settled_voice)
xdotool key b
wait_voiced_above "$before" || fail "after the VT-switch key, a key press was not heard"
echo "VT-switch key switched nothing"

# The parent leaves full screen (Ctrl+Alt+Q held 3 s): the program ends, and with it cage.
xdotool keydown ctrl+alt+q
sleep 4
xdotool keyup ctrl+alt+q
for _ in $(seq 1 50); do
    kill -0 "$cage_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    fail "the program did not end when the parent left full screen"
fi
kill -0 "$cage_pid" 2>/dev/null && fail "cage did not end with the program"
wait "$cage_pid" || true
cage_pid=""
echo "leaving full screen ended the session"
kill "$xvfb_pid" 2>/dev/null || true
echo PASS
