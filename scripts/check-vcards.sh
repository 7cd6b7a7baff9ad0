#!/usr/bin/env bash
# Reads the cards the client exports with two independent vCard readers, libebook-contacts and
# KContacts, and checks that every value they decode equals the one in the store: the sample
# users' cards, and those of users with hostile values written into the store.
#   scripts/check-vcards.sh CLIENT
set -euo pipefail
cd "$(dirname "$0")/.."

if (($# != 1)); then
    echo "usage: $0 CLIENT" >&2
    exit 2
fi
client=$(realpath "$1")
[ -x "$client" ] || { echo "$0: $1 is not a program" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S tests/interop -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" -j 2 >/dev/null

# A fresh data folder: the client fills it with the sample users on its first run.
"$client" --data "$work/data" users >/dev/null
mkdir "$work/cards"
python3 tests/interop/check_cards.py --client "$client" --data "$work/data" \
    --readers "$work/build" --work "$work/cards"
