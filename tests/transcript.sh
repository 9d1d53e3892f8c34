#!/bin/sh
# Runs the program on NAME.in with an empty environment and compares its
# standard output with NAME.out byte for byte; a unified diff on failure.
# Usage: transcript.sh NAME.in NAME.out PROGRAM [native|wine]
# Under wine the output is Windows-1251 with CRLF line ends, and is read so.
in=$1 expected=$2 program=$3 mode=${4:-native}
actual=$(mktemp) || exit 1
trap 'rm -f "$actual" "$actual.raw"' EXIT
if [ "$mode" = wine ]; then
  env -i PATH=/usr/bin:/bin HOME="$WINEPREFIX" WINEPREFIX="$WINEPREFIX" \
    WINEDEBUG=-all timeout 120 wine "$program" <"$in" >"$actual.raw"
  status=$?
  if tr -d '\r' <"$actual.raw" | cmp -s - "$actual.raw"; then
    echo "no CRLF line ends in the Windows output"; exit 1
  fi
  sed 's/\r$//' "$actual.raw" | iconv -f CP1251 -t UTF-8 >"$actual" || exit 1
  # The Windows C runtime writes a NaN without its sign.
  sed 's/-nan/nan /g' "$expected" >"$actual.raw" && expected=$actual.raw
else
  env -i timeout 60 "$program" <"$in" >"$actual"
  status=$?
fi
if [ "$status" -ne 0 ]; then
  echo "exit status $status, expected 0"; exit 1
fi
diff -u "$expected" "$actual"
