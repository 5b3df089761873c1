#!/bin/sh
# The interactive cockpit in a real terminal (tmux): it shows the page, the
# buttons and the panel, opens prompts under the display with what to type,
# tells what the answers did, hints at keys that do nothing, shows its help
# whole beside the live panel, keeps one size for the whole flight, says
# when the terminal is too small or unknown, takes and shows UTF-8, and ends
# cleanly on q and on SIGINT, SIGTERM, SIGHUP and SIGQUIT, with the terminal
# as it found it and the status a shell expects (128 + the signal), within
# a moment even while a time step takes seconds.
#   cockpit_test.sh JAUNT_SIM E2E_DIR OUT_DIR
set -u
mkdir -p "$3"
sim=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
dir=$(cd "$2" && pwd) out=$(cd "$3" && pwd)
socket="jaunt-cockpit-$$"
tmux() { command tmux -u -L "$socket" -f /dev/null "$@"; }
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

# Starts the cockpit in a new session, on scenario $2 (glider_world by
# default) with the environment's TERM set to $3 (unset for "-") when given;
# the program's process id is kept for signals, and when it ends the shell
# records its exit status and the terminal's settings. Sessions stay until
# the end: a server that closes with its last session could race the next
# one.
start() {
  session=$1
  scenario=${2:-scenarios/glider_world.toml}
  case ${3:-} in
    "") term= ;;
    -) term="-u TERM" ;;
    *) term="TERM=$3" ;;
  esac
  rm -f "$out/cockpit.status" "$out/cockpit.stty" "$out/cockpit.pid"
  tmux new-session -d -s "$session" -x 132 -y 36 -c "$dir" \
    "sh -c 'echo \$\$ > \"\$1\"; exec env $term \"\$2\" --scenario \"\$3\"' \
       cockpit '$out/cockpit.pid' '$sim' '$scenario'; echo \$? > '$out/cockpit.status'; \
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
expect "Unit first: K50 is 50 km"
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
expect "D  <- Distance to travel w/o target  |"
expect "Enter, Esc in a prompt: answer, cancel|"
expect "press buttons 1 to 5"
expect "carrier released GL-01"
expect "10x  PAUSED"
tmux send-keys -t "$session" Escape
expect "[Shift-T] Target: Moon"
screen | grep -qF "Help:" && fail "Esc left the help open"

tmux resize-window -t "$session" -x 80 -y 24
expect "jaunt-sim: the terminal is too small"
expect "It is 80x24; the cockpit needs 104x24."
# The size it needs stays what it was, whatever the page shows: a line too
# long for the frame is cut, and the frame marks it.
tmux resize-window -t "$session" -x 104 -y 24
expect "[Shift-T] Target: Moon"
tmux send-keys -t "$session" 3 1e308 Enter
expect "answered \"1e308\""
screen | grep -qF "too small" && fail "a long line changed the size the cockpit needs"
screen | grep -qE '^4 VEL  \|  100000000000000005250476025520442024>' ||
  fail "no mark where the line is cut"
tmux resize-window -t "$session" -x 132 -y 36

tmux send-keys -t "$session" q
ended "q" 0

# Names and answers in UTF-8: typed, found and shown.
printf '%s\n' '[[body]]' 'name = "Ërde 地球"' 'mass = 6e24' 'radius = 6.4e6' \
  'position = [0, 0, 0]' '[[vessel]]' 'name = "GL-01"' 'position = [4.2e7, 0, 0]' \
  'focus = true' > "$out/utf8.toml"
start utf8 "$out/utf8.toml"
expect "Jaunt MFD"
tmux send-keys -t "$session" t
expect "Select Target"
tmux send-keys -t "$session" -l "Ërde 地球"
tmux send-keys -t "$session" Enter
expect "[Shift-T] Target: Ërde 地球"
expect "Nearest    Ërde 地球"
tmux send-keys -t "$session" q
ended "UTF-8" 0

# A terminal it cannot drive: one line, as for any bad start.
for bad in "xterm-nonesuch:the terminal \"xterm-nonesuch\" (TERM) is not one the cockpit knows" \
           "-:the cockpit needs to know the terminal, and TERM is not set" \
           "dumb:the terminal \"dumb\" (TERM) cannot put text where the cockpit needs it"; do
  start "term${bad%%:*}" "" "${bad%%:*}"
  ended "TERM ${bad%%:*}" 2
  expect "jaunt-sim: ${bad#*:}; give --script FILE to fly without it"
done

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
start quit
expect "Jaunt MFD"
tmux send-keys -t "$session" 'C-\'
ended "Ctrl-\\" 131

# A world whose every time step takes seconds: the cockpit says it is
# behind, and q and Ctrl-C end it at once all the same.
slow=
awk -v n=3000 'BEGIN {
  for (i = 0; i < n; i++) printf "[[body]]\nname = \"B%d\"\nmass = 1e20\nradius = 1000\nposition = [%d.0e9, 0, 0]\n", i, i + 1
  for (i = 0; i < n; i++) printf "[[vessel]]\nname = \"V%d\"\nposition = [%d.5e9, 1e6, 0]\n%s", i, i + 1, (i == 0 ? "focus = true\n" : "")
}' > "$out/heavy.toml"
for key in q:0 C-c:130; do
  start "slow${key%:*}" "$out/heavy.toml"
  expect "behind: a time step has taken"
  before=$(date +%s%N)
  tmux send-keys -t "$session" "${key%:*}"
  ended "${key%:*} in a slow step" "${key#*:}"
  took=$((($(date +%s%N) - before) / 1000000))
  [ "$took" -lt 1000 ] || fail "${key%:*} took $took ms to end a slow step"
  slow="$slow ${key%:*} in $took ms,"
done
echo "cockpit: page, prompts, events, hints, help, size, UTF-8, terminals, q and signals all fine;"
echo "a slow step ended by$slow each checked against 1000 ms"
