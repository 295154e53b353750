#!/usr/bin/env bash
# Runs the fuzz targets (fuzz/*_fuzz.cpp) on their seed corpora and
# dictionaries, with ASan and UBSan, and prints one line per target.
#   scripts/fuzz.sh [--time SECONDS | --runs N] [--jobs J] [TARGET...]
# Default: every target for 60 seconds, two at a time. New inputs that reach
# new code go to build/fuzz/corpus/TARGET, not to the seeds in the
# repository; an input that fails is saved as build/fuzz/artifacts/TARGET-*.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."

limit=(-max_total_time=60)
jobs=2
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --time) limit=(-max_total_time="$2"); shift 2 ;;
        --runs) limit=(-runs="$2"); shift 2 ;;
        --jobs) jobs=$2; shift 2 ;;
        -*) echo "usage: $0 [--time SECONDS | --runs N] [--jobs J] [TARGET...]" >&2; exit 2 ;;
        *) targets+=("$1"); shift ;;
    esac
done
all=(evaluator number_text matrix_text expression_file polynomial logic graph cli)
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

# The longest input each target is given. The readers refuse long texts early
# (1023 characters for an expression, 5000 for a polynomial); short inputs
# reach the same code many times faster. Polynomial chains of 128 characters
# reach every edge that longer ones do, and the cost of a product grows with
# the square of its length.
max_len() {
    case "$1" in
        expression_file) echo 4096 ;;
        evaluator|matrix_text|graph) echo 512 ;;
        cli) echo 1024 ;;
        polynomial) echo 128 ;;
        *) echo 256 ;;
    esac
}

dir=${ZENTOVA_FUZZ_DIR:-$PWD/build/fuzz}
cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZENTOVA_FUZZ=ON -DZENTOVA_BUILD_GUI=OFF -DZENTOVA_BUILD_TESTS=OFF \
    -DZENTOVA_BUILD_BENCH=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)" --target "${targets[@]/%/_fuzz}"

run_one() {
    local t=$1 corpus=$dir/corpus/$1 log=$dir/logs/$1.log
    mkdir -p "$corpus" "$dir/logs" "$dir/artifacts"
    local dict=()
    [ -f "fuzz/dict/$t.dict" ] && dict=(-dict="$PWD/fuzz/dict/$t.dict")
    ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1 \
        "$dir/fuzz/${t}_fuzz" "${limit[@]}" -max_len="$(max_len "$t")" "${dict[@]}" \
        -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$dir/artifacts/$t-" "$corpus" "$PWD/fuzz/corpus/$t" >"$log" 2>&1
}

summary() {
    local t=$1 status=$2 log=$dir/logs/$1.log
    local runs cov edges
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(sed -n 's/.* cov: \([0-9]*\) .*/\1/p' "$log" | tail -1)
    edges=$(sed -n 's/.*(\([0-9]*\) inline 8-bit counters).*/\1/p' "$log" | head -1)
    printf '%-16s %-6s %12s executions  %6s of %6s edges\n' "$t" "$status" "${runs:-?}" \
        "${cov:-?}" "${edges:-?}"
}

failed=0
pids=()
names=()
finish() {  # waits for the oldest run
    local status=ok
    wait "${pids[0]}" || status=FAILED
    [ "$status" = ok ] || failed=1
    summary "${names[0]}" "$status"
    [ "$status" = ok ] || tail -n 40 "$dir/logs/${names[0]}.log"
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
}
for t in "${targets[@]}"; do
    run_one "$t" &
    pids+=($!)
    names+=("$t")
    if [ ${#pids[@]} -ge "$jobs" ]; then finish; fi
done
while [ ${#pids[@]} -gt 0 ]; do finish; done
exit $failed
