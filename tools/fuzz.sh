#!/bin/bash
# Builds the libFuzzer targets of the readers of outside data with clang and runs each for a
# while from the corpus kept in tests/fuzz/corpus. Not part of CI: the bounded mutation runs of
# the test suite cover the same readers there.
#   tools/fuzz.sh [seconds per target, default 600] [target ...]
# Targets: settings font items preferences phrases picture wav (all by default). New inputs go
# to build/fuzz/runs/<target>/, findings to build/fuzz/runs/<target>-crash-*, -timeout-*, -oom-*, -leak-*;
# replay one with build/fuzz/fuzz/fuzz_<target> <file>.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings font items preferences phrases picture wav)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" \
    -DMQ_BUILD_FUZZERS=ON -DMQ_BUILD_TESTS=OFF -DMQ_BUILD_ASSETS=OFF >/dev/null
cmake --build build/fuzz -j4

export ALSOFT_DRIVERS=null
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
    mkdir -p "build/fuzz/runs/$target"
    echo "== fuzz_$target for ${seconds} s"
    "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -malloc_limit_mb=1024 -print_final_stats=1 -artifact_prefix="build/fuzz/runs/$target-" \
        "build/fuzz/runs/$target" "tests/fuzz/corpus/$target" \
        2>"build/fuzz/runs/$target.log" || status=1
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|SUMMARY|==[0-9]+==ERROR)" \
        "build/fuzz/runs/$target.log" || true
done
exit $status
