#!/usr/bin/env bash
# Checks the starter voice and starter lists a build made: in every language, every item the
# play modes speak has a 16-bit PCM recording that starts with sound at once, in the shipped
# set and in the build's program folder (Starter/<language>/, never among a parent's sound
# folders), and the lists hold exactly the words of their text lists.
#   voice-test.sh BUILD_DIR DATA_SOURCE_DIR
set -euo pipefail
build=$1
src=$2
shipped="$build/data/shipped"
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Is there a file of this name in the folder, in any letter case (as the program finds it)?
present() { # present DIR NAME
    local f want=${2,,}
    for f in "$1"/*; do
        f=${f##*/}
        [ "${f,,}" = "$want" ] && return 0
    done
    return 1
}

items=()
for lang in en de fr es it nl pl; do
    n=${#items[@]}
    for l in {A..Z}; do items+=("$lang/Letters/$l"); done
    for n2 in {1..10}; do items+=("$lang/Numbers/$n2"); done
    for c in Red Orange Yellow Green Blue Indigo Violet White Black; do items+=("$lang/Colors/$c"); done
    for s in Circle Square Triangle Rectangle Diamond Pentagon Hexagon Octagon Star Trapezoid; do
        items+=("$lang/Shapes/$s")
    done
    for m in plus minus equals; do items+=("$lang/Math/$m"); done
    lists="$src/lang/$lang"
    [ "$lang" = en ] && lists=$src
    while IFS= read -r w; do [ -n "$w" ] && items+=("$lang/Words/$w"); done <"$lists/Default.txt"
    while IFS= read -r w; do [ -n "$w" ] && items+=("$lang/Bird/$w"); done <"$lists/Bird.txt"
    [ $((${#items[@]} - n)) -ge 88 ] || fail "only $((${#items[@]} - n)) items in $lang"
done

for item in "${items[@]}"; do
    f="$shipped/Starter/$item.wav"
    if [ ! -s "$f" ]; then
        fail "no starter recording $item.wav"
        continue
    fi
    rest=${item#*/}
    present "$build/Starter/${item%%/*}/${rest%%/*}" "${item##*/}.wav" ||
        fail "$item.wav is not in the program folder"
    [ "$(soxi -t "$f")" = wav ] || fail "$item.wav is not a WAV file"
    [ "$(soxi -b "$f")" = 16 ] || fail "$item.wav is not 16-bit"
    [ "$(soxi -e "$f")" = "Signed Integer PCM" ] || fail "$item.wav is not PCM"
    d=$(soxi -D "$f")
    awk -v d="$d" 'BEGIN { exit !(d >= 0.15 && d <= 3.0) }' || fail "$item.wav lasts $d s"
    # Trimmed: the first and the last 20 ms already carry sound.
    head_rms=$(sox "$f" -n trim 0 0.02 stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
    tail_rms=$(sox "$f" -n reverse trim 0 0.02 stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
    awk -v h="$head_rms" -v t="$tail_rms" 'BEGIN { exit !(h > 0.003 && t > 0.0005) }' ||
        fail "$item.wav starts or ends with silence (rms $head_rms, $tail_rms)"
done

# Each word: one length byte, then its bytes.
expected_list() { # expected_list TEXT
    local w
    while IFS= read -r w; do
        [ -n "$w" ] || continue
        printf "\\$(printf '%03o' ${#w})"
        printf '%s' "$w"
    done <"$1"
}
for pair in Default Bird; do
    expected_list "$src/$pair.txt" >"$build/data/expected-$pair.wdl"
    cmp -s "$build/data/expected-$pair.wdl" "$shipped/$pair.wdl" ||
        fail "$pair.wdl does not hold the words of $pair.txt"
    [ -f "$build/$pair.wdl" ] || fail "no $pair.wdl in the program folder"
    rm -f "$build/data/expected-$pair.wdl"
done
cmp -s <(printf '\003cat\003dog') <(head -c 8 "$shipped/Default.wdl") ||
    fail "Default.wdl does not begin with cat, dog"

# The parent's sound folders get nothing from the build.
for folder in Letters Numbers Colors Shapes Math Words Bird; do
    [ -d "$shipped/$folder" ] && fail "the shipped set has a sound folder $folder"
done

echo "${#items[@]} starter recordings checked, $failures failures"
[ $failures -eq 0 ]
