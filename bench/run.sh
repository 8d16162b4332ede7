#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks and prints the speed table (README, "Speed").
# Usage: bench/run.sh [build folder, default build] [benchmark options]
# e.g.   bench/run.sh build --benchmark_filter=press
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target tavni_bench
exec "$build/bench/tavni_bench" "${@:2}"
