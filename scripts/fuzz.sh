#!/bin/sh
# Builds the libFuzzer targets of fuzz/ (native clang build, ASan and UBSan)
# and runs each one, printing how many inputs it executed.
#   scripts/fuzz.sh             each target for ZRK_FUZZ_SECONDS (default 60) s;
#                               new inputs are kept in <build>/fuzz/corpus
#   scripts/fuzz.sh --regress   each target over its committed seeds, then
#                               ZRK_FUZZ_SECONDS (default 5) s from a fresh corpus
# A failing input is saved as <build>/fuzz/crash-<target>-*; the script then
# prints the fuzzer's report and fails.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRK_BUILD_DIR:-$root/build}/fuzz
jobs=$(nproc 2>/dev/null || echo 2)
mode=${1:-run}
if [ "$mode" = --regress ]; then
    seconds=${ZRK_FUZZ_SECONDS:-5}
else
    seconds=${ZRK_FUZZ_SECONDS:-60}
fi

cmake -S "$root" -B "$build" -DZRK_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j "$jobs" --target zrk_fuzzers >/dev/null

# The count from libFuzzer's closing line "Done N runs in S second(s)".
runs() { sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$1" | tail -n 1; }

fail() {
    echo "$1: FAILED" >&2
    tail -n 40 "$2" >&2
    exit 1
}

for source in "$root"/fuzz/*_fuzzer.cpp; do
    target=$(basename "$source" .cpp)
    seeds="$root/fuzz/corpus/$target"
    log="$build/$target.log"
    if [ "$mode" = --regress ]; then
        "$build/fuzz/$target" -runs=0 "$seeds" >"$log" 2>&1 || fail "$target seeds" "$log"
        printf '%-22s %4s seeds replayed\n' "$target" "$(ls "$seeds" | wc -l)"
        corpus="$build/regress/$target"
        rm -rf "$corpus"
    else
        corpus="$build/corpus/$target"
    fi
    mkdir -p "$corpus"
    "$build/fuzz/$target" -max_total_time="$seconds" -seed=1 -print_final_stats=1 \
        -artifact_prefix="$build/crash-$target-" "$corpus" "$seeds" >"$log" 2>&1 || fail "$target" "$log"
    printf '%-22s %10s executions in %s s\n' "$target" "$(runs "$log")" "$seconds"
done
