#!/usr/bin/env bash
# Draws docs/soundtrack.png: every song's spectrogram at the same time scale, from the WAVs check_modules.py renders (needs sox, ImageMagick).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
wavs=/tmp/tavni_music
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 "$root/tools/music/check_modules.py" --wav >/dev/null
for wav in "$wavs"/*.wav; do
  name=$(basename "$wav" .wav)
  sox "$wav" -n remix 1,2 rate 16000 spectrogram -X 2 -y 161 -z 80 -c "" -t "$name" -o "$tmp/$name.png"
done
montage "$tmp"/*.png -tile 2x -geometry +4+4 -background black -colors 96 "PNG8:$root/docs/soundtrack.png"
