#!/usr/bin/env bash
# Checks the Debian package as apt and a parent meet it: lintian finds nothing to warn about;
# it holds the program, its starter voice and lists, help page, desktop entry (whose program
# and icon are in the package), metainfo, icons, man page and the play session's login entry,
# all under /usr and nothing run at install or removal that could reach a parent's data; apt
# can resolve its dependencies; and the program started from the unpacked package under Xvfb
# paints its window and speaks.
#   package-test.sh DEB
# Runs under its own Xvfb (tools/xvfb-run-test.sh).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/install/window-checks.sh
. "$here/window-checks.sh"
deb=$(realpath "$1")
tmp=$(mktemp -d)
pid=""
cleanup() {
    [ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
app_id=org.quorvex.Pommelot

# --- lintian: no error, no warning ------------------------------------------------------------
lintian --fail-on error,warning "$deb" \
    2> >(grep -v 'root privileges' >&2) || fail "lintian reports errors or warnings"

# --- Control data ------------------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pommelot ] || fail "package name"
[[ "$(basename "$deb")" == pommelot_"$(field Version)"_"$(field Architecture)".deb ]] ||
    fail "file name $(basename "$deb")"
depends=$(field Depends)
for need in fonts-liberation qt6-wayland libqt6svg6 libqt6widgets6 libsdl2-2.0-0 libsndfile1; do
    grep -Eq "(^|, )$need( |,|$)" <<<"$depends" || fail "Depends lacks $need: $depends"
done
grep -q '\bcage\b' <<<"$(field Recommends)" || fail "cage is not recommended"
# Nothing runs at install or removal but what debhelper writes, and nothing of it reaches a
# home folder: removing the package leaves a parent's recordings and lists alone.
dpkg-deb -e "$deb" "$tmp/control"
for script in preinst postinst prerm postrm; do
    [ -e "$tmp/control/$script" ] || continue
    if grep -Eq 'home|\.local|rm -r|XDG_DATA' "$tmp/control/$script"; then
        fail "$script reaches into users' files"
    fi
done

# --- Contents ----------------------------------------------------------------------------------
root="$tmp/root"
dpkg-deb -x "$deb" "$root"
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"
program_dir="$root/usr/libexec/pommelot"
[ -x "$program_dir/pommelot" ] || fail "no program"
[ "$(readlink "$root/usr/bin/pommelot")" = ../libexec/pommelot/pommelot ] || fail "usr/bin/pommelot"
for f in Help/Pommelot.htm Help/Pommelot.de.htm Help/Pommelot.fr.htm Help/Pommelot.es.htm \
    Help/Pommelot.it.htm Help/Pommelot.nl.htm Help/Pommelot.pl.htm \
    Default.wdl Bird.wdl pommelot-installed pommelot-speak \
    Starter/en/Letters/A.wav Starter/en/Letters/Z.wav Starter/en/Numbers/10.wav \
    Starter/en/Colors/Red.wav Starter/de/Colors/Red.wav Starter/en/Shapes/Circle.wav \
    Starter/pl/Math/equals.wav; do
    [ -s "$program_dir/$f" ] || fail "no $f in the program folder"
done
# The starter voice of every language, apart from the (empty) sound folders of a parent.
for lang in en de fr es it nl pl; do
    for pair in Letters=26 Numbers=10 Colors=9 Shapes=10 Math=3 Words=20 Bird=10; do
        n=$(find "$program_dir/Starter/$lang/${pair%=*}" -name '*.wav' | wc -l)
        [ "$n" -ge "${pair#*=}" ] || fail "$lang ${pair%=*} holds $n recordings"
    done
done
# Only the program and its speaker are executable in its folder.
extra=$(find "$program_dir" -type f -perm /111 ! -path "$program_dir/pommelot" \
    ! -path "$program_dir/pommelot-speak")
[ -z "$extra" ] || fail "executable data files: $extra"
[ -s "$root/usr/share/metainfo/$app_id.metainfo.xml" ] || fail "no metainfo"
[ -s "$root/usr/share/man/man1/pommelot.1.gz" ] || fail "no man page"
[ -s "$root/usr/share/doc/pommelot/copyright" ] || fail "no copyright file"
desktop="$root/usr/share/applications/$app_id.desktop"
[ -s "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
# The desktop entry's program and icon are in the package.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
exec_prog=${exec_line%% *}
[ -x "$root/usr/bin/$exec_prog" ] || fail "Exec=$exec_line is not in usr/bin"
[ "$(readlink -f "$root/usr/bin/$exec_prog")" = "$(readlink -f "$program_dir/pommelot")" ] ||
    fail "Exec=$exec_line does not lead to the program"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -s "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon.svg"
for size in 16 32 48 64 128 256; do
    [ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] || fail "no ${size}px icon"
done
# The play session at the login screen: the program alone in cage, VT switching left off.
session="$root/usr/share/wayland-sessions/$app_id.PlaySession.desktop"
[ -s "$session" ] || fail "no play session entry"
desktop-file-validate "$session" || fail "the play session entry does not validate"
[ "$(sed -n 's/^Name=//p' "$session")" = "Pommelot (play session)" ] || fail "session name"
session_exec=$(sed -n 's/^Exec=//p' "$session")
read -r -a words <<<"$session_exec"
[ "${words[0]}" = cage ] || fail "the session does not run cage: $session_exec"
for w in "${words[@]}"; do
    [ "$w" != -s ] || fail "the session allows VT switching: $session_exec"
done
[ "${words[-2]}" = "$exec_prog" ] && [ "${words[-1]}" = --play-session ] ||
    fail "the session does not run the program in play-session mode: $session_exec"
[ -x "$root/usr/bin/${words[-2]}" ] || fail "the session's program is not in usr/bin"
[ "$(sed -n 's/^TryExec=//p' "$session")" = cage ] || fail "the session is offered without cage"

# --- apt resolves the dependencies -------------------------------------------------------------
apt-get install --simulate "$deb" >"$tmp/apt.log" 2>&1 || { cat "$tmp/apt.log" >&2; fail "apt cannot install it"; }
grep -q '^Inst pommelot ' "$tmp/apt.log" || { cat "$tmp/apt.log" >&2; fail "apt would not install pommelot"; }

# --- The unpacked program paints and speaks ----------------------------------------------------
home="$tmp/home"
mkdir -p "$home"
runtime="$tmp/runtime"
mkdir -m 0700 "$runtime"
audio="$tmp/speaker.raw"
(
    cd "$tmp"
    exec env -u XDG_DATA_HOME -u XDG_CONFIG_HOME DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/no-bus HOME="$home" \
        XDG_RUNTIME_DIR="$runtime" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" \
        SDL_DISKAUDIODELAY=0 "$root/usr/bin/pommelot" >"$tmp/run.log" 2>&1
) &
pid=$!
win=$(waitForWindow "$pid" "$tmp/run.log")
waitForVoice "$audio" "$tmp/run.log"
checkPainted "$win" "$tmp/shot.png"
[ -d "$home/.local/share/Quorvex Pommelot/Pommelot/Colors" ] || fail "no data folder seeded"
kill -TERM "$pid"
wait "$pid" 2>/dev/null || true
pid=""
echo "PASS"
