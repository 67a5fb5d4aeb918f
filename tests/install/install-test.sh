#!/usr/bin/env bash
# Installs the build into a temporary prefix and plays the first days of a parent's life with
# it: the installed program (started through its bin link, with a fresh home) seeds the user's
# data folder with its lists and plays the shipped starter voice of every language from its own
# folder, a second start changes nothing, an old starter copy among the parent's recordings is
# taken out, a recording the parent made survives a rebuild of the starter voice, a reinstall
# and a change of language, and on an X display the program shows its window.
#   install-test.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
prefix="$tmp/prefix"
home="$tmp/home"
data="$home/.local/share/Quorvex Pommelot/Pommelot"
backup="$tmp/build-Red.wav"
had_build_red=no
pid=""

cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    # The build folder's own recording goes back as it was.
    if [ -f "$backup" ]; then
        cp -p "$backup" "$build/Colors/Red.wav"
    elif [ "$had_build_red" = no ]; then
        rm -f "$build/Colors/Red.wav"
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

install_into_prefix() {
    cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
        { cat "$tmp/install.log" >&2; fail "cmake --install failed"; }
}

# Starts the installed program as a user would, waits until it has seeded its data folder
# and is still running with its window, then ends it.
run_installed() { # run_installed [ARGUMENT...]
    (
        cd "$tmp"
        # A runtime folder of its own and no session bus: a copy running elsewhere for this
        # user must not make this one give way.
        mkdir -p -m 0700 "$tmp/runtime"
        exec env -u XDG_DATA_HOME -u XDG_CONFIG_HOME DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/no-bus \
            XDG_RUNTIME_DIR="$tmp/runtime" HOME="$home" LC_ALL=C.UTF-8 LANGUAGE= \
            QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
            "$prefix/bin/pommelot" "$@" >"$tmp/run.log" 2>&1
    ) &
    pid=$!
    # The lists are seeded last; wait for them (the deadline only guards against a hang).
    local i
    for i in $(seq 1 600); do
        [ -f "$data/Bird.wdl" ] && break
        kill -0 "$pid" 2>/dev/null || { cat "$tmp/run.log" >&2; fail "the program ended at start"; }
        sleep 0.1
    done
    [ -f "$data/Bird.wdl" ] || fail "no Bird.wdl in the data folder"
    sleep 2
    kill -0 "$pid" 2>/dev/null || { cat "$tmp/run.log" >&2; fail "the program ended early"; }
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
}

snapshot() { # names, sizes, modification times and checksums of the data folder
    (cd "$data" && find . -printf '%p %y %s %T@\n' | sort && find . -type f -print0 | sort -z |
        xargs -0 md5sum)
}

sums() { # checksums of every file in the data folder
    (cd "$data" && find . -type f -print0 | sort -z | xargs -0 md5sum)
}

parents_sums() { # checksums of every file of the parent's: all but the starter voice
    (cd "$data" && find . -path ./Starter -prune -o -type f -print0 | sort -z | xargs -0 md5sum)
}

count_wav() { find "$1" -maxdepth 1 -name '*.wav' | wc -l; }

# --- Install layout -------------------------------------------------------------------------
install_into_prefix
program="$prefix/libexec/pommelot"
[ -L "$prefix/bin/pommelot" ] || fail "bin/pommelot is not a link"
link=$(readlink "$prefix/bin/pommelot")
[ "${link#/}" = "$link" ] || fail "bin/pommelot links to the absolute path $link"
[ "$(readlink -f "$prefix/bin/pommelot")" = "$(readlink -f "$program/pommelot")" ] ||
    fail "bin/pommelot does not lead to the program"
