#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Tavni need; skips what is there.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git python3
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-qpa-plugins libgl-dev
  libsdl2-dev libsdl2-mixer-dev libopenmpt-dev
  libbenchmark-dev
  clang libclang-rt-14-dev llvm-14
  xvfb xdotool x11-utils imagemagick desktop-file-utils appstream
  weston qt6-wayland
  dpkg-dev file lintian
  # The build makes the board widget's faces from Liberation Serif and Noto Serif CJK with
  # fontTools (Debian's python3); the dialogs take the desktop's font, DejaVu here, with the
  # Chinese, Japanese and Korean characters from Noto CJK through fontconfig's fallback.
  fonts-liberation2 fonts-noto-cjk python3-fonttools fonts-dejavu-core fontconfig
  qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
