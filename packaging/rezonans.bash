# Bash completion for rezonans: its options and the values of --format and
# --series. Entries and the numbers of --tolerance, --stray, --quality,
# --loss and the tuning range's options are free text and get nothing, nor
# does anything after --.

_rezonans() {
  local cur=${COMP_WORDS[COMP_CWORD]} option prefix= word values
  local range="--band= --variable= --stray= --coil= --trimmer= --padder="
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    [[ $word == -- ]] && return
  done
  # Where = breaks words, as it does by default, --format=c comes as the
  # three words --format, = and c; elsewhere as one.
  if [[ $cur == = ]]; then
    option=${COMP_WORDS[COMP_CWORD-1]} cur=
  elif [[ ${COMP_WORDS[COMP_CWORD-1]} == = ]]; then
    option=${COMP_WORDS[COMP_CWORD-2]}
  elif [[ $cur == --*=* ]]; then
    option=${cur%%=*} prefix=${cur%%=*}= cur=${cur#*=}
  else
    option=${COMP_WORDS[COMP_CWORD-1]}
  fi
  case $option in
  --format) values="text csv json" ;;
  --series) values="E3 E6 E12 E24 E48 E96 E192" ;;
  esac
  [[ -n $values && $cur == e* ]] && values=${values//E/e}
  if [[ -n $values ]]; then
    mapfile -t COMPREPLY < <(compgen -P "$prefix" -W "$values" -- "$cur")
  elif [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "-h --help -V --version -- --format= --series= --tolerance= --quality= --loss= --measure $range" -- "$cur")
    [[ ${COMPREPLY[0]} == *= ]] && compopt -o nospace
  fi
}
complete -F _rezonans rezonans
