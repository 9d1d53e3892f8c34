#!/bin/bash
# Hostile input and output. Each case checks the exit status and compares the
# output with what the reader's rules give, derived from a tamer input.
# Usage: hostile.sh PROGRAM CASE [wine]
program=$1 mode=$3
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1

run() {
  if [ "$mode" = wine ]; then
    env -i PATH=/usr/bin:/bin HOME="$WINEPREFIX" WINEPREFIX="$WINEPREFIX" \
      WINEDEBUG=-all timeout 120 wine "$program" "$@"
  else
    env -i timeout 60 "$program" "$@"
  fi
}
# Runs the program on file $1 into $1.out; fails unless it exits with 0.
out() {
  run <"$1" >"$1.out" 2>"$1.err"
  local status=$?
  [ $status -eq 0 ] || { echo "exit status $status on $1"; exit 1; }
}
same() { cmp "$1" "$2" || { diff -u "$1" "$2" | head -40; exit 1; }; }
# The output $1 as the other platforms write it: Windows writes Windows-1251
# with CR LF.
text() {
  if [ "$mode" = wine ]; then
    sed 's/\r$//' "$1" | iconv -f CP1251 -t UTF-8
  else
    cat "$1"
  fi
}

case $2 in
long-line) # Accepted characters past the 80th are dropped, however many.
  { head -c 1000000 /dev/zero | tr '\0' 7; echo; } >big
  { head -c 80 /dev/zero | tr '\0' 7; echo; } >kept
  out big; out kept; same kept.out big.out ;;
random) # Rejected bytes vanish without a trace (w and q left out: they act).
  # The same bytes every run, and a last line that is ended, so that its
  # cleaned copy is a line too.
  perl -e 'srand 17; print pack "C*", map { rand 256 } 1 .. 1e6' | tr -d 'wq' >noise
  echo >>noise
  LC_ALL=C tr -cd '0123456789.,GMKmunpLCFRlcf r\n' <noise | tr -d ' ' >clean
  out noise; out clean
  same clean.out noise.out ;;
many-lines) # Thousands of cycles: each answers exactly as it would alone.
  printf '4,5ul 10nc\nxyz\n0L1C\n2.2mL1uF\n5w\n1KF1R\n1L2L3C\n\n' >session
  : >none; out none; out session
  head -c $(($(wc -c <session.out) - $(wc -c <none.out))) session.out >cycles
  for _ in $(seq 1000); do cat session; done >many
  { for _ in $(seq 1000); do cat cycles; done; cat none.out; } >expected
  out many; same expected many.out ;;
end-of-input) # Input ending at any byte: status 0, and nothing typed is lost.
  printf '4,5ul 10nc\nab\nw\n1KF1R\nw1uC\n1uC1R\n' >session
  for k in $(seq 0 $(($(wc -c <session)))); do
    head -c "$k" session >cut
    out cut
    # A cut after a line end, or after the character a w discards, is
    # complete as it stands.
    [ "$(tail -c 1 cut)" = "" ] || [ "$(tail -c 2 cut | head -c 1)" = w ] && continue
    cp cut ended; echo >>ended; out ended
    same ended.out cut.out || { echo "cut after $k bytes"; exit 1; }
  done ;;
closed-pipe) # A reader that goes away ends the program promptly, status 0.
  # Standard error to a file: what Wine starts along with the program may
  # outlive it, and must not hold the test's output open.
  status=$( (yes 4uL10nC | { run 2>err; echo $? >status; } | head -c 100 >/dev/null); cat status)
  [ "$status" = 0 ] || { echo "status $status after a closed pipe"; cat err; exit 1; } ;;
no-input) # Closed or empty standard input: the menu once, status 0.
  printf 'q\n' >q; out q
  run <&- >closed || { echo "status $? with input closed"; exit 1; }
  same q.out closed
  run </dev/null >null || { echo "status $? with /dev/null"; exit 1; }
  same q.out null ;;
full-disk) # Results that cannot be written are a failure, said so, and why.
  printf '1L1C\n' | run >/dev/full 2>err && { echo "status 0 on a full disk"; exit 1; }
  echo 'rezonans: ошибка записи результатов: на устройстве не осталось места' >want
  same want err ;;
size-limit) # So are results past the file-size limit: no signal ends the program.
  (ulimit -f 1 && yes 1L1C | head -n 100 | run >big 2>err)
  status=$?
  [ $status -eq 1 ] || { echo "status $status past the file-size limit"; exit 1; }
  echo 'rezonans: ошибка записи результатов: файл слишком велик' >want
  same want err ;;
read-error) # A reason the program does not word itself is the C library's, in
  # the user's language, and in UTF-8 whatever the user's characters.
  env -i LANG=ru_RU.KOI8-R LOCPATH="$LOCPATH" timeout 60 "$program" </proc/self/ns/net >out 2>err &&
    { echo "status 0 on input that cannot be read"; exit 1; }
  echo 'rezonans: ошибка чтения: Недопустимый аргумент' >want
  same want err ;;
