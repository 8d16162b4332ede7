#!/usr/bin/env bash
# Starts Tavni from the run folder given as $1, in the player's own working directory
# ($XDG_DATA_HOME/tavni), where the player's files live and the content folders are linked.
set -euo pipefail
content=$(cd "$1" && pwd)
player_dir="${XDG_DATA_HOME:-$HOME/.local/share}/tavni"
mkdir -p "$player_dir"
for folder in languages data; do
  target="$player_dir/$folder"
  if [[ -L "$target" || ! -e "$target" ]]; then
    ln -sfn "$content/$folder" "$target"
  fi
done
cd "$player_dir"
exec "$content/tavni"
