#!/usr/bin/env bash
# Runs as the unprivileged test user (see play-session-test.sh): starts the play session's
# command on a headless output and plays it as a child and a parent would.
#   play-session-user.sh STAGE
set -euo pipefail
stage=$1
root="$stage/root"
out="$stage/out"
session="$root/usr/share/wayland-sessions/org.quorvex.Pommelot.PlaySession.desktop"
cage_pid=""
fail() {
    echo "FAIL: $*" >&2
    [ -z "$cage_pid" ] || kill -KILL "$cage_pid" 2>/dev/null || true
    [ ! -s "$out/session.log" ] || tail -20 "$out/session.log" >&2
    exit 1
}

export HOME="$stage/home" XDG_SESSION_TYPE=wayland
export WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$out/speaker.raw" SDL_DISKAUDIODELAY=0
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
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
export WAYLAND_DISPLAY=wayland-0

# The first shape is spoken once the program is up.
wait_voiced_above 2000 || fail "the program said nothing at start"

# The program is the only client cage runs.
children=$(pgrep -P "$cage_pid" -l || true)
[ "$(wc -l <<<"$children")" -eq 1 ] && [ "$(awk '{ print $2 }' <<<"$children")" = pommelot ] ||
    fail "cage runs more than the program: $children"
program_pid=$(awk '{ print $1 }' <<<"$children")

# It covers the whole output: the play view's grey reaches the bottom corners and fills most
# of the screen, with nothing of the compositor's background to be seen.
sleep 1
grim "$out/shot.png" || fail "no screenshot of the output"
size=$(identify -format '%wx%h' "$out/shot.png")
w=${size%x*}
h=${size#*x}
for xy in "0,$((h - 1))" "$((w - 1)),$((h - 1))"; do
    px=$(convert "$out/shot.png" -format "%[pixel:p{$xy}]" info:)
    [ "$px" = "srgb(192,192,192)" ] || [ "$px" = "gray(192)" ] || [ "$px" = "grey75" ] ||
        fail "pixel $xy of $size is $px, not the play view"
done
grey=$(convert "$out/shot.png" -fill black +opaque 'rgb(192,192,192)' -fill white \
    -opaque 'rgb(192,192,192)' -format '%[fx:mean]' info:)
awk -v g="$grey" 'BEGIN { exit !(g > 0.5) }' || fail "the play view covers only $grey of the output"
echo "output $size covered by the program"

# A key is heard.
before=$(settled_voice)
wtype a
wait_voiced_above "$before" || fail "a key press was not heard"
echo "key heard"

# A VT-switch key switches nothing: cage and the program go on, and the next key is heard.
vt_before=$(cat /sys/class/tty/tty0/active 2>/dev/null || echo none)
wtype -M ctrl -M alt -k F2 -m alt -m ctrl
sleep 1
kill -0 "$cage_pid" 2>/dev/null || fail "cage ended on a VT-switch key"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended on a VT-switch key"
[ "$(cat /sys/class/tty/tty0/active 2>/dev/null || echo none)" = "$vt_before" ] ||
    fail "the VT-switch key switched the console"
before=$(settled_voice)
wtype b
wait_voiced_above "$before" || fail "after the VT-switch key, a key press was not heard"
echo "VT-switch key switched nothing"

# The parent leaves full screen (Ctrl+Alt+Q held 3 s): the program ends, and with it cage.
wtype -M ctrl -M alt -P q -s 4000 -p q -m alt -m ctrl
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
echo PASS
