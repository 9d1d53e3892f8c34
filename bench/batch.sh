#!/bin/sh
# Pipes 100,000 mixed entries (a quarter of them warned about) through the
# calculator and through a plain C stdio program doing the same job
# (bare.c), in the same run, output to /dev/null; prints the time per entry
# of the report and of CSV, each with standard error to a file of its own
# and to the same file as standard output (2>&1), and the start-up time and
# the peak memory of each program. The programs named in $BESIDE, older
# builds say, are timed in the same run beside this one.
# Usage: [BESIDE='PROGRAM...'] batch.sh PROGRAM
program=$1
entries=${ENTRIES:-100000}
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
cc -O2 -o "$dir/bare" "$(dirname "$0")/bare.c" -lm || exit 1
sh "$(dirname "$0")/entries.sh" "$entries" >"$dir/input"
"$program" <"$dir/input" >"$dir/program.out" 2>/dev/null
"$dir/bare" <"$dir/input" >"$dir/bare.out"
cmp "$dir/program.out" "$dir/bare.out" || { echo "the two programs differ"; exit 1; }

# Nanoseconds of one batch run of a program in a format (text or csv), with
# standard error apart or with standard output.
once() {
  format=--format=$2
  [ "$2" = text ] && format=
  start=$(date +%s%N)
  if [ "$3" = apart ]; then
    "$1" $format <"$dir/input" >/dev/null 2>"$dir/err"
  else
    "$1" $format <"$dir/input" >/dev/null 2>&1
  fi
  echo $(($(date +%s%N) - start))
}
# The fastest of seven runs of each program in each way; the runs take
# turns, so that a busy moment of the machine falls on all of them.
for run in 1 2 3 4 5 6 7; do
  for p in "$program" $BESIDE "$dir/bare"; do
    for way in "text apart" "text same" "csv apart" "csv same"; do
      [ "$p" = "$dir/bare" ] && [ "${way%% *}" = csv ] && continue
      echo "$p $way $(once "$p" $way)"
    done
  done
done >"$dir/runs"
# Kilobytes at the peak, the least of five runs: where the system lays a
# program out moves its peak by a hundred or so from run to run.
peak() {
  for _ in 1 2 3 4 5; do
    /usr/bin/time -o "$dir/peak" -f %M "$1" <"$dir/input" >/dev/null 2>&1
    cat "$dir/peak"
  done | sort -n | head -1
}
# Mean seconds from start to exit on empty input, without a shell between.
startup() {
  hyperfine -N --warmup 50 --runs 1000 --style none --export-csv "$dir/csv" "$1" </dev/null
  awk -F, 'NR == 2 { print $2 }' "$dir/csv"
}
# A program's figures: microseconds per entry each way, "-" for a way it
# was not timed, then its start-up in milliseconds and its peak in MiB.
figures() {
  awk -v p="$1" -v n="$entries" -v st="$(startup "$1")" -v pk="$(peak "$1")" '
    $1 == p { k = $2 " " $3; if (!(k in t) || $4 < t[k]) t[k] = $4 }
    function us(k) { return k in t ? sprintf("%.3f", t[k] / 1e3 / n) : "-" }
    END {
      print us("text apart"), us("text same"), us("csv apart"), us("csv same"),
        sprintf("%.3f %.2f", st * 1e3, pk / 1024)
    }' "$dir/runs"
}
row() { printf '%-24s %9s %9s %9s %9s %11s %8s\n' "$@"; }
row "us per entry" text "text 2>&1" csv "csv 2>&1" start-up/ms peak/MiB
this=$(figures "$program") bare=$(figures "$dir/bare")
row "rezonans (this build)" $this
for p in $BESIDE; do
  row "$("$p" --version | head -1 | cut -d, -f1)" $(figures "$p")
done
row "bare C" $bare
row "this build / bare C" $(echo "$this $bare" | awk '{
  printf "%.2f %.2f - - %.2f -", $1 / $7, $2 / $8, $5 / $11 }')
echo "($entries entries, fastest of seven runs each; start-up: mean of 1000 runs on empty input)"
