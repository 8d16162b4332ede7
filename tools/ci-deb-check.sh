#!/usr/bin/env bash
# Builds the Debian package, holds it to lintian, installs it with apt-get, plays it once as a new
# player on a virtual X display and removes it again, checking that the player's files stay.
# Usage: tools/ci-deb-check.sh [BUILD_FOLDER]   (default: build/, made by tools/build.sh; needs root)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
. "$root/tools/virtual-display.sh"
passed=0
ok() { echo "ok: $*"; passed=$((passed + 1)); }

export DEBIAN_FRONTEND=noninteractive
apt=(apt-get -o DPkg::Lock::Timeout=300 -y)
installed=no
# A failure part-way must not leave the package on the machine.
finish() {
  [[ -n "$game_pid" ]] && kill -KILL "$game_pid" 2>/dev/null || true
  [[ "$installed" == yes ]] && "${apt[@]}" remove tavni >/dev/null 2>&1 || true
  cleanup
}
trap finish EXIT

[[ $(id -u) -eq 0 ]] || fail "installing the package needs root"
[[ "$(dpkg-query -W -f='${Status}' tavni 2>/dev/null || true)" != *"ok installed" ]] \
  || fail "tavni is already installed here; remove it first"

(cd "$build" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 || fail "cpack: $(cat "$work/cpack.log")"
cd "$work/package"
package=(tavni_*_amd64.deb)
[[ -f "${package[0]}" ]] || fail "no tavni_<version>_amd64.deb: $(ls)"
field() { dpkg-deb -f "${package[0]}" "$1"; }
[[ "$(field Section)" == games ]] || fail "section $(field Section)"
[[ "$(field Depends)" == *libqt6widgets6* ]] || fail "dpkg-shlibdeps gave no Depends: $(field Depends)"
# lintian does not compare the two: a new version needs its entry in dist/changelog.
changelog=$(dpkg-parsechangelog -l "$root/dist/changelog" -S Version)
[[ "$changelog" == "$(field Version)" ]] || fail "dist/changelog is at $changelog, the package at $(field Version)"
ok "built ${package[0]}"

# Warnings fail too, so that the README's word that there are none stays true.
lintian --fail-on error,warning "${package[0]}" || fail "lintian found errors or warnings"
ok "lintian"

"${apt[@]}" install "./${package[0]}" >"$work/apt-install.log" 2>&1 \
  || fail "apt-get install: $(cat "$work/apt-install.log")"
installed=yes
desktop-file-validate /usr/share/applications/tavni.desktop
ok "installed with apt-get"

start_display
home="$work/home"
player="$work/data/tavni"
mkdir -p "$home"
# A player's session: Debian's PATH for users, which holds /usr/games, and the menu entry's command.
player_path=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games
[[ "$(PATH=$player_path command -v tavni)" == /usr/bin/tavni && "$(readlink -f /usr/bin/tavni)" == /usr/games/tavni ]] \
  || fail "tavni is not /usr/bin/tavni, a link to /usr/games/tavni"
read -ra command < <(sed -n 's/^Exec=//p' /usr/share/applications/tavni.desktop)
env -u QT_QPA_PLATFORM HOME="$home" XDG_DATA_HOME="$work/data" PATH="$player_path" \
  SDL_AUDIODRIVER=dummy "${command[@]}" >"$work/game.log" 2>&1 &
game_pid=$!
answer_name_prompt "Tester"
window=$(main_window) || fail "no main window: $(cat "$work/game.log")"
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q
timeout 10 tail --pid="$game_pid" -f /dev/null || fail "the game did not close on Ctrl+Q"
wait "$game_pid" || fail "the game ended with an error: $(cat "$work/game.log")"
game_pid=""
for file in game.dat profiles.dat data.dat; do
  [[ -f "$player/$file" && ! -L "$player/$file" ]] || fail "$file was not written in $player"
done
[[ "$(readlink "$player/data")" == /usr/share/tavni/data ]] || fail "data links to $(readlink "$player/data")"
ok "played from the menu entry: the three files are in $player"

saved=$(cd "$player" && md5sum game.dat profiles.dat data.dat)
"${apt[@]}" remove tavni >"$work/apt-remove.log" 2>&1 || fail "apt-get remove: $(cat "$work/apt-remove.log")"
installed=no
for path in /usr/bin/tavni /usr/games/tavni /usr/libexec/tavni /usr/share/tavni; do
  [[ ! -e "$path" ]] || fail "$path is left after the removal"
done
[[ "$(cd "$player" && md5sum game.dat profiles.dat data.dat)" == "$saved" ]] \
  || fail "the player's files changed or went with the package"
ok "removed with apt-get; the player's folder and its files stay"

echo "deb-check: $passed passed, 0 failed"
