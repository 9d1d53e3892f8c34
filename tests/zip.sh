#!/bin/sh
# Unpacks the Windows zip and checks what it holds: the program, the licence
# and a README.txt in Windows-1251 with CRLF line ends; then runs the unpacked
# program on a transcript under Wine. Usage: zip.sh ZIP NAME.in NAME.out
zip=$1 in=$2 expected=$3
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
unzip -q "$zip" -d "$dir" || exit 1
top=$dir/$(basename "$zip" .zip)
ls "$top"
[ "$(ls "$top" | tr '\n' ' ')" = "LICENSE README.txt rezonans.exe " ] || exit 1
readme=$top/README.txt
grep -q -v "$(printf '\r')\$" "$readme" && { echo "README.txt: a line without CRLF"; exit 1; }
iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null 2>&1 && { echo "README.txt is not Windows-1251"; exit 1; }
iconv -f CP1251 -t UTF-8 "$readme" | grep -q 'расчёт резонанса' || { echo "README.txt: no Russian text"; exit 1; }
sh "$(dirname "$0")/transcript.sh" "$in" "$expected" "$top/rezonans.exe" wine
