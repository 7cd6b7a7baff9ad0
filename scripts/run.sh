#!/usr/bin/env bash
# Sets up what the client needs, builds it and runs it on the shipped sample data:
#   scripts/run.sh [nuvclient arguments]      (default: open owner)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >&2
cmake --preset default >/dev/null
cmake --build --preset default --target nuvclient >&2

(($#)) || set -- open owner
exec build/default/client/nuvclient "$@"
