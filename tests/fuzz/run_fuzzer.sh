#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time, first over every regression
# case, then fuzzing on a copy of the seed corpus so the sources stay as they are.
#   run_fuzzer.sh TARGET SEED_CORPUS WORK_DIR SECONDS
set -euo pipefail
target=$1 seeds=$2 work=$3 seconds=$4
rm -rf "$work"
mkdir -p "$work/corpus" "$work/artifacts"
cp -r "$seeds"/. "$work/corpus/"
"$target" -runs=0 "$seeds"
"$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/artifacts/" \
    "$work/corpus" 2>"$work/log" || { tail -40 "$work/log"; exit 1; }
grep -E 'stat::number_of_executed_units|Done' "$work/log" | tail -2
echo "1 passed, 0 failed"