[ -x "$program/pommelot" ] || fail "no program in $program"
[ -f "$program/pommelot-installed" ] || fail "no install marker"
[ -s "$program/Help/Pommelot.htm" ] || fail "no help page"
[ -s "$program/Default.wdl" ] && [ -s "$program/Bird.wdl" ] || fail "no word lists"
[ -x "$program/pommelot-speak" ] || fail "no speaker for the starter voice"
for lang in en de fr es it nl pl; do
    for pair in Letters=26 Numbers=10 Colors=9 Shapes=10 Math=3 Words=20 Bird=10; do
        folder=${pair%=*}
        want=${pair#*=}
        got=$(count_wav "$program/Starter/$lang/$folder")
        [ "$got" -ge "$want" ] || fail "$lang $folder holds $got recordings, want at least $want"
    done
done
for f in Letters/A.wav Letters/Z.wav Numbers/10.wav Colors/Indigo.wav Shapes/Trapezoid.wav \
    Math/equals.wav; do
    [ -s "$program/Starter/en/$f" ] || fail "no $f"
done
[ -f "$prefix/share/applications/org.quorvex.Pommelot.desktop" ] || fail "no desktop entry"
[ -f "$prefix/share/metainfo/org.quorvex.Pommelot.metainfo.xml" ] || fail "no metainfo"
# The desktop entry names an icon that the install provides, scalable and in pixel sizes.
icon=$(sed -n 's/^Icon=//p' "$prefix/share/applications/org.quorvex.Pommelot.desktop")
[ -n "$icon" ] || fail "the desktop entry names no icon"
hicolor="$prefix/share/icons/hicolor"
[ -s "$hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
for size in 16 22 24 32 48 64 128 256; do
    png="$hicolor/${size}x${size}/apps/$icon.png"
    [ -s "$png" ] || fail "no ${size}px icon"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] ||
        fail "$png is not a PNG"
    # Width and height: the big-endian words at offsets 16 and 20 of the header.
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
    [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
done
shipped_before=$(cd "$program" && find . | sort)

# --- First start: the data folder gets the lists; the starter voice plays from the program's
# folder, so nothing has to be made and the parent's sound folders stay empty -----------------
mkdir -p "$home"
run_installed
[ -d "$data" ] || fail "no data folder $data"
for folder in Shapes Colors Letters Numbers Words Math Bird; do
    [ -d "$data/$folder" ] || fail "no sound folder $folder"
    [ "$(count_wav "$data/$folder")" -eq 0 ] || fail "starter recordings were put into $folder"
done
made=$(find "$data" -path "$data/Starter/*" -name '*.wav' | wc -l)
[ "$made" -eq 0 ] || fail "the first start made $made starter recordings the package ships"
cmp -s "$program/Default.wdl" "$data/Default.wdl" || fail "Default.wdl was not seeded"
cmp -s "$program/Bird.wdl" "$data/Bird.wdl" || fail "Bird.wdl was not seeded"
[ "$(cd "$program" && find . | sort)" = "$shipped_before" ] ||
    fail "the program wrote into its install folder"
echo "first start seeded 2 lists and made no recording"

# --- Second start: nothing changes ----------------------------------------------------------
before=$(snapshot)
run_installed
[ "$(snapshot)" = "$before" ] || fail "a second start changed the data folder"

# --- A parent's recordings outlive a rebuild and a reinstall --------------------------------
# In the data folder: a new Red, and a "q.wav" for the letter Q.
sox -n -r 22050 -b 16 -c 1 "$tmp/parent.wav" synth 0.5 sine 440 2>/dev/null ||
    printf 'RIFF parent recording' >"$tmp/parent.wav"
cp "$tmp/parent.wav" "$data/Colors/Red.wav"
cp "$tmp/parent.wav" "$data/Letters/q.wav"
# In the build folder too, where a parent running the program from the build records.
if [ -f "$build/Colors/Red.wav" ]; then
    had_build_red=yes
    cp -p "$build/Colors/Red.wav" "$backup"
fi
cp "$tmp/parent.wav" "$build/Colors/Red.wav"

cmake --build "$build" --target pommelot_voice >"$tmp/rebuild.log" 2>&1 ||
    { cat "$tmp/rebuild.log" >&2; fail "rebuilding the starter voice failed"; }
cmp -s "$tmp/parent.wav" "$build/Colors/Red.wav" ||
    fail "rebuilding replaced the parent's recording in the build folder"

install_into_prefix
cmp -s "$tmp/parent.wav" "$program/Starter/en/Colors/Red.wav" &&
    fail "the install shipped the build folder's own recording"
[ -e "$program/Colors" ] && fail "the install has a sound folder of its own"
before=$(snapshot)
run_installed
cmp -s "$tmp/parent.wav" "$data/Colors/Red.wav" || fail "the reinstall lost the parent's Red"
cmp -s "$tmp/parent.wav" "$data/Letters/q.wav" || fail "the parent's q.wav was replaced"
[ ! -e "$data/Letters/Q.wav" ] || fail "Q.wav was seeded beside the parent's q.wav"
[ "$(snapshot)" = "$before" ] || fail "starting after a reinstall changed the data folder"

# A start in another language changes nothing of the parent's: the parent's English list words
# are given German starter recordings, in the starter folder.
before=$(parents_sums)
run_installed --language de
[ "$(parents_sums)" = "$before" ] || fail "a start in German changed the parent's files"
[ -s "$data/Starter/de/Words/cat.wav" ] || fail "the English list's cat got no German voice"

# An English starter copy that an earlier version seeded among the parent's recordings is taken
# out once (byte for byte a shipped one); the parent's own recordings stay.
rm -f "$data/Starter/.sorted"
cp "$program/Starter/en/Numbers/7.wav" "$data/Numbers/7.wav"
run_installed
[ ! -e "$data/Numbers/7.wav" ] || fail "an old starter copy was left among the parent's"
cmp -s "$tmp/parent.wav" "$data/Colors/Red.wav" || fail "sorting lost the parent's Red"
cmp -s "$tmp/parent.wav" "$data/Letters/q.wav" || fail "sorting lost the parent's q.wav"
# --- The installed program shows its window on an X display --------------------------------
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    here=$(cd "$(dirname "$0")" && pwd)
    HOME="$home" "$here/../../tools/xvfb-run-test.sh" bash -c '
        env -u XDG_DATA_HOME -u XDG_CONFIG_HOME SDL_AUDIODRIVER=dummy "$1" >"$2" 2>&1 &
        pid=$!
        shown=""
        for _ in $(seq 1 300); do
            shown=$(xdotool search --onlyvisible --name Pommelot 2>/dev/null | head -n 1)
            [ -n "$shown" ] && break
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -TERM "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        [ -n "$shown" ]' _ "$prefix/bin/pommelot" "$tmp/x11.log" ||
        { cat "$tmp/x11.log" >&2; fail "the installed program showed no window"; }
    echo "the installed program showed its window"
fi
echo "install test passed"
