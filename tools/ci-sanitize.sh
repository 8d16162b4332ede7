#!/usr/bin/env bash
# CI: the whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer, leaks
# checked at every exit, in build-asan (clang, or gcc without it); then each libFuzzer target
# built in build-fuzz (clang) and run for a bounded time from its seeds.
# Usage: tools/ci-sanitize.sh [seconds per fuzz target, default 60]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-60}
"$root/tools/install-deps.sh"

san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
if command -v clang++ >/dev/null; then cxx=clang++; else cxx=g++; fi
configure() { # folder, extra cmake arguments...
    local folder=$1; shift
    cmake -S "$root" -B "$root/$folder" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER="$cxx" \
        -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="$san" "$@" >/dev/null
}

# Qt, fontconfig and SDL are not instrumented; their known one-time allocations are suppressed
# by name in lsan.supp, nothing of ours.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$root/tests/fuzz/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Only what ctest runs: the test programs, and the game for the end-to-end tests.
configure build-asan
tests=$(cd "$root/build-asan" && ctest -N | sed -n 's/^ *Test *#[0-9]*: //p')
# Tests named after their program; the others (end-to-end scripts, a second run of a program,
# the song checker) need only the game and its content.
known=$(cmake --build "$root/build-asan" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')
targets=(tavni tavni_content tavni_lrelease)
for t in $tests; do grep -qx "$t" <<<"$known" && targets+=("$t"); done
cmake --build "$root/build-asan" -j2 --target "${targets[@]}"
(cd "$root/build-asan" && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j2)

cxx=clang++
configure build-fuzz -DTAVNI_FUZZ=ON
readers=(level settings profiles results module)
cmake --build "$root/build-fuzz" -j2 --target "${readers[@]/#/fuzz_}"

# Each input is written to a file and the player's files are saved with fsync: on tmpfs that is
# twice as fast.
[[ -w /dev/shm ]] && export TMPDIR=/dev/shm
# Two at a time on two cores. New inputs go to build-fuzz/corpus; the seeds are read only.
# Absolute paths: a target makes a scratch folder its working directory before reading them.
fuzz() { # reader, extra corpus folders...
    local reader=$1; shift
    local dict=$root/tests/fuzz/$reader.dict
    # libopenmpt, not instrumented, builds a damaged module's orders and patterns from the counts
    # in its header: a mutated song can take well over a gigabyte (2.2 GB under ASan for one
    # XM whose order count became 65291). That is the library's, not a fault of ours.
    local rss=2048
    [[ $reader == module ]] && rss=4096
    mkdir -p "$root/build-fuzz/corpus/$reader"
    cd "$root/build-fuzz"
    SDL_AUDIODRIVER=dummy "./tests/fuzz_$reader" -max_total_time="$seconds" -timeout=10 \
        -malloc_limit_mb=64 -rss_limit_mb="$rss" -print_final_stats=1 \
        -artifact_prefix="$root/build-fuzz/crash-$reader-" $([[ -f $dict ]] && echo "-dict=$dict") \
        "$root/build-fuzz/corpus/$reader" "$root/tests/fuzz/seeds/$reader" "$root/tests/regression/$reader" "$@" \
        >"fuzz-$reader.log" 2>&1
}
status=0
pids=()
fuzz level "$root/resources/levels" & pids+=($!)
fuzz settings & pids+=($!)
wait "${pids[0]}" || status=1; wait "${pids[1]}" || status=1; pids=()
fuzz profiles & pids+=($!)
fuzz results & pids+=($!)
wait "${pids[0]}" || status=1; wait "${pids[1]}" || status=1; pids=()
fuzz module "$root/data/music" || status=1
for reader in "${readers[@]}"; do
    log=$root/build-fuzz/fuzz-$reader.log
    echo "fuzz_$reader: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions"
done
if [[ $status -ne 0 ]]; then
    for reader in "${readers[@]}"; do tail -n 40 "$root/build-fuzz/fuzz-$reader.log"; done
    echo "A fuzz target failed: the input is in build-fuzz/crash-*; keep it in tests/regression." >&2
fi
exit $status
