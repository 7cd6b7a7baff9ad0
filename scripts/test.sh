#!/usr/bin/env bash
# Builds the project with each preset given (default: "default") and runs its tests.
#   scripts/test.sh [default|asan|tsan ...]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

presets=("$@")
((${#presets[@]})) || presets=(default)
jobs=$(nproc)
for preset in "${presets[@]}"; do
    echo "=== $preset ==="
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
