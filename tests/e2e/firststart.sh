#!/usr/bin/env bash
# Plays the built game as a new player would, on a virtual X display: answers the name prompt,
# checks the title bar's hints, starts the classic game from the menu, quits with Ctrl+Q and
# checks the three files written.
# Usage: firststart.sh RUN_FOLDER
set -euo pipefail

run_folder=$(cd "$1" && pwd)
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/virtual-display.sh"

start_display

make_player_folder "$run_folder"
start_built_game "$run_folder"
game_pid=$!

answer_name_prompt "Tester"
window=$(main_window) || fail "no main window"
eval "$(xdotool getwindowgeometry --shell "$window")"
toolbar=$((HEIGHT - 402))
[[ "$WIDTH" -eq 402 && "$toolbar" -gt 60 ]] || fail "menu size ${WIDTH}x${HEIGHT}"
# The Motif hints that window managers honour: move, minimise and close, no maximise.
hints=$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')
IFS=', ' read -r -a hint <<<"$hints"
(( (hint[1] & 0x2c) == 0x2c && (hint[2] & 0x40) == 0 )) || fail "window hints: $hints"

# Over the Classic button, then a click starts the classic game and the window takes its size.
xdotool mousemove --sync $((X + 70)) $((Y + toolbar + 40))
xdotool mousemove --sync $((X + 80)) $((Y + toolbar + 50))
xdotool click 1
for _ in $(seq 50); do
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ "$WIDTH" -eq 260 ]] && break
  sleep 0.1
done
[[ "$WIDTH" -eq 260 && "$HEIGHT" -eq $((toolbar + 330)) ]] || fail "classic size ${WIDTH}x${HEIGHT}"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not close on Ctrl+Q"
game_pid=""

cd "$work/game"
[[ "$(head -n5 game.dat | tr '\n' ' ')" == "1 1 1 1 128 " ]] || fail "game.dat: $(cat game.dat)"
expected_profiles='00000001000000000000000c005400650073007400650072000000010000000100000000'
[[ "$(od -An -tx1 -v profiles.dat | tr -d ' \n')" == "$expected_profiles" ]] \
  || fail "profiles.dat: $(od -An -tx1 -v profiles.dat | tr -d ' \n')"
[[ "$(stat -c %s data.dat)" -eq 320 ]] || fail "data.dat is $(stat -c %s data.dat) bytes"
echo "1 passed, 0 failed"
