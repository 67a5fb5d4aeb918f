#!/usr/bin/env bash
# Makes the starter voice in every language: one recording for every item the play modes
# speak, spoken by espeak-ng and trimmed with sox, so that a fresh copy of Pommelot talks in
# its family's language before a parent has recorded anything.
#
#   make-voice.sh STAGE_DIR [PROGRAM_DIR [FOLDER=WORD_LIST_TEXT...]]
#
# STAGE_DIR   our own cache of generated recordings and word lists (the files an install
#             ships): Starter/<language>/<Folder>/<Name>.wav. Emptied only when the voice
#             settings below change.
# PROGRAM_DIR a program folder: every staged recording is copied into its Starter folder, and
#             every .wdl file into it, where no file of that name exists yet, letter case
#             ignored. Nothing in it is ever overwritten, and the parent's sound folders are
#             never written.
# FOLDER=WORD_LIST_TEXT  a text file of one word or phrase a line, spoken in English into the
#             sound folder FOLDER (Words=data/Default.txt, Bird=data/Bird.txt). The other
#             languages' items and word lists are in data/lang/<language>/ (Items.txt,
#             Default.txt, Bird.txt).
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
# Each other language: its own voice, in the same smooth female variant.
LANGUAGES="de fr es it nl pl"
SETTINGS="espeak-ng -v ${VOICE} -s ${SPEED} -p ${PITCH} -a ${AMPLITUDE}; sox trim 0.5%, norm -1, 16-bit; Starter/<language>: en $LANGUAGES (<language>+f4)"
langdir="$(cd "$(dirname "$0")/.." && pwd)/data/lang"

die() {
    echo "make-voice.sh: $*" >&2
    exit 1
}

[ $# -ge 1 ] || die "usage: make-voice.sh STAGE_DIR [PROGRAM_DIR [FOLDER=WORD_LIST_TEXT...]]"
stage=$1
program=${2:-}
shift $(($# >= 2 ? 2 : 1))

# Every item as "language|Folder|file stem|text spoken".
items=()
add_list() { # add_list LANGUAGE FOLDER TEXT_FILE
    local word
    [ -f "$3" ] || die "no word list $3"
    while IFS= read -r word || [ -n "$word" ]; do
        word=${word%$'\r'}
        [ -n "$word" ] || continue
        case $word in
        */* | .* | *'|'*) die "$3: '$word' cannot be a file name" ;;
        esac
        items+=("$1|$2|$word|$word")
    done <"$3"
}
for lang in en $LANGUAGES; do
    # The letters and numbers as written: each language names them in its own words.
    for l in A B C D E F G H I J K L M N O P Q R S T U V W X Y Z; do
        items+=("$lang|Letters|$l|$l")
    done
    for n in 1 2 3 4 5 6 7 8 9 10; do
        items+=("$lang|Numbers|$n|$n")
    done
    # Colours, shapes and sum words: the file keeps its English name, the voice says the
    # language's word.
    [ -f "$langdir/$lang/Items.txt" ] || die "no $langdir/$lang/Items.txt"
    while IFS='|' read -r folder name text || [ -n "$folder" ]; do
        case $folder in '#'* | '') continue ;; esac
        items+=("$lang|$folder|$name|${text%$'\r'}")
    done <"$langdir/$lang/Items.txt"
    if [ "$lang" != en ]; then
        add_list "$lang" Words "$langdir/$lang/Default.txt"
        add_list "$lang" Bird "$langdir/$lang/Bird.txt"
    fi
done
for arg in "$@"; do
    add_list en "${arg%%=*}" "${arg#*=}"
done

mkdir -p "$stage"
stamp="$stage/voice-settings"
if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$SETTINGS" ]; then
    # Our own cache only: the program folder is never touched here.
    rm -rf "$stage/Letters" "$stage/Numbers" "$stage/Colors" "$stage/Shapes" "$stage/Math" \
        "$stage/Words" "$stage/Bird" "$stage/Starter"
    printf '%s\n' "$SETTINGS" >"$stamp"
fi

voice_of() { # voice_of LANGUAGE
    if [ "$1" = en ]; then echo "$VOICE"; else echo "$1+f4"; fi
}

speak() { # speak LANGUAGE TEXT OUT.wav
    local raw="$3.raw.wav" tmp="$3.tmp.wav"
    espeak-ng -v "$(voice_of "$1")" -s "$SPEED" -p "$PITCH" -a "$AMPLITUDE" -w "$raw" -- "$2"
    # Cut the silence before and after the word so a cue starts at once, bring the level to
    # just under full scale, and store 16-bit PCM.
    sox "$raw" -b 16 -e signed-integer "$tmp" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse norm -1
    rm -f "$raw"
    mv -f "$tmp" "$3"
}

missing=()
for item in "${items[@]}"; do
    IFS='|' read -r lang folder name text <<<"$item"
    [ -s "$stage/Starter/$lang/$folder/$name.wav" ] || missing+=("$item")
done
if [ ${#missing[@]} -gt 0 ]; then
    command -v espeak-ng >/dev/null || die "espeak-ng is not installed"
    command -v sox >/dev/null || die "sox is not installed"
    echo "Speaking ${#missing[@]} starter recordings into $stage"
    # Two at a time: the build machine has few cores.
    running=0
    for item in "${missing[@]}"; do
        IFS='|' read -r lang folder name text <<<"$item"
        mkdir -p "$stage/Starter/$lang/$folder"
        speak "$lang" "$text" "$stage/Starter/$lang/$folder/$name.wav" &
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
    IFS='|' read -r lang folder name text <<<"$item"
    copy_missing "$stage/Starter/$lang/$folder/$name.wav" "$program/Starter/$lang/$folder" "$name.wav"
done
for wdl in "$stage"/*.wdl; do
    [ -e "$wdl" ] || continue
    copy_missing "$wdl" "$program" "${wdl##*/}"
done
