#!/usr/bin/env bash
# The tests again on two other sets of fonts: with more than the install script brings
# (fonts-urw-base35, which ghostscript pulls in, and fonts-dejavu-extra), and with only the fonts
# of the packages that tools/install-deps.sh installs, as on a fresh machine. The board's texts
# come in the game's own faces, so the outcome must not change. Needs build/ from tools/test.sh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root/build"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
extra=(fonts-urw-base35 fonts-dejavu-extra)
if [[ $(dpkg-query -W -f='${Status}\n' "${extra[@]}" 2>/dev/null | grep -c '^install ok installed$') -ne ${#extra[@]} ]]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${extra[@]}"
fi
run_tests() { QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j2 -E music_check; }

echo "== with ${extra[*]} installed"
run_tests

# The install script's font packages, read from the script itself.
packages=$(sed 's/#.*//' "$root/tools/install-deps.sh" | grep -o '\bfonts-[a-z0-9-]*' | sort -u)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Their font files, linked into one folder: other packages may share their folders.
mkdir "$work/fonts"
for package in $packages; do
  dpkg -L "$package" | grep -E '\.(ttf|otf|ttc)$' | xargs -r ln -sft "$work/fonts"
done
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>$work/fonts</dir><cachedir>$work/cache</cachedir>
<include ignore_missing="yes">/etc/fonts/conf.d</include></fontconfig>
CONF
echo "== with the fonts of $(echo $packages) only"
FONTCONFIG_FILE="$work/fonts.conf" fc-list : family | sort -u
FONTCONFIG_FILE="$work/fonts.conf" run_tests
