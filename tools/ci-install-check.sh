#!/usr/bin/env bash
# Installs the built game into a temporary prefix, validates its desktop entry and AppStream data,
# and plays the installed game as a new player on a virtual X display, then again after a reinstall.
# Usage: tools/ci-install-check.sh [BUILD_FOLDER]   (default: build/, made by tools/build.sh)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
. "$root/tools/virtual-display.sh"
passed=0
ok() { echo "ok: $*"; passed=$((passed + 1)); }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log"
for file in bin/tavni libexec/tavni/tavni share/applications/tavni.desktop \
            share/metainfo/io.invalid.tavni.metainfo.xml share/icons/hicolor/scalable/apps/tavni.svg \
            share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/tavni.png; do
  [[ -f "$prefix/$file" ]] || fail "not installed: $file"
done
[[ -x "$prefix/bin/tavni" && -x "$prefix/libexec/tavni/tavni" ]] || fail "the programs are not executable"
content() { (cd "$1" && find languages data -type f | sort); }
[[ "$(content "$prefix/share/tavni")" == "$(content "$build/run")" ]] \
  || fail "share/tavni differs from the run folder: $(diff <(content "$prefix/share/tavni") <(content "$build/run"))"
ok "installed into $prefix"

desktop-file-validate "$prefix/share/applications/tavni.desktop"
ok "desktop entry"
# The whole tree: the metadata itself, and the menu entry it names.
appstreamcli validate-tree --no-net "$prefix"
ok "AppStream metadata"

start_display

home="$work/home"
player="$home/.local/share/tavni"
mkdir -p "$home"

# Starts what the menu entry's Exec line names, found on PATH in the given bin folder, and waits
# for the main window; quitting is left to quit_game.
start_game() {
  local bin=$1 answer_prompt=$2
  local command
  read -ra command < <(sed -n 's/^Exec=//p' "$prefix/share/applications/tavni.desktop")
  env -u XDG_DATA_HOME -u QT_QPA_PLATFORM HOME="$home" PATH="$bin:$PATH" SDL_AUDIODRIVER=dummy \
    "${command[@]}" >>"$work/game.log" 2>&1 &
  game_pid=$!
  if [[ "$answer_prompt" == yes ]]; then
    answer_name_prompt "Tester"
  fi
  window=$(main_window) || fail "no main window: $(cat "$work/game.log")"
}

quit_game() {
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers ctrl+q
  timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not close on Ctrl+Q"
  wait "$game_pid" || fail "the game ended with an error: $(cat "$work/game.log")"
  game_pid=""
}

# The player's folder holds the three files and links to the content of the given install.
check_player_folder() {
  for file in game.dat profiles.dat data.dat; do
    [[ -f "$player/$file" && ! -L "$player/$file" ]] || fail "$file was not written in $player"
  done
  for folder in languages data; do
    [[ "$(readlink -f "$player/$folder")" == "$(readlink -f "$1/$folder")" ]] \
      || fail "$folder links to $(readlink "$player/$folder"), not $1/$folder"
  done
}

listing() { find "$prefix" -printf '%P %y %s %T@\n' | sort; }
listing >"$work/before"
start_game "$prefix/bin" yes
quit_game
check_player_folder "$prefix/share/tavni"
listing >"$work/after"
diff "$work/before" "$work/after" || fail "the game changed files under the prefix"
ok "first start from the menu entry: files written in $player, none in the prefix"

# A reinstall elsewhere, staged with DESTDIR: the same player comes back without a name prompt.
profiles=$(od -An -tx1 -v "$player/profiles.dat")
DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/tavni >"$work/reinstall.log"
start_game "$work/stage/opt/tavni/bin" no
quit_game
check_player_folder "$work/stage/opt/tavni/share/tavni"
[[ "$(od -An -tx1 -v "$player/profiles.dat")" == "$profiles" ]] || fail "the player's profile changed"
ok "after a staged reinstall the player's files are found again"

echo "install-check: $passed passed, 0 failed"
