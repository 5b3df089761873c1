#!/bin/sh
# The interactive cockpit in a real terminal (tmux): it shows the page, the
# buttons and the panel, opens prompts under the display, tells what the
# answers did, hints at keys that do nothing, shows its help beside the live
# panel, says when the terminal is too small, and ends cleanly on q and on
# SIGINT, SIGTERM and SIGHUP, with the terminal as it found it and the
# status a shell expects (128 + the signal).
#   cockpit_test.sh JAUNT_SIM E2E_DIR OUT_DIR
set -u
mkdir -p "$3"
sim=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
dir=$(cd "$2" && pwd) out=$(cd "$3" && pwd)
socket="jaunt-cockpit-$$"
tmux() { command tmux -L "$socket" -f /dev/null "$@"; }
trap 'tmux kill-server 2>/dev/null' EXIT

fail() {
  echo "FAIL: $1"
  echo "--- screen:"
  tmux capture-pane -p -t "$session" 2>/dev/null || cat "$out/cockpit.screen" 2>/dev/null
  exit 1
}

screen() { tmux capture-pane -p -t "$session" > "$out/cockpit.screen" 2>/dev/null; cat "$out/cockpit.screen"; }

# Waits up to ten seconds for TEXT on the screen.
expect() {
  i=0
  while [ $i -lt 100 ]; do
    screen | grep -qF -- "$1" && return 0
    sleep 0.1
    i=$((i + 1))
  done
  fail "no \"$1\" on the screen"
}

# The screen's line just under the display's frame.
under_frame() {
  bottom=$(screen | grep -n '^       +-' | tail -1 | cut -d: -f1)
  [ -n "$bottom" ] || fail "no frame on the screen"
  screen | sed -n "$((bottom + 1))p"
}

# Starts the cockpit in a new session; the program's process id is kept for
# signals, and when it ends the shell records its exit status and the
# terminal's settings. Sessions stay until the end: a server that closes
# with its last session could race the next one.
start() {
  session=$1
  rm -f "$out/cockpit.status" "$out/cockpit.stty" "$out/cockpit.pid"
  tmux new-session -d -s "$session" -x 132 -y 36 -c "$dir" \
    "sh -c 'echo \$\$ > \"\$1\"; exec \"\$2\" --scenario scenarios/earth_moon.toml' \
       cockpit '$out/cockpit.pid' '$sim'; echo \$? > '$out/cockpit.status'; \
     stty -a > '$out/cockpit.stty'; sleep 5" || fail "tmux did not start"
}

# Waits for the cockpit to end and checks that it ended well: exit status
# $2, the terminal no longer raw.
ended() {
  i=0
  while [ ! -s "$out/cockpit.stty" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
  [ -s "$out/cockpit.stty" ] || fail "the cockpit did not end ($1)"
  [ "$(cat "$out/cockpit.status")" = "$2" ] ||
    fail "exit status $(cat "$out/cockpit.status"), not $2 ($1)"
  grep -qE '(^| )-(icanon|echo)( |$)' "$out/cockpit.stty" && fail "terminal left raw ($1)"
}

start flight
expect "Jaunt MFD"
expect "[Shift-T] Target: None"
expect "1 TGT"
expect "5 JNT"
expect "Scenario   Earth and Moon"
expect "Focus      GL-01"
expect "Nearest    Earth"

tmux send-keys -t "$session" t
expect "(Jaunt): Select Target (leave blank for none)"
under_frame | grep -qF "(Jaunt): Select Target" || fail "the prompt is not under the display"
tmux send-keys -t "$session" Moon Enter
expect "[Shift-T] Target: Moon"
expect "answered \"Moon\": target Moon"

tmux send-keys -t "$session" 3
expect "Select final distance from target"
tmux send-keys -t "$session" 50K Enter
expect "answered \"50K\": distance 50.0 m"
tmux send-keys -t "$session" 3 %10 Enter
expect "Probability of safe jaunt: 88"

tmux send-keys -t "$session" %
expect "key \"%\" does nothing here; ? lists the keys"
tmux send-keys -t "$session" A
expect "key \"A\" does nothing here"

tmux send-keys -t "$session" W
expect "Proceed? (y/n)"
tmux send-keys -t "$session" y Enter
expect "carrier released GL-01"
expect "answered \"y\": safe jump, GL-01"
expect "Nearest    Moon"

# The help takes the page's place; the panel and its events stay.
tmux send-keys -t "$session" Space +
expect "10x  PAUSED"
tmux send-keys -t "$session" '?'
expect "Help: ? or Esc closes it"
expect "to target, and final velocity."
expect "press buttons 1 to 5"
expect "carrier released GL-01"
expect "10x  PAUSED"
tmux send-keys -t "$session" Escape
expect "[Shift-T] Target: Moon"
screen | grep -qF "Help:" && fail "Esc left the help open"

tmux resize-window -t "$session" -x 80 -y 24
expect "jaunt-sim: the terminal is too small"
expect "It is 80x24; the cockpit needs 104x22."
tmux resize-window -t "$session" -x 132 -y 36
expect "[Shift-T] Target: Moon"

tmux send-keys -t "$session" q
ended "q" 0

# Signals end it as they end any program, but with the terminal restored.
start interrupted
expect "Jaunt MFD"
tmux send-keys -t "$session" C-c
ended "Ctrl-C" 130
for signal in TERM:143 HUP:129; do
  start "${signal%:*}"
  expect "Jaunt MFD"
  kill -s "${signal%:*}" "$(cat "$out/cockpit.pid")"
  ended "SIG${signal%:*}" "${signal#*:}"
done
echo "cockpit: page, prompts, events, hints, help, size, q and signals all fine"
