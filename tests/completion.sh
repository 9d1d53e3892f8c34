#!/bin/bash
# Drives the bash completion with the words of a line as bash splits them (an
# = a word of its own, as by default), the last word the one being completed,
# and compares what it offers. Usage: completion.sh COMPLETION_FILE
source "$1" || exit 1
compopt() { nospace=" (no space after)"; }
failed=0
row() {
  local want=$1
  shift
  COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMPREPLY=() nospace=
  _rezonans
  local got="${COMPREPLY[*]}$nospace"
  [ "$got" = "$want" ] || { echo "$*: '$got', expected '$want'"; failed=1; }
}
row '-h --help -V --version -- --format= --series= --tolerance= --quality= --loss= --measure --band= --variable= --stray= --coil= --trimmer= --padder=' rezonans -
row '--band= (no space after)' rezonans --ba
row '' rezonans --band = 5
row '--measure' rezonans 100pC7.1MF --me
row '' rezonans --stray = 1
row '--format= (no space after)' rezonans --fo
row 'text csv json' rezonans --format =
row 'csv' rezonans 4.5uL --format = c
row 'E12 E192' rezonans --series E1
row 'e12 e192' rezonans --series = e1
row '--series=E3' rezonans --series=E3
row '' rezonans 4.5u
row '' rezonans -- --f
exit $failed
