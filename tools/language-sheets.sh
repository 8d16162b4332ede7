#!/usr/bin/env bash
# Plays the built game on a virtual X display in every shipped language and writes one contact
# sheet per language (menu, first-run prompt, options, profiles, best results, About, the
# continue question, a puzzle level with its bar, a completion box) as OUT/languages-LANG.png.
# Usage: tools/language-sheets.sh OUT [BUILD_FOLDER [LANG...]]   (default build/, made by
# tools/build.sh, and every language in its run folder; LANG as in tavni_LANG.qm). The player is
# "Konstantinos", or the ASCII name in $SHEET_NAME (up to 20 letters, as the name prompt keeps).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[[ $# -ge 1 ]] || { echo "usage: $0 OUT [BUILD_FOLDER]" >&2; exit 2; }
mkdir -p "$1"
out=$(cd "$1" && pwd)
run_folder=$(cd "${2:-$root/build}/run" && pwd)
shift $(($# < 2 ? $# : 2))
files=("$run_folder"/languages/*.qm)
if [[ $# -gt 0 ]]; then
  files=()
  for lang in "$@"; do files+=("$run_folder/languages/tavni_$lang.qm"); done
fi
player_name=${SHEET_NAME:-Konstantinos}
. "$root/tools/virtual-display.sh"

start_display

# The classic board scrambled by a known series: with rand() always 0 every scrambling turn is a
# clockwise turn of cell (1, 1), six of them at game level 1, so two more turns solve it.
printf 'int rand(void) { return 0; }\n' >"$work/norandom.c"
cc -shared -fPIC -o "$work/norandom.so" "$work/norandom.c"

# profiles.dat as the game writes it (big-endian numbers, the name in UTF-16): one player with a
# name, selected, whose puzzle series stands at its last stage, 5-26.
write_profile() {
  local hex name=$player_name
  int32() { printf '%08x' "$1"; }
  hex="$(int32 1)$(int32 0)$(int32 $((2 * ${#name})))"
  for ((i = 0; i < ${#name}; i++)); do hex+="00$(printf '%02x' "'${name:i:1}")"; done
  hex+="$(int32 5)$(int32 26)$(int32 0)"
  printf '%b' "$(sed 's/../\\x&/g' <<<"$hex")" >"$1/profiles.dat"
}

# Starts the game in the player folder $game, extra environment as arguments; sets $game_pid and
# writes the game's exit status to $work/status when it ends.
start_game() {
  rm -f "$work/status" "$work/pid"
  (cd "$game" || exit
   env -u QT_QPA_PLATFORM HOME="$work/home" SDL_AUDIODRIVER=dummy "$@" \
     "$run_folder/tavni" >>"$work/game.log" 2>&1 &
   echo $! >"$work/pid"; status=0; wait $! || status=$?; echo "$status" >"$work/status") &
  for _ in $(seq 100); do [[ -s "$work/pid" ]] && break; sleep 0.1; done
  game_pid=$(cat "$work/pid")
}

check_running() {
  [[ -s "$work/status" ]] && fail "the game ended with status $(cat "$work/status"): $(cat "$work/game.log")"
  return 0
}

# Prints the id of a visible window of the game that is not the main window, once there is one.
other_window() {
  local id
  for _ in $(seq 300); do
    for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
      [[ "$id" != "${window:-}" ]] && { echo "$id"; return 0; }
    done
    check_running
    sleep 0.1
  done
  fail "no window came up: $(cat "$work/game.log")"
}

wait_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  fail "window $1 stayed open"
}

wait_for_width() {
  local want=$1 negate=${2:-}
  for _ in $(seq 100); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    if [[ -z "$negate" && "$WIDTH" -eq "$want" ]] || [[ -n "$negate" && "$WIDTH" -ne "$want" ]]; then
      return 0
    fi
    sleep 0.1
  done
  fail "the window stayed ${WIDTH} pixels wide"
}

# Presses a key in a window, or clicks at a point of it (x y).
key() { xdotool windowfocus --sync "$1"; xdotool key --clearmodifiers "$2"; }
click_in() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --sync $((X + $2 - 5)) $((Y + $3 - 5)) mousemove --sync $((X + $2)) $((Y + $3)) click 1
}
# Clicks a point of the board widget, which lies below the toolbar.
click_board() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local toolbar=$((HEIGHT - $3))
  click_in "$window" "$1" $((toolbar + $2))
}

# Takes the picture of a window as shot number NAME of the current language.
shoot() {
  xdotool mousemove --sync 0 0
  sleep 0.7 # the window has painted after its last change
  timeout 20 import -window "$2" "$shots/$1.png" || fail "no picture of $1"
}

quit_game() {
  key "$window" ctrl+q
  for _ in $(seq 200); do [[ -s "$work/status" ]] && break; sleep 0.1; done
  [[ "$(cat "$work/status" 2>/dev/null)" == 0 ]] || fail "the game did not end well: $(cat "$work/game.log")"
  game_pid=""
}

for qm in "${files[@]}"; do
  file=$(basename "$qm")
  lang=${file#tavni_}
  lang=${lang%.qm}
  shots="$work/shots/$lang"
  game="$work/game-$lang"
  mkdir -p "$shots" "$game" "$work/home"
  ln -s "$run_folder/languages" "$game/languages"
  ln -s "$run_folder/data" "$game/data"
  printf '1\n1\n1\n0\n128\n%s\n' "$file" >"$game/game.dat"

  # First start: the name prompt, then the classic game solved for its completion box.
  window=""
  start_game LD_PRELOAD="$work/norandom.so"
  prompt=$(other_window)
  shoot 2-prompt "$prompt"
  xdotool windowfocus --sync "$prompt"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$player_name"
  xdotool key Return
  wait_gone "$prompt"
  window=$(other_window)
  click_board 80 50 402
  wait_for_width 260
  click_board 70 70 330
  click_board 70 70 330
  box=$(other_window)
  shoot 9-completion "$box"
  key "$box" Return
  wait_for_width 402
  quit_game

  # The player at stage 5-26: the menu, every window, the question and the last puzzle level.
  write_profile "$game"
  window=""
  start_game
  window=$(other_window)
  shoot 1-menu "$window"
  key "$window" ctrl+o
  dialog=$(other_window)
  shoot 3-options "$dialog"
  key "$dialog" Escape
  wait_gone "$dialog"
  key "$window" ctrl+u
  dialog=$(other_window)
  shoot 4-profiles "$dialog"
  key "$dialog" Escape
  wait_gone "$dialog"
  key "$window" ctrl+t
  dialog=$(other_window)
  shoot 5-top10 "$dialog"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  click_in "$dialog" $((WIDTH - 30)) $((HEIGHT - 14)) # its Close button, at the bottom right
  wait_gone "$dialog"
  key "$window" ctrl+a
  dialog=$(other_window)
  shoot 6-about "$dialog"
  click_in "$dialog" 10 10
  wait_gone "$dialog"
  click_board 280 320 402
  question=$(other_window)
  shoot 7-question "$question"
  key "$question" Return
  wait_for_width 402 not
  sleep 1 # a second on the clock
  shoot 8-puzzle "$window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  timeout 20 import -window "$window" -crop "400x72+0+$((HEIGHT - 72))" +repage "$shots/8-the-bar.png"
  quit_game

  name=$(grep -A1 '<source>English</source>' "$root/translations/tavni_$lang.ts" \
         | sed -n 's:.*<translation>\(.*\)</translation>.*:\1:p')
  # ImageMagick does not fall back from font to font: the title takes one that has the script.
  font=$(fc-match -f '%{file}' "sans:lang=$(tr '_A-Z' '-a-z' <<<"$lang")")
  montage -font "$font" -pointsize 14 -background '#d8d8d8' -tile 5x -geometry '360x360>+6+6' \
    -label '%t' -title "$name ($file)" "$shots"/*.png "$work/sheet.png"
  # 255 colours keep a sheet small; the game's pictures have few.
  montage "$work/sheet.png" -geometry +0+0 -colors 255 "PNG8:$out/languages-$lang.png"
  echo "$out/languages-$lang.png"
done
