#!/usr/bin/env bash
# The built game on a virtual X display as a desktop and a session treat it: the title bar's
# hints, and SIGTERM, sent while the profiles dialog is open, ending the game as its Close
# command does, saving what was played.
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
# The Motif hints that window managers honour: move, minimise and close, no maximise.
IFS=', ' read -r -a hint <<<"$(xprop -id "$window" _MOTIF_WM_HINTS | sed 's/.*= //')"
(( (hint[1] & 0x2c) == 0x2c && (hint[2] & 0x40) == 0 )) || fail "window hints: ${hint[*]}"
# Played: the volume one step up, a second profile; then SIGTERM with the profiles dialog open.
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers Up ctrl+u
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Profiles$' | head -n1) || fail "no profiles dialog"
xdotool windowfocus --sync "$dialog"
xdotool key --clearmodifiers alt+a
answer_name_prompt "Cy"
kill -TERM "$game_pid"
wait "$game_pid" || fail "SIGTERM ended the game with status $?"
game_pid=""

cd "$work/game"
[[ "$(head -n5 game.dat | tr '\n' ' ')" == "1 1 1 1 143 " ]] || fail "game.dat: $(cat game.dat)"
# Ann, then Cy, selected.
[[ "$(od -An -tx1 -v profiles.dat | tr -d ' \n')" == 0000000200000001000000060041006e006e0000000100000001000000000000000400430079000000010000000100000000 ]] \
  || fail "profiles.dat: $(od -An -tx1 -v profiles.dat)"
[[ ! -e tavni.lock ]] || fail "the lock stayed behind"
echo "1 passed, 0 failed"
