#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz (clang, AddressSanitizer, UBSan) in build-fuzz and runs
# each for SECONDS (default 30), two at a time. New inputs the fuzzer finds are kept in
# build-fuzz/corpus/<target> for the next run; the committed seeds in tests/fuzz/corpus are only
# read. Prints the executions and crashes of every target and fails when any target crashed; the
# input that crashed it is kept in build-fuzz/crashes/<target>.
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
build=build-fuzz
parallel=2

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DPRESSLANE_TESTS=OFF -DPRESSLANE_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_targets

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for dir in tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

# The targets write record files, entries and downloads for every input: in memory (/dev/shm)
# when the machine has it, since every write ends in fsync.
scratch=$(mktemp -d /dev/shm/presslane-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT

logs="$build/fuzz-logs"
rm -rf "$logs"
mkdir -p "$logs"
run_one() {
    local name=$1
    local work="$build/corpus/$name" crashes="$build/crashes/$name" tmp="$scratch/$name"
    mkdir -p "$work" "$crashes" "$tmp"
    # Temporary folders the targets make go to their own place and are cleared after the run.
    local rc=0
    TMPDIR="$tmp" "$build/tests/fuzz/${name}_fuzz" -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$crashes/" "$work" "tests/fuzz/corpus/$name" \
        >"$logs/$name.log" 2>&1 || rc=$?
    echo "$rc" >"$logs/$name.rc"
}

running=0
for name in "${targets[@]}"; do
    if [ ! -x "$build/tests/fuzz/${name}_fuzz" ]; then
        echo "no fuzz target named $name" >&2
        exit 2
    fi
    run_one "$name" &
    running=$((running + 1))
    if [ "$running" -ge "$parallel" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait

failed=0
printf '%-14s %14s %8s\n' target executions crashes
for name in "${targets[@]}"; do
    log="$logs/$name.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rc=$(cat "$logs/$name.rc" 2>/dev/null || echo 1)
    crashes=0
    [ "$rc" = 0 ] || crashes=1
    printf '%-14s %14s %8s\n' "$name" "${runs:-?}" "$crashes"
    if [ "$crashes" != 0 ]; then
        failed=1
        echo "--- $name: $(grep -m1 -E 'ERROR|broken promise|runtime error' "$log" || echo "exit $rc")"
        grep -m1 'Test unit written to' "$log" || true
    fi
done
if [ "$failed" != 0 ]; then
    echo "fuzzing found a crash; logs in $logs" >&2
    exit 1
fi
