#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset) and runs each for a while.
#
#   tools/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS (default 60) is each target's time; without TARGETs every target in tests/fuzz runs,
# as many at once as there are processors. ZENTRIX_FUZZ_RUNS=N also stops a target after N executions.
#
# A target searches from its committed corpus in tests/fuzz/corpus/<target>, which it only reads:
# new inputs go to a scratch corpus, crash inputs to a scratch artifacts folder. Prints one line
# a target with its executions and executions per second; exits non-zero if any target failed,
# and then keeps the scratch folder and prints where the crash inputs and logs are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=${1:-60}
if [[ ! $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: tools/fuzz.sh [SECONDS] [TARGET...]" >&2
    exit 2
fi
if (($# > 0)); then
    shift
fi
if (($# > 0)); then
    targets=("$@")
else
    targets=()
    for source in tests/fuzz/*_fuzz.cpp; do
        name=${source##*/}
        targets+=("${name%.cpp}")
    done
fi
for target in "${targets[@]}"; do
    if [[ ! -f tests/fuzz/$target.cpp ]]; then
        echo "no fuzz target $target (expected tests/fuzz/$target.cpp)" >&2
        exit 2
    fi
done
runs=${ZENTRIX_FUZZ_RUNS:--1}
if [[ ! $runs =~ ^(-1|[1-9][0-9]*)$ ]]; then
    echo "ZENTRIX_FUZZ_RUNS must be a positive number of executions" >&2
    exit 2
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zentrix-fuzz.XXXXXX")

# Runs one target and leaves its line of the report in its scratch folder.
fuzz_one() {
    local target=$1 work=$scratch/$1 status=0 executions speed
    mkdir -p "$work/corpus" "$work/artifacts"
    # The scratch corpus comes first: libFuzzer writes new inputs to the first folder only.
    "build/fuzz/tests/fuzz/$target" -max_total_time="$seconds" -runs="$runs" \
        -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
        "$work/corpus" "tests/fuzz/corpus/$target" >"$work/log" 2>&1 || status=$?
    executions=$(awk '/^stat::number_of_executed_units:/ { print $2 }' "$work/log")
    speed=$(awk '/^stat::average_exec_per_sec:/ { print $2 }' "$work/log")
    if ((status == 0)); then
        outcome=ok
    else
        outcome="FAILED (exit $status), inputs in $work/artifacts, log $work/log"
    fi
    printf '%-20s %12s executions %8s exec/s  %s\n' "$target" "${executions:-?}" "${speed:-?}" \
        "$outcome" >"$work/outcome"
}

# As many targets at once as there are processors, each with one to itself.
for target in "${targets[@]}"; do
    while (($(jobs -rp | wc -l) >= $(nproc))); do
        wait -n || true
    done
    fuzz_one "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
    cat "$scratch/$target/outcome"
    grep -q " ok$" "$scratch/$target/outcome" || failed+=("$target")
done

if ((${#failed[@]} > 0)); then
    echo "failed: ${failed[*]} (scratch folder $scratch kept)" >&2
    exit 1
fi
rm -rf "$scratch"
