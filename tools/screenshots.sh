#!/usr/bin/env bash
# Takes the README's screenshots (docs/screenshots/) from the built game on a virtual X display.
# Usage: tools/screenshots.sh [BUILD_FOLDER]   (default: build/, made by tools/build.sh)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out="$root/docs/screenshots"
. "$root/tools/virtual-display.sh"

start_display

home="$work/home"
player="$home/.local/share/tavni"
mkdir -p "$player" "$out"

# profiles.dat as the game writes it (big-endian numbers, the name in UTF-16): one player, Mira,
# selected, whose puzzle series stands at stage 5-17, a board of 15 x 12 cells.
int32() { printf '%08x' "$1"; }
hex="$(int32 1)$(int32 0)$(int32 8)"
for letter in M i r a; do hex+="00$(printf '%02x' "'$letter")"; done
hex+="$(int32 5)$(int32 17)$(int32 0)"
printf '%b' "$(sed 's/../\\x&/g' <<<"$hex")" >"$player/profiles.dat"

# Starts the game through the build's launcher and sets $window to its main window.
start_game() {
  env -u XDG_DATA_HOME -u QT_QPA_PLATFORM HOME="$home" SDL_AUDIODRIVER=dummy \
    "$build/tavni" >>"$work/game.log" 2>&1 &
  game_pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tavni$' | head -n1) \
    || fail "no main window"
}

# Waits until the main window's width is (or, with "not", is no longer) the one given.
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

# Moves over a point of the board widget (below the toolbar) and clicks it.
click_menu() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local toolbar=$((HEIGHT - 402))
  xdotool mousemove --sync $((X + $1 - 10)) $((Y + toolbar + $2 - 10))
  xdotool mousemove --sync $((X + $1)) $((Y + toolbar + $2))
  xdotool click 1
}

key() {
  xdotool windowfocus --sync "$1"
  xdotool key --clearmodifiers "$2"
}

shoot() {
  xdotool mousemove --sync 0 0
  sleep 1 # the window has painted after its last change
  import -window "$2" "$out/$1.png"
  echo "$out/$1.png"
}

# From the menu screen, starts the puzzle game where the saved series stands.
start_puzzle() {
  click_menu 280 320
  # The game asks whether to continue the saved series; its first answer does.
  local question=""
  for _ in $(seq 100); do
    question=$(xdotool search --onlyvisible --name '^Tavni$' | grep -vx "$window" | head -n1) && break
    sleep 0.1
  done
  [[ -n "$question" ]] || fail "no question"
  key "$question" Return
  wait_for_width 402 not
}

quit_game() {
  key "$window" ctrl+q
  wait "$game_pid" || fail "the game ended with an error: $(cat "$work/game.log")"
  game_pid=""
}

start_game
shoot menu "$window"

click_menu 80 50
wait_for_width 260
shoot classic "$window"

key "$window" ctrl+m
wait_for_width 402
start_puzzle
shoot puzzle "$window"
quit_game

# The same stage with colour patterns on (patterns.dat holds "1"), then both puzzle shots as a
# deuteranope sees them: Machado, Oliveira and Fernandes (2009), severity 1, on linear RGB.
printf '1\n' >"$player/patterns.dat"
start_game
start_puzzle
shoot puzzle-patterns "$window"
quit_game
rm "$player/patterns.dat"
deuteranopia="0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881"
for shot in puzzle puzzle-patterns; do
  convert "$out/$shot.png" -colorspace RGB -color-matrix "$deuteranopia" -colorspace sRGB \
    -define png:exclude-chunks=date,time \
    "$out/$shot-deuteranopia.png"
  echo "$out/$shot-deuteranopia.png"
done

# The options in German: the language is the sixth line of game.dat.
sed -i '6s/.*/tavni_de.qm/' "$player/game.dat"
start_game
key "$window" ctrl+o
options=$(timeout 20 xdotool search --sync --onlyvisible --name '^Einstellungen$' | head -n1) \
  || fail "no options dialog"
shoot options-de "$options"
key "$options" Escape
quit_game
