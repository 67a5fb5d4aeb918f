#!/usr/bin/env bash
# The package where nothing of this machine stands in for a missing dependency:
#  1. built as Debian's builders build it, in a fresh minimal Debian root holding only
#     build-essential and the build dependencies debian/control names
#     (tools/build-package.sh --clean-root), and checked with lintian;
#  2. built with the same files and dependencies as the package built on this machine (DEB), so
#     nothing this machine happens to have installed changes what the package holds;
#  3. installed with `apt-get install ./pommelot_*.deb` into a second fresh root, and started
#     from PATH there as a normal user on this machine's Xvfb (only its socket is bound in): it
#     paints and speaks with nothing but what its Depends bring, and its default face has the
#     font it is meant to be drawn with; a second start ends at once;
#     `apt-get remove` keeps the user's recordings and lists.
#   clean-root-test.sh DEB   (as root; runs under its own Xvfb, tools/xvfb-run-test.sh)
# The bare root is cached (tools/clean-root.sh); each step prints what it cost.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
# shellcheck source=tools/clean-root.sh
. "$top/tools/clean-root.sh"
# shellcheck source=tests/install/window-checks.sh
. "$here/window-checks.sh"
host_deb=$(realpath "$1")
tmp=$(mktemp -d "${TMPDIR:-/var/tmp}/pommelot-clean-root.XXXXXX")
root=$tmp/root
pid=""
cleanup() {
    [ ! -d "$root" ] || cleanRootKill "$root"
    if [ -n "$pid" ]; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    cleanRootRemove "$root" && rm -rf --one-file-system "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "the clean roots need root"
step_started=$(date +%s)
took() {
    local now
    now=$(date +%s)
    echo "$1: $((now - step_started)) s"
    step_started=$now
}

# --- 1. Built in a clean root, lintian clean -----------------------------------------------------
mkdir "$tmp/out"
if ! bash "$top/tools/build-package.sh" --clean-root "$tmp/out" >"$tmp/build.log" 2>&1; then
    grep -E 'Unmet|E: |CMake Error|error:|not exist|Could NOT find' "$tmp/build.log" | head -20 >&2 || true
    tail -30 "$tmp/build.log" >&2
    fail "the package does not build in a clean root"
fi
grep -E '^(Clean root|Built)' "$tmp/build.log" || true
took "Built in a clean root"
deb=$(ls "$tmp"/out/pommelot_*.deb)
lintian --fail-on error,warning "$deb" 2> >(grep -v 'root privileges' >&2) ||
    fail "lintian reports errors or warnings on the clean-root package"

# --- 2. The same package as the one built here ---------------------------------------------------
contents() { dpkg-deb -c "$1" | awk '{ print $1, $NF }' | sort; }
diff <(contents "$host_deb") <(contents "$deb") >&2 ||
    fail "the clean-root package holds other files than the one built here (< here, > clean root)"
for f in Depends Recommends; do
    [ "$(dpkg-deb -f "$host_deb" "$f")" = "$(dpkg-deb -f "$deb" "$f")" ] ||
        fail "$f differs: here '$(dpkg-deb -f "$host_deb" "$f")', clean root '$(dpkg-deb -f "$deb" "$f")'"
done

# --- 3. Installed with apt into a second clean root, started from PATH by a user ----------------
cleanRootCopy "$root"
cp "$deb" "$root/tmp/"
cleanRootApt "$root" update >/dev/null
# Recommends left out: what the program needs on an X11 desktop must come with Depends.
cleanRootApt "$root" install --no-install-recommends "./tmp/$(basename "$deb")" >"$tmp/install.log" 2>&1 ||
    { tail -20 "$tmp/install.log" >&2; fail "apt cannot install the package in a clean root"; }
took "Installed in a second clean root"
[ "$(readlink -f "$root/usr/bin/pommelot")" = "$root/usr/libexec/pommelot/pommelot" ] ||
    fail "pommelot in PATH is not the installed program"
# The play view's default face, Arial, is drawn with its metric twin from the fonts the
# package depends on, not with whatever face happens to be there.
face=$(chroot "$root" fc-match -f '%{family}' Arial 2>/dev/null) || true
[[ "$face" == "Liberation Sans"* ]] || fail "Arial is matched by '$face', not Liberation Sans"
chroot "$root" useradd --create-home --user-group --shell /bin/bash parent
uid=$(chroot "$root" id -u parent)
runtime=/tmp/runtime-parent
install -d -m 0700 -o "$uid" -g "$uid" "$root$runtime"
display=${DISPLAY#*:}
display=${display%%.*}
[ -S "/tmp/.X11-unix/X$display" ] || fail "no X socket for $DISPLAY"
# The user's session: nothing from this machine but the X server's socket.
asParent() {
    cleanRootRun "$root" -b /tmp/.X11-unix -u "$uid" env -i PATH=/usr/local/bin:/usr/bin:/bin \
        HOME=/home/parent USER=parent LOGNAME=parent LANG=C.UTF-8 DISPLAY="$DISPLAY" \
        XDG_RUNTIME_DIR=$runtime XDG_SESSION_TYPE=x11 \
        DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/pommelot-no-bus \
        SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/tmp/speaker.raw SDL_DISKAUDIODELAY=0 "$@"
}
asParent pommelot >"$tmp/run.log" 2>&1 &
pid=$!
win=$(waitForWindow "$pid" "$tmp/run.log" any)
# The window is the program's in the clean root, run as the user.
program_pid=$(xdotool getwindowpid "$win")
[ "$(readlink "/proc/$program_pid/root")" = "$root" ] || fail "the window is not the clean root's program"
[ "$(stat -c %u "/proc/$program_pid")" = "$uid" ] || fail "the program does not run as the user"
waitForVoice "$root/tmp/speaker.raw" "$tmp/run.log"
checkPainted "$win" "$tmp/shot.png"
data="$root/home/parent/.local/share/Quorvex Pommelot/Pommelot"
[ -d "$data/Colors" ] || fail "no data folder seeded"
# A second start hands over to the running copy and ends at once.
started=$(date +%s%N)
asParent pommelot >"$tmp/second.log" 2>&1 || { cat "$tmp/second.log" >&2; fail "the second start failed"; }
ms=$((($(date +%s%N) - started) / 1000000))
[ "$ms" -lt 5000 ] || fail "the second start took $ms ms"
kill -0 "$program_pid" 2>/dev/null || fail "the first copy ended at the second start"
kill -TERM "$program_pid"
wait "$pid" 2>/dev/null || true
pid=""
# Removing the package leaves the user's data alone.
echo "a parent's recording" >"$data/Colors/Parent.wav"
cleanRootApt "$root" remove pommelot >"$tmp/remove.log" 2>&1 || { cat "$tmp/remove.log" >&2; fail "apt-get remove"; }
[ ! -e "$root/usr/bin/pommelot" ] || fail "the program is still installed after removal"
if [ ! -s "$data/Colors/Parent.wav" ] || [ ! -d "$data/Letters" ]; then
    fail "removing the package removed the user's data"
fi
took "Started, second start, removed"
echo "PASS"
