#!/usr/bin/env bash
# Builds the libFuzzer targets (the "fuzz" preset, clang) and runs each one from its seed corpus
# in fuzz/corpus/<name> for a while; new inputs go to a scratch folder, never into the repository.
#   scripts/fuzz.sh [SECONDS] [NAME...]     (default: 5 seconds each, every target)
# A crash, a leak or a sanitizer report stops the run with the input saved beside the corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-5}
shift || true
names=("$@")
if ((${#names[@]} == 0)); then
    for corpus in fuzz/corpus/*/; do names+=("$(basename "$corpus")"); done
fi

bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target "${names[@]/#/fuzz_}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for name in "${names[@]}"; do
    echo "=== fuzz_$name: $seconds s ==="
    mkdir -p "$scratch/$name"
    if ! "build/fuzz/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="fuzz/corpus/$name-crash-" "$scratch/$name" "fuzz/corpus/$name" \
        2>"$scratch/$name.log"; then
        tail -n 60 "$scratch/$name.log"
        echo "fuzz_$name failed; the input is saved as fuzz/corpus/$name-crash-*"
        exit 1
    fi
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" \
        "$scratch/$name.log" | tr '\n' ' '
    echo
done
