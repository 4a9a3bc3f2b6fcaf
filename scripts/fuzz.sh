#!/usr/bin/env bash
# Fuzzes every fuzz target (or the ones named) for SECONDS each and prints executions per second and
# corpus size:
#   scripts/fuzz.sh SECONDS [TARGET...]
# Builds the targets with clang into build/fuzz (or $BUILD_DIR/fuzz). What a run finds stays in
# build/fuzz/work/<target> for the next run; findings are written to build/fuzz/artifacts.
# To fold new inputs into the checked-in seeds: <target> -merge=1 fuzz/corpus/<target> <work>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
build=${BUILD_DIR:-build}/fuzz
cxx=$(command -v clang++-14 || command -v clang++)
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
ninja -C "$build" >/dev/null
mkdir -p "$build/logs" "$build/artifacts"
status=0
printf '%-22s %10s %12s %8s %10s  %s\n' target exec/s executions corpus size result
[ $# -gt 0 ] || set -- "$build"/*_fuzzer
for fuzzer in "$@"; do
    name=$(basename "$fuzzer")
    fuzzer=$build/$name
    work=$build/work/$name
    log=$build/logs/$name.log
    mkdir -p "$work"
    result=ok
    "$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-" "$work" "fuzz/corpus/$name" >"$log" 2>&1 ||
        { result="FINDING, see $log"; status=1; }
    rate=$(sed -n 's/^stat::average_exec_per_sec:[[:space:]]*//p' "$log")
    units=$(sed -n 's/^stat::number_of_executed_units:[[:space:]]*//p' "$log")
    corpus=$(grep -o 'corp: [0-9]*/[0-9]*[a-zA-Z]*' "$log" | tail -1 | cut -d' ' -f2)
    printf '%-22s %10s %12s %8s %10s  %s\n' "$name" "${rate:-?}" "${units:-?}" \
        "${corpus%%/*}" "${corpus#*/}" "$result"
done
exit $status
