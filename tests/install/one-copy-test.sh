#!/usr/bin/env bash
# One copy at a time, as a parent meets it under an X11 window manager: a second start brings
# the running window back from the task bar and ends within a second with status 0, without a
# window of its own and without touching a file or the log semaphore; a copy killed with
# SIGKILL does not block the next start. Checked with the session bus and, without one, with
# the lock file in the runtime folder. Runs under its own Xvfb (tools/xvfb-run-test.sh).
#   one-copy-test.sh PROGRAM STARTER_LISTS_DIR
# (It runs itself once for each case, as `one-copy-test.sh --case NAME PROGRAM LISTS_DIR`.)
set -euo pipefail
case_name=""
if [ "${1:-}" = --case ]; then
    case_name=$2
    shift 2
fi
program=$(realpath "$1")
lists=$(realpath "$2")
tmp=$(mktemp -d)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

export SDL_AUDIODRIVER=dummy QT_LOGGING_RULES='qt.qpa.*=false'
start_wm() {
    openbox --sm-disable >/dev/null 2>&1 &
    pids+=($!)
    disown
    for _ in $(seq 1 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    fail "openbox did not start"
}

client_count() { xprop -root _NET_CLIENT_LIST | tr ',' '\n' | grep -c 0x || true; }
active_window() { xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# *//'; }
snapshot() { # every file of a folder with its size, times and inode
    find "$1" -printf '%p %y %s %T@ %C@ %i\n' | sort
}
sem_id() { stat -c '%i %Y' /dev/shm/sem.QVXLogSem 2>/dev/null || echo none; }

# Starts a first copy in a fresh program folder and waits for its window.
# Sets: first (pid), win (its main window), folder.
start_first() {
    folder="$tmp/$1"
    mkdir -p "$folder"
    cp "$program" "$folder/pommelot"
    cp "$lists/Default.wdl" "$lists/Bird.wdl" "$folder/"
    "$folder/pommelot" >"$folder.log" 2>&1 &
    first=$!
    pids+=("$first")
    win=""
    # A first start on a busy machine may take several seconds; what is checked is the second.
    for _ in $(seq 1 300); do
        win=$(xdotool search --onlyvisible --pid "$first" --name '^Pommelot$' 2>/dev/null | head -1) || true
        [ -n "$win" ] && break
        kill -0 "$first" 2>/dev/null || { cat "$folder.log" >&2; fail "$1: the first copy ended"; }
        sleep 0.1
    done
    [ -n "$win" ] || { cat "$folder.log" >&2; fail "$1: the first copy shows no window"; }
    sleep 1 # let start-up finish writing whatever it writes
}

# Starts another copy and checks that it gives way to the running one at once, changing no
# file, not the log semaphore and no window of the screen but the running copy's.
start_again() {
    local name=$1 before_files before_sem t0 t1 rc=0 ms
    before_files=$(snapshot "$folder")
    before_sem=$(sem_id)
    t0=$(date +%s%N)
    timeout 5 "$folder/pommelot" >"$folder.second.log" 2>&1 || rc=$?
    t1=$(date +%s%N)
    ms=$(((t1 - t0) / 1000000))
    [ "$rc" -eq 0 ] || { cat "$folder.second.log" >&2; fail "$name: second start ended with $rc"; }
    [ "$ms" -lt 1000 ] || fail "$name: second start took $ms ms"
    kill -0 "$first" 2>/dev/null || fail "$name: the first copy ended"
    [ "$(snapshot "$folder")" = "$before_files" ] ||
        { diff <(echo "$before_files") <(snapshot "$folder") >&2 || true; fail "$name: the second start touched the program folder"; }
    [ "$(sem_id)" = "$before_sem" ] || fail "$name: the log semaphore was replaced or removed"
    echo "$name: second start ended after $ms ms"
}

second_start() {
    local name=$1 before_clients xev i
    before_clients=$(client_count)
    # While the running window is in front, a second start shows nothing at all: no window
    # is mapped on the screen, not even for a moment.
    xev -root -event substructure >"$folder.xev" 2>&1 &
    xev=$!
    sleep 0.2
    start_again "$name"
    sleep 0.3
    kill "$xev" 2>/dev/null
    wait "$xev" 2>/dev/null || true
    ! grep -q MapNotify "$folder.xev" || fail "$name: a window was shown during the second start"
    # From the task bar, a second start brings the running window back and in front.
    xdotool windowminimize --sync "$win"
    # The window manager moves the focus on after the window is gone; on a busy machine that
    # can take a moment.
    for i in $(seq 1 50); do
        [ "$(active_window)" != "$(printf '0x%x' "$win")" ] && break
        sleep 0.1
    done
    [ "$(active_window)" != "$(printf '0x%x' "$win")" ] || fail "$name: still active after minimising"
    start_again "$name (minimised)"
    for i in $(seq 1 30); do
        [ "$(active_window)" = "$(printf '0x%x' "$win")" ] && break
        sleep 0.1
    done
    [ "$(active_window)" = "$(printf '0x%x' "$win")" ] || fail "$name: the running window was not brought to the front"
    if xprop -id "$win" _NET_WM_STATE | grep -q HIDDEN; then
        fail "$name: the running window stayed minimised"
    fi
    [ "$(client_count)" = "$before_clients" ] || fail "$name: the number of windows changed"
    echo "$name: running window back in front"
}

run_case() {
    local name=$1
    start_first "$name"
    second_start "$name"
    # A copy that crashed leaves nothing that blocks the next start.
    kill -KILL "$first"
    wait "$first" 2>/dev/null || true
    "$folder/pommelot" >"$folder.third.log" 2>&1 &
    first=$!
    pids+=("$first")
    win=""
    for _ in $(seq 1 300); do
        win=$(xdotool search --onlyvisible --pid "$first" --name '^Pommelot$' 2>/dev/null | head -1) || true
        [ -n "$win" ] && break
        kill -0 "$first" 2>/dev/null || { cat "$folder.third.log" >&2; fail "$name: no start after the first copy was killed"; }
        sleep 0.1
    done
    [ -n "$win" ] || fail "$name: no window after the first copy was killed"
    sleep 1
    # ...and the new copy is the one that later starts give way to.
    second_start "$name after kill -9"
    kill -TERM "$first"
    wait "$first" 2>/dev/null || true
}

if [ -n "$case_name" ]; then
    start_wm
    run_case "$case_name"
    exit 0
fi

# Without a session bus: the lock file in the runtime folder.
runtime="$tmp/runtime"
mkdir -m 0700 "$runtime"
env DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/no-bus" XDG_RUNTIME_DIR="$runtime" \
    bash "$0" --case lockfile "$program" "$lists"
[ -f "$runtime/org.quorvex.Pommelot.lock" ] || fail "no lock file in the runtime folder"

# With a session bus: the well-known name.
busruntime="$tmp/busruntime"
mkdir -m 0700 "$busruntime"
XDG_RUNTIME_DIR="$busruntime" dbus-run-session -- bash "$0" --case sessionbus "$program" "$lists" \
    2> >(grep -v 'fd limit' >&2)
[ ! -e "$busruntime/org.quorvex.Pommelot.lock" ] || fail "a lock file although the session bus was there"
echo "PASS"
