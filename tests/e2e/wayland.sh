#!/usr/bin/env bash
# The built game under a headless Wayland compositor. A start with profiles but none selected
# opens the profiles dialog: it must be attached to the main window (xdg_toplevel.set_parent),
# so that the compositor keeps it above and with the main window. SIGTERM then ends the game
# as its Close command does, the dialog settling the choice and the three files saved.
# Usage: wayland.sh RUN_FOLDER [SCREENSHOT.png]
set -euo pipefail

run_folder=$(cd "$1" && pwd)
screenshot=${2:-}
work=$(mktemp -d)
weston_pid=""
game_pid=""
cleanup() {
  [[ -n "$game_pid" ]] && kill -KILL "$game_pid" 2>/dev/null || true
  [[ -n "$weston_pid" ]] && kill "$weston_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [[ -f "$work/game.log" ]] && tail -n 20 "$work/game.log" >&2; exit 1; }

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=tavni-test
# The screenshooter needs weston's debug protocols and a renderer that keeps the pixels.
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --idle-time=0 \
  --width=1280 --height=1024 ${screenshot:+--debug} >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]] && break; sleep 0.1; done
[[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]] || fail "weston did not start: $(cat "$work/weston.log")"

mkdir -p "$work/home" "$work/game"
ln -s "$run_folder/languages" "$work/game/languages"
ln -s "$run_folder/data" "$work/game/data"
# Ann and Bob, none selected.
printf '\0\0\0\2\377\377\377\377\0\0\0\6\0A\0n\0n\0\0\0\1\0\0\0\1\0\0\0\0\0\0\0\6\0B\0o\0b\0\0\0\1\0\0\0\1\0\0\0\0' \
  >"$work/game/profiles.dat"
# In the sanitizer build, leaks are not checked here: Qt's Wayland plugin is unloaded before the
# check and leaves allocations that LeakSanitizer can no longer name (every other test checks ours).
(cd "$work/game" && HOME="$work/home" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
   ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" exec "$run_folder/tavni" 2>"$work/game.log") &
game_pid=$!

# The client's requests, as WAYLAND_DEBUG prints them: each window's xdg_toplevel by its title.
toplevel() { grep -o "xdg_toplevel@[0-9]*\.set_title(\"$1\")" "$work/game.log" | tail -n1 | sed "s/\..*//" || true; }
attached=""
for _ in $(seq 200); do
  dialog=$(toplevel Profiles); main=$(toplevel Tavni)
  if [[ -n "$dialog" && -n "$main" ]] && grep -q "$dialog\.set_parent($main)" "$work/game.log"; then
    attached=yes
    break
  fi
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended"
  sleep 0.1
done
[[ -n "$attached" ]] || fail "the profiles dialog is not attached to the main window"

if [[ -n "$screenshot" ]]; then
  (cd "$work" && timeout 20 weston-screenshooter) || fail "no screenshot"
  cp "$work"/wayland-screenshot-*.png "$screenshot"
fi

kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[[ "$status" -eq 0 ]] || fail "SIGTERM ended the game with status $status"
# The dialog closed with the window and chose the first profile; all three files written.
actual=$(od -An -tx1 -v "$work/game/profiles.dat" | tr -d ' \n' | cut -c1-16)
[[ "$actual" == "0000000200000000" ]] || fail "profiles.dat begins $actual"
[[ "$(head -n5 "$work/game/game.dat" | tr '\n' ' ')" == "1 1 1 1 128 " ]] || fail "game.dat: $(cat "$work/game/game.dat")"
[[ "$(stat -c %s "$work/game/data.dat")" -eq 320 ]] || fail "data.dat"
echo "1 passed, 0 failed"