long-argument) # An entry given as an argument keeps 80 characters too.
  run "1L1C$(head -c 100000 /dev/zero | tr '\0' 7)" >big || { echo "status $?"; exit 1; }
  run "1L1C$(head -c 76 /dev/zero | tr '\0' 7)" >kept; same kept big ;;
warnings-in-order) # A warning goes out between the answers it stands between,
  # into a file and into a pipe.
  printf '1L1C\n5e-6L1C\n1uC1R\n' >in
  run --format=csv <in >both 2>&1
  run --format=csv <in 2>&1 | cat >piped
  printf 'entry,code,L,C,F,R\n1L1C,1,1,1,0.15915494,0.99999994\n%s\n%s\n%s\n' \
    'rezonans: строка 2: отброшено «e-»' '56L1C,1,56,1,0.021267975,7.483315' \
    '1uC1R,4,1.0000001e-06,1e-06,159154.94,1' >want
  text both >both.text; same want both.text
  text piped >piped.text; same want piped.text ;;
warnings-first) # A warning goes out before its answer when standard error
  # is a pipe of its own: while that pipe is full, no answer comes, whether
  # the program then waits for input, fills its output's buffer within one
  # read, or quits. Once the warning is read, the answer comes.
  mkfifo entries answers warnings
  exec 4<>warnings
  run --format=csv --series=E12 <entries >answers 2>warnings 4>&- &
  trap 'kill $! 2>/dev/null; rm -rf "$dir"' EXIT
  exec 5>entries 6<answers
  read -r -u 6 header
  # Sends LINES, the first of them warned about, in one piece, with standard
  # error full.
  waits() {
    yes "$(printf '%063d' 0)" |
      dd of=warnings bs=4096 iflag=fullblock oflag=nonblock 2>/dev/null
    printf "$1" | dd bs=65536 iflag=fullblock status=none >&5
    read -r -t 1 -u 6 answer &&
      { echo "an answer came before its warning: $answer"; exit 1; }
    while read -r -u 4 line && [ "${line#rezonans}" = "$line" ]; do :; done
    read -r -t 10 -u 6 answer && [ "${answer%%,*}" = 56L1C ] ||
      { echo "no answer after its warning"; exit 1; }
  }
  waits '5e-6L1C\n'
  waits "5e-6L1C\n$(yes 1KF1R | head -n 3000)\n"
  head -n 3000 <&6 >/dev/null
  waits '5e-6L1C\nq\n' ;;
bom-split) # A byte-order mark at the start is passed over silently, even
  # when the first read gives only part of it.
  { printf '\357'; sleep 0.3; printf '\273\2771L1C\n'; } | run --format=csv >split 2>err
  printf '1L1C\n' | run --format=csv >want
  same want split; same /dev/null err ;;
unshowable) # A dropped character of four bytes as itself; on Windows, whose
  # code page lacks it, by its code point.
  printf '1L1C\360\237\230\200\n' | run --format=csv 2>&1 >/dev/null | grep -a '^rezonans' >err
  shown=😀
  if [ "$mode" = wine ]; then
    shown='\U0001F600'; tr -d '\r' <err | iconv -f CP1251 -t UTF-8 >err.utf8 && mv err.utf8 err
  fi
  echo "rezonans: строка 1: отброшено «$shown»" >want
  same want err ;;
quit-at-read-end) # Whether input followed a q among other characters is
  # told alike wherever a read of the input ends: the q as the last byte of
  # the first read, and as the first of the next; none followed it. What
  # follows the q's line is left in the file for the next reader, in every
  # format and with the answers in a pipe.
  yes 1uL1nC | head -n 2340 >lines
  echo 'rezonans: строка 2341: q среди других символов завершило ввод, остальное не прочитано' >want
  for after in '  5q\n4.5uL10nC\n' '   5q\n4.5uL10nC\n' '  5q\n'; do
    { cat lines; printf "$after"; } >cut
    out cut
    [ "$after" = '  5q\n' ] && : >want
    same want cut.err || { echo "after the lines: $after"; exit 1; }
    printf "$after" | sed 1d >rest.want
    for format in --format=text --format=csv --format=json; do
      { run $format >/dev/null 2>&1; cat; } <cut >rest
      same rest.want rest || { echo "left after $format: $after"; exit 1; }
    done
    { run 2>/dev/null | cat >/dev/null; cat; } <cut >rest
    same rest.want rest || { echo "left with the answers in a pipe: $after"; exit 1; }
  done ;;
allocations) # No allocation per cycle: as many for 1000 entries as for one.
  heap() {
    for _ in $(seq "$1"); do echo 4,5ul 10nc; done |
      valgrind "$program" 2>&1 >/dev/null | grep -o 'heap usage: [0-9,]* allocs'
  }
  one=$(heap 1) thousand=$(heap 1000)
  [ -n "$one" ] && [ "$one" = "$thousand" ] ||
    { echo "1 entry: $one; 1000 entries: $thousand"; exit 1; } ;;
*) echo "unknown case $2"; exit 2 ;;
esac
echo "hostile $2: passed"
