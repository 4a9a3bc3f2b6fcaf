#!/usr/bin/env bash
# One short, repeatable fuzzing pass for the test command:
#   check.sh FUZZER SEED_CORPUS RUNS ARTIFACT_DIR
# Starts from the checked-in seeds; what the pass adds goes to a temporary folder, so the seeds
# stay as they are. A finding is kept in ARTIFACT_DIR.
set -euo pipefail
fuzzer=$1 seeds=$2 runs=$3 artifacts=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artifacts"
"$fuzzer" -runs="$runs" -seed=1 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$artifacts/$(basename "$fuzzer")-" "$work" "$seeds"
