#!/usr/bin/env bash
# Installs what is missing, builds Tavni and starts it; the player's files stay across rebuilds.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/build.sh"
# The build's launcher (dist/tavni.in, the same as the installed bin/tavni) runs build/run's game.
exec "$root/build/tavni"
