#!/bin/sh
# Pipes 100,000 mixed entries through the calculator and through a plain C
# stdio program doing the same job (bare.c), in the same run, output and
# warnings to /dev/null; prints the time per entry, the start-up time and
# the peak memory of each, and their ratios; then the time per entry of the
# same batch answered as CSV, beside the report's. Usage: batch.sh PROGRAM
program=$1
entries=${ENTRIES:-100000}
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
cc -O2 -o "$dir/bare" "$(dirname "$0")/bare.c" -lm || exit 1
sh "$(dirname "$0")/entries.sh" "$entries" >"$dir/input"
"$program" <"$dir/input" >"$dir/program.out" 2>/dev/null
"$dir/bare" <"$dir/input" >"$dir/bare.out"
cmp "$dir/program.out" "$dir/bare.out" || { echo "the two programs differ"; exit 1; }

# Seconds of the fastest of seven batch runs of each command (a program and
# its arguments, one word each); the commands take turns, so that a busy
# moment of the machine falls on all of them.
batch() {
  for run in 1 2 3 4 5 6 7; do
    i=0
    for command in "$@"; do
      i=$((i + 1))
      start=$(date +%s%N)
      $command <"$dir/input" >/dev/null 2>&1
      echo "$i $(($(date +%s%N) - start))"
    done
  done >"$dir/runs"
  i=0
  for _ in "$@"; do
    i=$((i + 1))
    awk -v i="$i" '$1 == i { print $2 / 1e9 }' "$dir/runs" | sort -g | head -1
  done
}
peak() {
  /usr/bin/time -o "$dir/peak" -f %M "$1" <"$dir/input" >/dev/null 2>&1
  cat "$dir/peak"
}
# Mean seconds from start to exit on empty input, without a shell between.
startup() {
  hyperfine -N --warmup 50 --runs 1000 --style none --export-csv "$dir/csv" "$1" </dev/null
  awk -F, 'NR == 2 { print $2 }' "$dir/csv"
}
set -- "$program" "$dir/bare"
{ read -r p_s; read -r b_s; read -r c_s; } <<EOF
$(batch "$@" "$program --format=csv")
EOF
p_kib=$(peak "$1") b_kib=$(peak "$2")
p_start=$(startup "$1") b_start=$(startup "$2")
awk -v n="$entries" -v ps="$p_s" -v bs="$b_s" -v cs="$c_s" -v pk="$p_kib" -v bk="$b_kib" \
  -v pst="$p_start" -v bst="$b_start" 'BEGIN {
  printf "%-9s %14s %12s %10s\n", "", "us per entry", "start-up ms", "peak MiB"
  printf "%-9s %14.2f %12.3f %10.1f\n", "rezonans", ps * 1e6 / n, pst * 1e3, pk / 1024
  printf "%-9s %14.2f %12.3f %10.1f\n", "bare C", bs * 1e6 / n, bst * 1e3, bk / 1024
  printf "%-9s %14.2f %12.2f\n", "ratio", ps / bs, pst / bst
  printf "%-9s %14.2f %12s %10s   (%.2f of the report'"'"'s time)\n", "csv", cs * 1e6 / n, "", "", cs / ps
  printf "(%d entries, fastest of seven batch runs; start-up: mean of 1000 runs on empty input)\n", n
}'
