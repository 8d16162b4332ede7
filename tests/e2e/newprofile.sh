#!/usr/bin/env bash
# Adds a profile as a player would while another one is selected, dismisses the profiles dialog
# with Escape and starts the puzzle: the game must play for the new profile (its first stage, no
# question about the other player's stage), and the new profile must be the one saved as current.
# Usage: newprofile.sh RUN_FOLDER
set -euo pipefail

run_folder=$(cd "$1" && pwd)
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/virtual-display.sh"

start_display

make_player_folder "$run_folder"
# One profile, "Ann", selected, at stage 3-5.
printf '\0\0\0\1\0\0\0\0\0\0\0\6\0A\0n\0n\0\0\0\3\0\0\0\5\0\0\0\0' >"$work/game/profiles.dat"
start_built_game "$run_folder"
game_pid=$!

window=$(main_window) || fail "no main window"
eval "$(xdotool getwindowgeometry --shell "$window")"
toolbar=$((HEIGHT - 402))

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+u
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Profiles$' | head -n1) || fail "no profiles dialog"
xdotool windowfocus --sync "$dialog"
xdotool key --clearmodifiers alt+a
answer_name_prompt "Cy"
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Creating new profile$' >/dev/null || break
  sleep 0.1
done
xdotool windowfocus --sync "$dialog"
xdotool key --clearmodifiers Escape
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Profiles$' >/dev/null || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Profiles$' >/dev/null && fail "the profiles dialog stayed open"

# Over the PUZZLE button, then a click: Cy's first stage, 5 × 3 cells, starts without a question.
xdotool mousemove --sync $((X + 270)) $((Y + toolbar + 310))
xdotool mousemove --sync $((X + 280)) $((Y + toolbar + 320))
xdotool click 1
for _ in $(seq 50); do
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ "$WIDTH" -eq 380 ]] && break
  [[ $(xdotool search --onlyvisible --name '^Tavni$' | wc -l) -gt 1 ]] && fail "a question was asked: the board still plays for Ann"
  sleep 0.1
done
[[ "$WIDTH" -eq 380 && "$HEIGHT" -eq $((toolbar + 330)) ]] || fail "stage 1-1 size ${WIDTH}x${HEIGHT}"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not close on Ctrl+Q"
game_pid=""

# Two profiles, Cy (the second) current; Ann keeps 3-5, Cy is at 1-1.
expected='0000000200000001000000060041006e006e0000000300000005000000000000000400430079000000010000000100000000'
actual=$(od -An -tx1 -v "$work/game/profiles.dat" | tr -d ' \n')
[[ "$actual" == "$expected" ]] || fail "profiles.dat: $actual"
echo "1 passed, 0 failed"
