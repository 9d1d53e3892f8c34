#!/bin/sh
# Drives the program in a real pseudo-terminal (tmux) as a user would and
# checks what the screen shows. Usage: terminal.sh PROGRAM [wine]
# With wine, PROGRAM is the Windows build, run in a Wine console ($WINEPREFIX).
program=$1
# How long a wait may take, in tenths of a second: Wine starts slowly.
limit=50
[ "${2:-}" = wine ] && limit=300
runs=0
fails=0
scratch=$(mktemp -d) || exit 1
tm() { tmux -L "rezonans-test-$$-$runs" "$@"; }
trap 'tm kill-server 2>/dev/null; sleep 0.2; rm -rf "$scratch"' EXIT
screen() { tm capture-pane -p -t t 2>/dev/null; }
fail() { echo "FAIL: $1"; echo "--- screen:"; screen; echo "---"; fails=$((fails + 1)); }
# Polls until the command succeeds, for five seconds (thirty under Wine).
poll() {
  i=0
  while [ $i -lt $limit ]; do
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
last_line() { screen | grep . | tail -1; }
pause_last() { last_line | grep -q -- "$PAUSE"; }
# ENTRY was answered last, and the pause after it is on the screen.
paused_after() {
  [ "$(screen | grep '  обработанная строка данных$' | tail -1)" = "$1  обработанная строка данных" ] &&
    pause_last
}
# The program's process id, when the pane runs it as a child.
program_pid() {
  pane=$(tm display -p -t t '#{pane_pid}')
  cat "/proc/$pane/task/$pane/children"
}
gone() { ! kill -0 "$1" 2>/dev/null; }
prompt_last() { last_line | grep -q -x "Введите данные\. *$1"; }
two_prompts() { [ "$(screen | grep -c '^Введите данные')" -eq 2 ]; }
# Waits for the prompt, and a moment for the line editor to take the keys.
prompt() { wait_for '^Введите данные\. *$' && sleep 0.3; }
# Starts a tmux server of its own running COMMAND in a home of its own (the
# history lives there): start HOME COMMAND
session() {
  tm kill-server 2>/dev/null
  runs=$((runs + 1))
  tm -f /dev/null new-session -d -s t -x 100 -y 60 "env HOME='$1' $2"
}
# Runs the program, with the environment given, in a shell that reports its
# exit status and then, on a line written at once, the terminal's modes; the
# shell restores nothing itself. start HOME [VAR=value...]
start() {
  dir=$1
  shift
  session "$dir" "sh -c \"trap : INT QUIT; env $* '$program'; s=\\\$?; m=\\\$(stty -a | tr ' ' '\n' | grep -x -E -- '-?(icanon|echo)' | tr '\n' ' '); echo EXIT=\\\$s; echo MODES=\\\$m; sleep 60\""
  prompt
}
# Waits for the line the shell writes last after the program ends.
wait_end() { wait_for '^MODES='; }
ended() {
  wait_end
  shows "^EXIT=$1\$" || fail "$2: exit status not $1"
  shows '^MODES=icanon echo *$' || fail "$2: the terminal was left without echo or line editing"
}
echoes() { shows "^$1  обработанная строка данных\$" || fail "$2"; }
# Types KEYS and Enter, checks the echo of the entry the program answers,
# and ends the pause: answers ECHO FAILURE KEYS...
answers() {
  expected=$1 failure=$2
  shift 2
  tm send-keys -t t "$@" Enter
  wait_for "$PAUSE" || return
  echoes "$expected" "$failure"
  tm send-keys -t t x && wait_gone "$PAUSE" && prompt
}
MENU1='q - выход из программы , w - очистка экрана'
PAUSE='Для продолжения нажмите любую клавишу \. \. \.'
home=$scratch/home
mkdir "$home"
# The first answer: the menu at the top, the echo, the report, and a pause
# that waits.
first_answer() {
  [ "$(first_line)" = "$MENU1" ] || fail "menu not on the first line"
  tm send-keys -t t '4,5ul 10nc' Enter
  wait_for "$PAUSE"
  echoes '4\.5uL10nC' "echo"
  shows '^ R=21,2132         (^ +1)       Ом    (реактивное сопротивление)$' || fail "report"
  sleep 1
  screen | tail -n +2 | grep -q "$MENU1" && fail "the pause did not wait"
}
# Entries pasted at the prompt are answered whole, each pause waiting for a
# key; a paste into the pause ends it and is the next entry, whole: pasted
# LABEL
pasted() {
  printf '1uC1R\n2uC1R\n3uC1R\n' | tm load-buffer -
  tm paste-buffer -t t
  for entry in 1uC1R 2uC1R 3uC1R; do
    poll paused_after "$entry" && sleep 0.5 && paused_after "$entry" ||
      fail "$1: the answer to the pasted $entry did not wait"
    [ "$entry" = 3uC1R ] || tm send-keys -t t x
  done
  printf '22nC1KF\n' | tm load-buffer -
  tm paste-buffer -t t
  poll paused_after 22nC1KF || fail "$1: a paste into the pause was not the next entry, whole"
}
finish() {
  echo "$fails failed"
  [ "$fails" -eq 0 ]
  exit
}

# The Windows console: the system's pause and cls, the console's code page.
# Wine converts the console's output to the terminal's encoding.
if [ "${2:-}" = wine ]; then
  PAUSE='Press any key to continue\|нажмите любую клавишу'
  session "$home" "env LANG=C.UTF-8 WINEDEBUG=-all WINEPREFIX='$WINEPREFIX' wine '$program' 2>/dev/null; echo EXIT=\$?; sleep 60"
  prompt
  first_answer
  tm send-keys -t t x
  wait_gone "$PAUSE"
  prompt
  [ "$(first_line)" = "$MENU1" ] || fail "the screen was not cleared"
  answers '1KF1R' "the next entry" '1KF1R'
  pasted "the Windows console"
  # Two characters pasted into the pause: the first is not lost.
  printf '5\n' | tm load-buffer -
  tm paste-buffer -t t
  poll paused_after 5 || fail "a paste of two characters into the pause lost one"
  tm send-keys -t t x
  prompt
  # A key that ends the pause, then a person's next keys 50 ms later: they
  # begin the entry, and the key that ended the pause is no part of it.
  tm send-keys -t t '1KF1R' Enter
  poll paused_after 1KF1R && tm send-keys -t t 7 && sleep 0.05 && tm send-keys -t t '1uC1R' Enter
  poll paused_after 1uC1R || fail "the key that ended the pause went into the next entry"
  # A busy machine: the program is held up while a paste ends the pause.
  # Where it is held is chance, so three times.
  for entry in 21nC1KF 22nC1KF 23nC1KF; do
    pid=$(program_pid)
    kill -STOP "$pid"
    printf '%s\n' "$entry" | tm load-buffer -
    tm paste-buffer -t t
    sleep 1
    kill -CONT "$pid"
    poll paused_after "$entry" || fail "a paste into the pause of a held-up program was not the next entry, whole"
  done
  tm send-keys -t t x
  prompt
  tm send-keys -t t q Enter
  wait_for '^EXIT=0$'
  finish
fi

start "$home"
first_answer
# Keys that send several bytes; Delete's 3 would reach an entry if it leaked.
tm send-keys -t t DC
wait_gone "$PAUSE"
prompt
[ "$(first_line)" = "$MENU1" ] || fail "menu not on the first line after the key"
shows '4,5ul 10nc' && fail "the entry survived the clearing"
tm send-keys -t t '1KF1R' Enter
wait_for "$PAUSE"
shows '^Введите данные\.  1KF1R$' || fail "a trace of the key on the prompt line"
echoes '1KF1R' "a trace of the key in the entry"
tm send-keys -t t Up
wait_gone "$PAUSE"
prompt
tm send-keys -t t 'w'
wait_for '^Введите данные\.  w$'
tm send-keys -t t Enter
wait_gone '^Введите данные\.  w$'
[ "$(screen | grep -c -x -- "$MENU1")" -eq 1 ] || fail "w did not clear the screen"
sleep 0.3
shows "$PAUSE" && fail "w paused"
tm send-keys -t t 'q' Enter
ended 0 "q"

# Line editing: editing keys edit, and never reach the entry. Control keys
# that do not edit do nothing: Ctrl-Y yanks nothing back, Ctrl-V quotes no
# Backspace, Ctrl-T swaps nothing, Ctrl-L keeps the screen, Ctrl-R opens no
# search.
start "$home"
tm send-keys -t t 55 C-w '4.5uL10nC' C-y 5 C-v BSpace C-t C-l C-r
sleep 0.3
shows "$MENU1" && lacks 'bck' || fail "a control key that does not edit acted"
answers '4\.5uL10nC' "a control key that does not edit changed the entry"
answers '4\.5uL10nC' "Delete or Right at the end of the line changed the entry" \
  '4.5uL10' DC Right 'nC'
answers '4\.5uL10nC' "Up did not recall the last entry" Up
answers '24\.5uL10nC' "Home then a digit did not insert at the start" Up Home 2
answers '24\.5uL10F' "Backspace did not edit" Up BSpace BSpace F
tm send-keys -t t q Enter
ended 0 "q after editing"
[ "$(stat -c %a "$home/.local/state/rezonans" "$home/.local/state/rezonans/history" | tr '\n' ' ')" = "700 600 " ] ||
  fail "the history is not the owner's alone"

# The history survives a restart.
start "$home"
answers '24\.5uL10F' "the history did not survive a restart" Up
tm send-keys -t t C-d
ended 0 "Ctrl-D at the prompt"

# A home that cannot be written, and history files that are none: the
# program works with a history in memory only, says nothing, and leaves the
# file alone.
head -c 1000000 /dev/zero | tr '\0' 7 >"$scratch/long-line"
head -c 100000 /dev/urandom >"$scratch/binary"
truncate -s 100M "$scratch/huge"
# Valid lines, just over the size a history may have; a log of 2 MB.
yes 1KF1R | head -n 333668 >"$scratch/big"
yes '2026-12-10 04:36:56 rezonans: link up' | head -c 2100000 >"$scratch/log"
printf '1KF\a1R\n' >"$scratch/control"
printf '1KF1R\n\377\n' >"$scratch/invalid-after-valid"
start /proc
answers '1uC1R' "no answer with an unwritable home" '1uC1R'
answers '1uC1R' "no history in memory with an unwritable home" Up
lacks 'rezonans:' || fail "a message about the history"
for garbage in long-line binary huge big log control invalid-after-valid; do
  mkdir -p "$home/.local/state/rezonans"
  cp "$scratch/$garbage" "$home/.local/state/rezonans/history"
  start "$home"
  answers '' "Up recalled an entry of a history file of $garbage" Up
  answers '1uC1R' "no answer with a history file of $garbage" '1uC1R'
  answers '1uC1R' "no history in memory with a history file of $garbage" Up
  cmp -s "$scratch/$garbage" "$home/.local/state/rezonans/history" ||
    fail "a history file of $garbage was overwritten"
done

# An empty history file is a history: the session's entries go into it.
empty=$scratch/empty/.local/state/rezonans
mkdir -p "$empty"
: >"$empty/history"
start "$scratch/empty"
answers '1uC1R' "no answer with an empty history file" '1uC1R'
grep -qx 1uC1R "$empty/history" || fail "an empty history file was not written"

# A lock another program keeps: the session waits a second for it at most,
# then keeps its history in memory and leaves the file alone.
locked=$scratch/locked/.local/state/rezonans
mkdir -p "$locked"
: >"$locked/history"
flock -x "$locked/history" sleep 10 >/dev/null 2>&1 &
held() { ! flock -n "$locked/history" true; }
poll held
limit=20
start "$scratch/locked"
answers '1uC1R' "no prompt or answer within 2 s under another program's lock" '1uC1R'
limit=50
[ -s "$locked/history" ] && fail "an entry was written under another program's lock"

# A history at the file-size limit (sh counts it in blocks of 512 bytes): an
# entry that would cross it is not written, not even in part, nor one past
# it, which ends nothing; both are answered and kept in memory.
limited=$scratch/limited/.local/state/rezonans
mkdir -p "$limited"
yes 1KF1R | head -n 85 >"$limited/history"
session "$scratch/limited" "sh -c \"ulimit -f 1; exec '$program'\""
prompt
answers '1uC1R' "no answer at the file-size limit" '1uC1R'
yes 1KF1R | head -n 100 >>"$limited/history"
answers '2uC2R' "no answer past the file-size limit" '2uC2R'
answers '1uC1R' "no history in memory at the file-size limit" Up Up
yes 1KF1R | head -n 185 | cmp -s - "$limited/history" ||
  fail "a history at the file-size limit was written to"

# A history another program rewrites without the lock (a copy over it) while
# sessions start: each starts, whatever it reads of the file.
rewritten=$scratch/rewritten/.local/state/rezonans
mkdir -p "$rewritten"
yes 1KF1R | head -n 300000 >"$scratch/copy"
(while [ ! -e "$scratch/copied" ] && cp "$scratch/copy" "$rewritten/history"; do :; done) >/dev/null 2>&1 &
for run in 1 2 3 4 5; do
  session "$scratch/rewritten" "'$program'"
  wait_for '^Введите данные\. *$' || break
done
: >"$scratch/copied"

# Two sessions at once share one history: neither erases the other's
# entries, and each recalls its own and those the file held when it started.
state=$scratch/shared/.local/state/rezonans
mkdir -p "$state"
printf '1KF1R\n' >"$state/history"
start "$scratch/shared"
# "t:" is the session: a bare "t" may be taken for a window of it, and the
# new window is then refused.
tm new-window -t t: "env HOME='$scratch/shared' '$program'"
prompt
answers '2uC2R' "no answer in the second session" '2uC2R'
tm select-window -t t:0
answers '1uC1R' "no answer in the first session" '1uC1R'
tm select-window -t t:1
answers '1KF1R' "Up did not recall the session's own entry, then the file's" Up Up
tm select-window -t t:0
answers '5' "no answer to a one-character entry" '5'
printf '1KF1R\n2uC2R\n1uC1R\n1KF1R\n5\n' | cmp -s - "$state/history" ||
  fail "two sessions lost each other's entries"
start "$scratch/shared"
answers '5' "Up did not recall a one-character entry" Up

# A history longer than the piece it is read in: an entry across the end of
# the first piece comes back whole.
pieces=$scratch/pieces/.local/state/rezonans
mkdir -p "$pieces"
{ yes 1KF1R | head -n 10920; echo 1234567890123uL1nC; } >"$pieces/history"
start "$scratch/pieces"
answers '1234567890123uL1nC' "an entry across a piece of the history file came back cut" Up

# A history that is a link to a file kept elsewhere, of 1000 entries, the
# last without its line end: read from the newest, written through the
# link, and cut back to the newest 500 once appended past 1000.
mkdir "$scratch/dotfiles"
seq 1000 | sed 's/$/KF1R/' | head -c -1 >"$scratch/dotfiles/history"
ln -sf "$scratch/dotfiles/history" "$state/history"
start "$scratch/shared"
answers '1000KF1R' "Up did not recall the newest entry of a long history" Up
answers '7uC7R' "no answer with a linked history" '7uC7R'
[ -L "$state/history" ] || fail "the link to the history was replaced"
[ "$(wc -l <"$scratch/dotfiles/history") $(head -1 "$scratch/dotfiles/history") $(tail -1 "$scratch/dotfiles/history")" = "500 502KF1R 7uC7R" ] ||
  fail "a history appended past 1000 entries was not cut back to its newest 500"

# Under a umask that denies the owner, the history is still made for the
# owner alone, and usable.
mkdir "$scratch/masked"
session "$scratch/masked" "sh -c \"umask 0277; exec '$program'\""
prompt
answers '1uC1R' "no answer under umask 0277" '1uC1R'
(cd "$scratch/masked" && stat -c %a .local .local/state .local/state/rezonans .local/state/rezonans/history) | tr '\n' ' ' | grep -qx '700 700 700 600 ' ||
  fail "the history under umask 0277 is not the owner's alone"

# A home whose history path only just fits is written to.
long=$scratch
while [ ${#long} -lt 3850 ]; do long=$long/$(printf '%0200d' 0); done
long=$long/$(printf "%0$((4062 - ${#long} - 1))d" 0)
mkdir -p "$long"
start "$long"
answers '1uC1R' "no answer with a long home" '1uC1R'
grep -qx 1uC1R "$long/.local/state/rezonans/history" ||
  fail "no history saved in a home of ${#long} characters"

# Neither a home nor a state folder: a history in memory only, and no file
# made anywhere.
mkdir "$scratch/nowhere"
start "$home" -C "$scratch/nowhere" -u HOME -u XDG_STATE_HOME
answers '1uC1R' "no answer without a home" '1uC1R'
answers '1uC1R' "no history in memory without a home" Up
[ -z "$(ls -A "$scratch/nowhere")" ] && [ ! -e /.local/state/rezonans ] ||
  fail "a history file was made without a home"

# Signals at the pause, under a parent that restores nothing.
start "$home"
tm send-keys -t t '1uC1R' Enter
wait_for "$PAUSE"
tm send-keys -t t C-c
ended 130 "Ctrl-C at the pause"
start "$home"
tm send-keys -t t '1uC1R' Enter
wait_for "$PAUSE"
tm send-keys -t t 'C-\'
ended 131 "Ctrl-\\ at the pause"
start "$home"
tm send-keys -t t '1uC1R' Enter
wait_for "$PAUSE"
pane=$(tm display -p -t t '#{pane_pid}')
kill -TERM $(cat "/proc/$pane/task/$pane/children")
ended 143 "SIGTERM at the pause"

# A terminal that cannot clear gets no escape bytes.
start "$home" TERM=dumb
tm pipe-pane -o -t t "cat >'$scratch/dumb'"
tm send-keys -t t '1uC1R' Enter
wait_for "$PAUSE"
tm send-keys -t t x
poll two_prompts
sleep 0.3
tm send-keys -t t q Enter
wait_end
grep -q "$(printf '\033')" "$scratch/dumb" && fail "escape bytes on a dumb terminal"

# Answers for programs at a terminal: each record as soon as its line is
# typed, and no menu, pause or history.
session "$home" "sh -c \"'$program' --format=csv; echo EXIT=\\\$?; sleep 60\""
wait_for '^entry,code,L,C,F,R$' && tm send-keys -t t '1L1C' Enter
wait_for '^1L1C,1,1,1,0\.15915494,0\.99999994$' && tm send-keys -t t C-d
wait_for '^EXIT=0$'
lacks "$MENU1" || fail "a menu with --format=csv"
grep -qx 1L1C "$home/.local/state/rezonans/history" && fail "a history with --format=csv"

# A q leaves the line typed after it to the shell, and says nothing of it:
# typed at once with the q's line, the shell runs it, after a q alone and
# after a q among other characters.
for quit in q '1uL q'; do
  session "$home" "TERM=screen PS1='$ ' bash --norc --noprofile -i"
  wait_for '^\$ *$' && tm send-keys -t t "'$program' --format=csv" Enter
  wait_for '^entry,code,' && tm send-keys -t t '1uL1nC' Enter
  wait_for '^1uL1nC,1,' && tm send-keys -t t "$quit" Enter 'echo DONE' Enter
  poll shows '^DONE$' || fail "the line typed after '$quit' did not reach the shell"
  lacks 'не прочитано' || fail "a warning that the rest was not read after '$quit'"
done
# So does a q at the dialogue's prompt, where the line editor ends.
session "$home" "TERM=screen PS1='$ ' bash --norc --noprofile -i"
wait_for '^\$ *$' && tm send-keys -t t "'$program'" Enter
wait_for "$MENU1" && tm send-keys -t t q Enter 'echo DONE' Enter
poll shows '^DONE$' || fail "the line typed after q at the prompt did not reach the shell"

# Input from a file, output at the terminal: the shell's next line, after
# the menu's prompt or after a read error, starts a line of its own.
printf '1uC1R\n' >"$scratch/entries"
session "$home" "sh -c \"'$program' <'$scratch/entries'; echo EXIT=\\\$?; '$program' </; echo EXIT=\\\$?; sleep 60\""
wait_for '^EXIT=1$' &&
  [ "$(screen | grep -c -e '^EXIT=' -e '^rezonans: ошибка чтения: ')" -eq 3 ] ||
  fail "the shell's line was glued to the program's last line"

# A terminal the system does not know works as a dumb one; the line editor
# says nothing about it.
start "$home" TERM=no-such-terminal
tm send-keys -t t '1uC1R' Enter
poll paused_after 1uC1R || fail "no answer at an unknown terminal"
lacks 'terminal' || fail "a message about an unknown terminal"

# The dialogue at a terminal shows the echo, and warns of nothing.
start "$home"
tm send-keys -t t '5e-6L1C' Enter
poll paused_after 56L1C && lacks 'rezonans:' || fail "a warning in the dialogue at a terminal"

# A resize at the prompt draws the line anew: the screen shows the entry.
start "$home"
tm send-keys -t t '4.5uL10nC'
wait_for '^Введите данные\.  4\.5uL10nC$'
tm resize-window -t t -x 40
sleep 0.3
tm send-keys -t t Left BSpace
wait_for '^Введите данные\.  4\.5uL10C$'
tm resize-window -t t -x 100
sleep 0.3
tm send-keys -t t Left
sleep 0.3
[ "$(screen | grep -c '^Введите данные')" -eq 1 ] || fail "a stale row after a resize"
answers '4\.5uL10C' "the entry after a resize"

# A signal between the bytes of one key (a resize while Delete's bytes come
# in) does not cut the key short.
start "$home"
tm send-keys -t t '4.5uL10'
sleep 0.3
tm send-keys -t t -H 1b \; run-shell "sleep 0.03; kill -WINCH $(program_pid)" \; \
  send-keys -t t -l '[3~'
answers '4\.5uL10nC' "a key split by a signal reached the entry" 'nC'

# An ending signal at a terminal whose output the user stopped (Ctrl-S)
# ends the program at once; Ctrl-Q lets the shell write again.
start "$home"
tm send-keys -t t '1uC1R' Enter
wait_for "$PAUSE"
tm send-keys -t t C-s
sleep 0.3
pid=$(program_pid)
kill -TERM "$pid"
poll gone "$pid" || fail "SIGTERM at a stopped terminal did not end the program"
tm send-keys -t t C-q
ended 143 "SIGTERM at a stopped terminal"

# Without the line editor (a libedit the loader cannot use) the terminal
# edits the line; the reader keeps nothing of a key's escape sequence.
noedit=$scratch/noedit
mkdir "$noedit"
ln -s "$(ldd "$program" | awk '$1 ~ /^libc[.]so/ {print $3}')" \
  "$noedit/$(grep -a -o -m 1 'libedit[.]so[.][0-9]*' "$program" | head -1)"
start "$home" "LD_LIBRARY_PATH=$noedit"
tm send-keys -t t '4.5uL10' Right Up DC 'nC' Enter
poll paused_after 4.5uL10nC || fail "the plain reader kept bytes of a key"

# Pasted entries, and Ctrl-D at the first prompt, which ends the session at
# once: with the line editor and without it.
for reader in "" "LD_LIBRARY_PATH=$noedit"; do
  start "$home" $reader
  pasted "${reader:-libedit}"
  start "$home" $reader
  tm send-keys -t t C-d
  ended 0 "Ctrl-D at the first prompt${reader:+ without the line editor}"
done

# Job control, in a shell that has it: Ctrl-Z and fg at the pause and at the
# prompt.
session "$home" "TERM=screen PS1='$ ' bash --norc --noprofile -i"
wait_for '^\$ *$' && tm send-keys -t t "'$program'" Enter
prompt
tm send-keys -t t '1uC1R' Enter
wait_for "$PAUSE"
tm send-keys -t t C-z
wait_for 'Stopped' && tm send-keys -t t fg Enter
poll pause_last ||
  fail "the pause was not shown again after fg"
tm send-keys -t t x
wait_gone 'Stopped'
prompt
tm send-keys -t t '4.5u'
sleep 0.3
tm send-keys -t t C-z
wait_for 'Stopped' && tm send-keys -t t fg Enter
wait_for '^Введите данные\.  4\.5u$' && sleep 0.3
tm send-keys -t t 'L10nC' Enter
wait_for "$PAUSE"
echoes '4\.5uL10nC' "the entry after Ctrl-Z at the pause and at the prompt"
lacks 'Данные введены неверно' || fail "a key leaked after fg"
tm send-keys -t t x
prompt
# A stop from outside (kill -STOP), then fg: the pause and the line editor
# have their own modes again, and draw themselves anew.
tm send-keys -t t '1uC1R' Enter
wait_for "$PAUSE"
kill -STOP "$(program_pid)"
wait_for 'Stopped' && tm send-keys -t t fg Enter
poll pause_last || fail "the pause was not shown again after kill -STOP and fg"
tm send-keys -t t x
wait_gone 'Stopped'
prompt
tm send-keys -t t '4.5uL10C'
sleep 0.3
kill -STOP "$(program_pid)"
wait_for 'Stopped' && tm send-keys -t t fg Enter
poll prompt_last '4\.5uL10C' || fail "the line was not drawn again after kill -STOP and fg"
tm send-keys -t t Left n Enter
wait_for "$PAUSE"
echoes '4\.5uL10nC' "the entry after kill -STOP at the pause and at the prompt"
lacks '\^\[' || fail "the terminal echoed a key after kill -STOP and fg"
tm send-keys -t t x
prompt
# The shell's $? after fg is the program's exit status.
tm send-keys -t t q Enter
wait_for '^\$ *$' && tm send-keys -t t 'echo EXIT=$?' Enter
wait_for '^EXIT=0$'
# Continued in the background (bg), the program waits there, and an ending
# signal ends it there: neither stops it for touching the terminal. (The
# signal comes from outside: keys typed at the shell would wake the program
# in the background, and the terminal would stop it for reading.)
tm send-keys -t t "'$program'" Enter
prompt
tm send-keys -t t C-z
wait_for 'Stopped'
pid=$(program_pid | tr -d ' ')
tm send-keys -t t bg Enter
wait_for ' &$' && sleep 0.3
[ "$(cut -d ' ' -f 3 "/proc/$pid/stat")" != T ] || fail "the program stopped after bg"
kill -TERM "$pid"
poll gone "$pid" || fail "SIGTERM in the background did not end the program"
tm send-keys -t t clear Enter
wait_gone "$MENU1"
# Without the line editor, Ctrl-Z drops the unfinished line (the terminal
# does); after fg the prompt is shown again, empty.
tm send-keys -t t "LD_LIBRARY_PATH=$noedit '$program'" Enter
prompt
tm send-keys -t t '4.5u'
sleep 0.3
tm send-keys -t t C-z
wait_for 'Stopped' && tm send-keys -t t fg Enter
poll prompt_last '' || fail "the plain reader did not show the prompt again after fg"
tm send-keys -t t '1uC1R' Enter
poll paused_after 1uC1R || fail "the plain reader's entry after Ctrl-Z and fg"
finish
