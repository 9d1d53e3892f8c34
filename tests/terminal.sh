#!/bin/sh
# Drives the program in a real pseudo-terminal (tmux) as a user would and
# checks what the screen shows. Usage: terminal.sh PROGRAM
program=$1
runs=0
fails=0
tm() { tmux -L "rezonans-test-$$-$runs" "$@"; }
trap 'tm kill-server 2>/dev/null' EXIT
screen() { tm capture-pane -p -t t 2>/dev/null; }
fail() { echo "FAIL: $1"; echo "--- screen:"; screen; echo "---"; fails=$((fails + 1)); }
# Polls for up to five seconds until the command succeeds.
poll() {
  i=0
  while [ $i -lt 50 ]; do
    "$@" && return 0
    sleep 0.1; i=$((i + 1))
  done
  return 1
}
shows() { screen | grep -q -- "$1"; }
lacks() { ! shows "$1"; }
wait_for() { poll shows "$1" || { fail "no line matching '$1'"; return 1; }; }
wait_gone() { poll lacks "$1" || { fail "a line matching '$1' stayed"; return 1; }; }
first_line() { screen | head -1; }
# Starts the program, on a tmux server of its own, in a shell that reports
# its exit status and then, on a line written at once, the terminal's modes.
start() {
  tm kill-server 2>/dev/null
  runs=$((runs + 1))
  tm -f /dev/null new-session -d -s t -x 100 -y 60 \
    "trap : INT; '$program'; s=\$?; m=\$(stty -a | tr ' ' '\n' | grep -x -E -- '-?(icanon|echo)' | tr '\n' ' '); echo EXIT=\$s; echo \"MODES=\$m\"; sleep 60"
  wait_for 'Введите данные\.'
}
# Waits for the line the shell writes last after the program ends.
wait_end() { wait_for '^MODES='; }
MENU1='q - выход из программы , w - очистка экрана'
PAUSE='Для продолжения нажмите любую клавишу \. \. \.'

start
[ "$(first_line)" = "$MENU1" ] || fail "menu not on the first line"
tm send-keys -t t '4,5ul 10nc' Enter
wait_for "$PAUSE"
shows '^4\.5uL10nC  обработанная строка данных$' || fail "echo"
shows '^ R=21,2132         (^ +1)       Ом    (реактивное сопротивление)$' || fail "report"
sleep 0.5
screen | tail -n +2 | grep -q "$MENU1" && fail "the pause did not wait"
# Keys that send several bytes; Delete's 3 would reach an entry if it leaked.
tm send-keys -t t DC
wait_gone "$PAUSE"
wait_for '^Введите данные\.'
[ "$(first_line)" = "$MENU1" ] || fail "menu not on the first line after the key"
shows '4,5ul 10nc' && fail "the entry survived the clearing"
tm send-keys -t t '1KF1R' Enter
wait_for "$PAUSE"
shows '^Введите данные\.  1KF1R$' || fail "a trace of the key on the prompt line"
shows '^1KF1R  обработанная строка данных$' || fail "a trace of the key in the entry"
tm send-keys -t t Up
wait_gone "$PAUSE"
tm send-keys -t t 'w'
wait_for '^Введите данные\.  w$'
tm send-keys -t t Enter
wait_gone '^Введите данные\.  w$'
[ "$(screen | grep -c -x -- "$MENU1")" -eq 1 ] || fail "w did not clear the screen"
sleep 0.3
shows "$PAUSE" && fail "w paused"
tm send-keys -t t 'q' Enter
wait_end
shows '^EXIT=0$' || fail "q did not end with status 0"

start
tm send-keys -t t '1uC1R' Enter
wait_for "$PAUSE"
tm send-keys -t t C-c
wait_end
shows '^EXIT=130$' || fail "Ctrl-C at the pause did not end as an interrupt"
shows '^MODES=icanon echo *$' || fail "the terminal was left without echo or line editing"

start
tm send-keys -t t C-d
wait_end
shows '^EXIT=0$' || fail "Ctrl-D at the prompt did not end with status 0"

echo "$fails failed"
[ "$fails" -eq 0 ]
