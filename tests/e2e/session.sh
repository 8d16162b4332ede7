#!/usr/bin/env bash
# The built game on a virtual X display as a desktop session treats it: a second start in the
# same player folder is refused with a box and touches no file; SIGTERM, sent while the profiles
# dialog is open, ends the game as its Close command does, saving what was played.
# Usage: session.sh RUN_FOLDER
set -euo pipefail

run_folder=$(cd "$1" && pwd)
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/virtual-display.sh"

start_display

make_player_folder "$run_folder"
printf '\0\0\0\1\0\0\0\0\0\0\0\6\0A\0n\0n\0\0\0\1\0\0\0\1\0\0\0\0' >"$work/game/profiles.dat"
start_built_game "$run_folder"
game_pid=$!
window=$(main_window) || fail "no main window"
files() { (cd "$work/game" && md5sum game.dat profiles.dat data.dat); }
before=$(files)

# A second start: a box, and once it is answered the second game ends, exit status 0.
start_built_game "$run_folder"
second_pid=$!
for _ in $(seq 100); do
  [[ $(xdotool search --onlyvisible --name '^Tavni$' | wc -l) -ge 2 ]] && break
  sleep 0.1
done
box=$(xdotool search --onlyvisible --name '^Tavni$' | grep -v "^$window$" | head -n1) \
  || fail "the second start showed no box"
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers Return
wait "$second_pid" || fail "the second start ended with status $?"
[[ "$(files)" == "$before" ]] || fail "the second start touched the player's files"

# Played: the volume one step up, a second profile; then SIGTERM with the profiles dialog open.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers Up
xdotool key --clearmodifiers ctrl+u
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Profiles$' | head -n1) || fail "no profiles dialog"
xdotool windowfocus --sync "$dialog"
xdotool key --clearmodifiers alt+a
answer_name_prompt "Cy"
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[[ "$status" -eq 0 ]] || fail "SIGTERM ended the game with status $status"

cd "$work/game"
[[ "$(head -n5 game.dat | tr '\n' ' ')" == "1 1 1 1 143 " ]] || fail "game.dat: $(cat game.dat)"
expected='0000000200000001000000060041006e006e0000000100000001000000000000000400430079000000010000000100000000'
actual=$(od -An -tx1 -v profiles.dat | tr -d ' \n')
[[ "$actual" == "$expected" ]] || fail "profiles.dat: $actual"
[[ "$(stat -c %s data.dat)" -eq 320 ]] || fail "data.dat is $(stat -c %s data.dat) bytes"
[[ ! -e tavni.lock ]] || fail "the lock stayed behind"
echo "1 passed, 0 failed"
