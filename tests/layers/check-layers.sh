#!/bin/bash
# The floors of src/, bottom first. A file may include its own floor and the floors below it,
# never one above; a folder not named here has no place yet. No floor holds more than a
# quarter of the source lines.
set -u
src=${1:?usage: check-layers.sh <src folder>}
floors=(base audio lock widgets wordlist animation activities settings fullscreen app)

rank() {
  local i
  for i in "${!floors[@]}"; do
    [ "${floors[$i]}" = "$1" ] && { echo "$i"; return; }
  done
  echo -1
}

bad=0
total=0
declare -A lines
for dir in "$src"/*/; do
  floor=$(basename "$dir")
  if [ "$(rank "$floor")" -lt 0 ]; then
    echo "src/$floor is no floor of the program"
    bad=1
    continue
  fi
  n=$(find "$dir" -name '*.cpp' -o -name '*.h' | xargs cat | wc -l)
  lines[$floor]=$n
  total=$((total + n))
done

while IFS= read -r -d '' file; do
  rel=${file#"$src"/}
  floor=${rel%%/*}
  own=$(rank "$floor")
  [ "$own" -lt 0 ] && continue
  while IFS= read -r inc; do
    target=${inc%%/*}
    other=$(rank "$target")
    # Includes that name no floor (generated headers, ui_ files) are not ours to order.
    [ "$other" -lt 0 ] && continue
    if [ "$other" -gt "$own" ]; then
      echo "src/$rel includes $inc: $floor may not reach up to $target"
      bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" \( -name '*.cpp' -o -name '*.h' \) -print0)

for floor in "${!lines[@]}"; do
  if [ $((lines[$floor] * 4)) -gt "$total" ]; then
    echo "src/$floor holds ${lines[$floor]} of $total lines, more than a quarter"
    bad=1
  fi
done

[ "$bad" = 0 ] && echo "floors in order: ${floors[*]} ($total lines)"
exit "$bad"
