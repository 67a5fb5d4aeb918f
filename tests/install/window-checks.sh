# shellcheck shell=bash
# Checks on a started program as a parent sees it, for the package tests (sourced; they run
# under Xvfb and define fail()).

# Waits up to ten seconds for the visible "Pommelot" window of process PID and prints its id;
# fails with LOG shown if the process ends first or no window comes. With a third argument
# "any", PID is a process that starts the program, whose main window (titled after the open
# word list) is then the only one of its kind on the display.
waitForWindow() {
    local pid=$1 log=$2 win="" owner=(--pid "$1" --name '^Pommelot$')
    [ "${3:-}" != any ] || owner=(--name ' - Pommelot$')
    for _ in $(seq 1 100); do
        win=$(xdotool search --onlyvisible "${owner[@]}" 2>/dev/null | head -1) || true
        [ -n "$win" ] && break
        kill -0 "$pid" 2>/dev/null || { cat "$log" >&2; fail "the program ended at start"; }
        sleep 0.1
    done
    [ -n "$win" ] || { cat "$log" >&2; fail "the program shows no window"; }
    echo "$win"
}

# Bytes other than silence (zero) in SDL's disk-driver output FILE.
voicedBytes() { [ -f "$1" ] && tr -d '\000' <"$1" | wc -c || echo 0; }

# Waits up to five seconds for the first shape to be spoken into FILE: the speaker gets sound,
# not only silence.
waitForVoice() {
    local audio=$1 log=$2
    for _ in $(seq 1 50); do
        [ "$(voicedBytes "$audio")" -gt 2000 ] && return 0
        sleep 0.1
    done
    cat "$log" >&2
    fail "the program is silent"
}

# Window WIN is painted: the grey play view and a coloured shape, not an empty surface. The
# screenshot goes to SHOT.
checkPainted() {
    local win=$1 shot=$2 colours grey
    sleep 0.5
    import -window "$win" "$shot"
    colours=$(convert "$shot" -format '%k' info:)
    [ "$colours" -ge 4 ] || fail "the window shows $colours colours"
    grey=$(convert "$shot" -fill black +opaque 'rgb(192,192,192)' -fill white -opaque 'rgb(192,192,192)' \
        -format '%[fx:mean]' info:)
    awk -v g="$grey" 'BEGIN { exit !(g > 0.3) }' || fail "the play view is not grey (grey share $grey)"
}
