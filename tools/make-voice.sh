#!/usr/bin/env bash
# Makes the starter voice: one recording for every item the play modes speak, spoken by
# espeak-ng and trimmed with sox, so that a fresh copy of Pommelot talks before a parent has
# recorded anything.
#
#   make-voice.sh STAGE_DIR [PROGRAM_DIR [FOLDER=WORD_LIST_TEXT...]]
#
# STAGE_DIR   our own cache of generated recordings and word lists (the files an install
#             ships). Emptied only when the voice settings below change.
# PROGRAM_DIR a program folder: every staged recording and .wdl file is copied into it where
#             no file of that name exists yet, letter case ignored (the program finds a sound
#             file whatever its case, so a parent's "red.wav" must not be shadowed by our
#             "Red.wav"). Nothing in it is ever overwritten.
# FOLDER=WORD_LIST_TEXT  a text file of one word or phrase a line, spoken into the sound
#             folder FOLDER (Words=data/Default.txt, Bird=data/Bird.txt).
#
# Quick when everything exists: no program is started then.
set -euo pipefail

# A clear, friendly voice for small children: the American English letter names ("zee"),
# a smooth female variant without the breathiness of the others, a little slower than normal
# speech and a little higher.
VOICE="en-us+f4"
SPEED=130
PITCH=60
AMPLITUDE=120
SETTINGS="espeak-ng -v ${VOICE} -s ${SPEED} -p ${PITCH} -a ${AMPLITUDE}; sox trim 0.5%, norm -1, 16-bit"

die() {
    echo "make-voice.sh: $*" >&2
    exit 1
}

[ $# -ge 1 ] || die "usage: make-voice.sh STAGE_DIR [PROGRAM_DIR [FOLDER=WORD_LIST_TEXT...]]"
stage=$1
program=${2:-}
shift $(($# >= 2 ? 2 : 1))

# Every item as "Folder|file stem|text spoken".
items=()
for l in A B C D E F G H I J K L M N O P Q R S T U V W X Y Z; do
    items+=("Letters|$l|$l")
done
for n in 1 2 3 4 5 6 7 8 9 10; do
    items+=("Numbers|$n|$n")
done
for c in Red Orange Yellow Green Blue Indigo Violet White Black; do
    items+=("Colors|$c|$c")
done
for s in Circle Square Triangle Rectangle Diamond Pentagon Hexagon Octagon Star Trapezoid; do
    items+=("Shapes|$s|$s")
done
for m in plus minus equals; do
    items+=("Math|$m|$m")
done
for arg in "$@"; do
    folder=${arg%%=*}
    list=${arg#*=}
    [ -f "$list" ] || die "no word list $list"
    while IFS= read -r word || [ -n "$word" ]; do
        word=${word%$'\r'}
        [ -n "$word" ] || continue
        case $word in
        */* | .* | *'|'*) die "$list: '$word' cannot be a file name" ;;
        esac
        items+=("$folder|$word|$word")
    done <"$list"
done

mkdir -p "$stage"
stamp="$stage/voice-settings"
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$SETTINGS" ]; then
    # Our own cache only: the program folder is never touched here.
    rm -rf "$stage/Letters" "$stage/Numbers" "$stage/Colors" "$stage/Shapes" "$stage/Math" \
        "$stage/Words" "$stage/Bird"
    printf '%s\n' "$SETTINGS" >"$stamp"
fi

speak() { # speak TEXT OUT.wav
    local raw="$2.raw.wav" tmp="$2.tmp.wav"
    espeak-ng -v "$VOICE" -s "$SPEED" -p "$PITCH" -a "$AMPLITUDE" -w "$raw" -- "$1"
    # Cut the silence before and after the word so a cue starts at once, bring the level to
    # just under full scale, and store 16-bit PCM.
    sox "$raw" -b 16 -e signed-integer "$tmp" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -1
    rm -f "$raw"
    mv -f "$tmp" "$2"
}

missing=()
for item in "${items[@]}"; do
    IFS='|' read -r folder name text <<<"$item"
    [ -s "$stage/$folder/$name.wav" ] || missing+=("$item")
done
if [ ${#missing[@]} -gt 0 ]; then
    command -v espeak-ng >/dev/null || die "espeak-ng is not installed"
    command -v sox >/dev/null || die "sox is not installed"
    echo "Speaking ${#missing[@]} starter recordings into $stage"
    # Two at a time: the build machine has few cores.
    running=0
    for item in "${missing[@]}"; do
        IFS='|' read -r folder name text <<<"$item"
        mkdir -p "$stage/$folder"
        speak "$text" "$stage/$folder/$name.wav" &
        running=$((running + 1))
        if [ $running -ge 2 ]; then
            wait -n
            running=$((running - 1))
        fi
    done
    while [ $running -gt 0 ]; do
        wait -n
        running=$((running - 1))
    done
fi

[ -n "$program" ] || exit 0

# Copies src to dst unless dst's folder already holds that name in any letter case.
declare -A present
copy_missing() { # copy_missing SRC DIR NAME
    local dir=$2 name=$3 key f
    if [ -z "${present[$dir]+set}" ]; then
        present[$dir]="|"
        if [ -d "$dir" ]; then
            for f in "$dir"/*; do
                [ -e "$f" ] || continue
                f=${f##*/}
                present[$dir]+="${f,,}|"
            done
        fi
    fi
    key="|${name,,}|"
    [[ ${present[$dir]} == *"$key"* ]] && return 0
    mkdir -p "$dir"
    # Copy beside, then move without overwriting: a file that appeared meanwhile wins.
    cp "$1" "$dir/.$name.part"
    mv -n "$dir/.$name.part" "$dir/$name"
    rm -f "$dir/.$name.part"
    present[$dir]+="${name,,}|"
}

for item in "${items[@]}"; do
    IFS='|' read -r folder name text <<<"$item"
    copy_missing "$stage/$folder/$name.wav" "$program/$folder" "$name.wav"
done
for wdl in "$stage"/*.wdl; do
    [ -e "$wdl" ] || continue
    copy_missing "$wdl" "$program" "${wdl##*/}"
done
