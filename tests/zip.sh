#!/bin/sh
# Packs the Windows zip again, from the same build, to prove the packing
# reproducible; unpacks it and checks what it holds: the program, with no path
# of its build, the licence with CRLF line ends, a README.txt and the manual,
# rezonans.txt, plain text in Windows-1251 with CRLF line ends; then runs the
# unpacked program on a transcript under Wine.
# Usage: zip.sh ZIP NAME.in NAME.out (the zip in its build folder)
zip=$1 in=$2 expected=$3
build=$(dirname "$zip")
source=$(cd "$(dirname "$0")/.." && pwd)
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
# The second packing comes a second later, from files dated as a new build
# dates them, into another folder, under another umask and time zone: the
# same bytes.
sleep 1
for member in $(unzip -Z1 "$zip"); do touch -c "$build/${member#*/}"; done
(umask 077 && TZ=UTC-14 cmake -DZIP="$dir/again.zip" -P "$build/pack-zip.cmake") >/dev/null || exit 1
cmp "$zip" "$dir/again.zip" || { echo "packed twice, two different zips"; exit 1; }
unzip -q "$zip" -d "$dir" || exit 1
top=$dir/$(basename "$zip" .zip)
ls "$top"
[ "$(ls "$top" | tr '\n' ' ')" = "LICENSE README.txt rezonans.exe rezonans.html rezonans.txt " ] || exit 1
strings -a "$top/rezonans.exe" | grep -F -e "$source" -e "$build" &&
  { echo "the program holds a path of its build"; exit 1; }
cd "$top" || exit 1
for text in LICENSE README.txt rezonans.txt; do
  grep -q -v "$(printf '\r')\$" $text && { echo "$text: a line without CRLF"; exit 1; }
done
for text in README.txt rezonans.txt; do
  iconv -f UTF-8 -t UTF-8 $text >/dev/null 2>&1 && { echo "$text is not Windows-1251"; exit 1; }
  iconv -f CP1251 -t UTF-8 $text | grep -q 'расчёт резонанса' || { echo "$text: no Russian text"; exit 1; }
done
grep -q "$(printf '[\b\033]')" rezonans.txt && { echo "rezonans.txt: bold or underline left in"; exit 1; }
# The Windows text speaks of the console, not of a Unix terminal.
grep -n -i -E 'libedit|flock|terminfo|XDG_STATE_HOME|\.local/state|bash|SIGTERM|umask|(^|[^a-z])fg([^a-z]|$)' rezonans.txt &&
  { echo "rezonans.txt: a matter of Unix terminals"; exit 1; }
for option in --format --series --stray --quality --measure --band; do
  grep -q -- "$option" README.txt || { echo "README.txt names no $option"; exit 1; }
done
sh "$(dirname "$0")/transcript.sh" "$in" "$expected" "$top/rezonans.exe" wine
