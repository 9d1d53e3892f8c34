#!/bin/sh
# Runs the program on NAME.in with an empty environment and compares its
# standard output with NAME.out byte for byte; a unified diff on failure.
# Usage: transcript.sh NAME.in NAME.out PROGRAM [wine | LOCALE...]
# Beside NAME.in there may be NAME.args, the arguments, one a line; NAME.err,
# the standard error expected (else none); NAME.status, the exit status
# expected (else 0).
# Natively the program runs again with LANG set to each LOCALE (looked for in
# $LOCPATH too), and every run must give the same bytes.
# Under wine the output is Windows-1251 with CRLF line ends, and is read so.
in=$1 expected=$2 program=$3
shift 3
mode=native
[ "$1" = wine ] && mode=wine && shift
locales=$*
case=${in%.in}
actual=$(mktemp) || exit 1
trap 'rm -f "$actual" "$actual.raw" "$actual.err" "$actual.err.raw"' EXIT
set --
if [ -f "$case.args" ]; then
  while IFS= read -r arg; do set -- "$@" "$arg"; done <"$case.args"
fi
# Windows output as the other platforms write it: UTF-8, LF line ends.
unix() {
  if tr -d '\r' <"$1" | cmp -s - "$1" && [ -s "$1" ]; then
    echo "no CRLF line ends in the Windows output"; return 1
  fi
  sed 's/\r$//' "$1" | iconv -f CP1251 -t UTF-8 >"$2"
}
want=0
[ -f "$case.status" ] && read -r want <"$case.status"
# Without NAME.err nothing may be written there: not the program's words, not
# a complaint of the system that ran it. An expected NAME.out of a build's
# own may have its NAME.err beside it.
err=${expected%.out}.err
[ -f "$err" ] || err=$case.err
[ -f "$err" ] || err=/dev/null
for lang in '' $locales; do
  if [ "$mode" = wine ]; then
    # Wine makes the program's wide command line from the arguments' bytes
    # in the locale's encoding: UTF-8, as the files hold them.
    env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$WINEPREFIX" WINEPREFIX="$WINEPREFIX" \
      WINEDEBUG=-all timeout 120 wine "$program" "$@" <"$in" >"$actual.raw" 2>"$actual.err.raw"
    status=$?
    unix "$actual.raw" "$actual" || exit 1
    # Wine's own complaints come before the program's words.
    grep -a -v -e '^it looks like wine32' -e '^multiarch needs' -e '^execute "dpkg' \
      -e '^apt-get install wine32' "$actual.err.raw" >"$actual.raw"
    unix "$actual.raw" "$actual.err" || exit 1
  else
    env -i ${lang:+LANG="$lang"} ${LOCPATH:+LOCPATH="$LOCPATH"} \
      timeout 60 "$program" "$@" <"$in" >"$actual" 2>"$actual.err"
    status=$?
  fi
  if [ "$status" -ne "$want" ]; then
    echo "exit status $status, expected $want"; false
  fi && diff -u "$err" "$actual.err" && diff -u "$expected" "$actual" ||
    { [ -z "$lang" ] || echo "with LANG=$lang"; exit 1; }
done
