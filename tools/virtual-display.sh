# Sourced by the scripts that play the game on a virtual X display: a scratch folder ($work),
# clean-up of it, of the display and of the game ($game_pid) on exit, start_display, and a
# player folder to start the game in.
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [[ -n "$game_pid" ]] && kill -KILL "$game_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts a display of our own, on whatever number is free, without a window manager.
start_display() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/display")"
  [[ "$DISPLAY" != ":" ]] || fail "Xvfb did not start"
}

# Answers the first-start name prompt with the given name.
answer_name_prompt() {
  local prompt
  prompt=$(timeout 20 xdotool search --sync --onlyvisible --name '^Creating new profile$' | head -n1) \
    || fail "no name prompt"
  xdotool windowfocus --sync "$prompt"
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key Return
}

# Prints the id of the game's main window once it is shown.
main_window() {
  timeout 20 xdotool search --sync --onlyvisible --name '^Tavni$' | head -n1
}

# A player's folder, $work/game, linked to the content of the given run folder, and a home for
# the player, $work/home/tester.
make_player_folder() {
  mkdir -p "$work/home/tester" "$work/game"
  ln -s "$1/languages" "$work/game/languages"
  ln -s "$1/data" "$work/game/data"
}

# Starts the game of the given run folder in the player's folder, in the background; its output
# goes to $work/game.log.
start_built_game() {
  (cd "$work/game" && HOME="$work/home/tester" SDL_AUDIODRIVER=dummy \
     exec env -u QT_QPA_PLATFORM "$1/tavni" >>"$work/game.log" 2>&1) &
}
