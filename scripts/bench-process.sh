#!/usr/bin/env bash
# Times whole nuvclient runs from start to exit, what a person waits for, with hyperfine:
# opening the owner's window, drawing it to a picture, and listing 100,000 contacts, beside Qt
# alone drawing one label to a picture when that is built. Prints the median of each beside its
# target.
#   scripts/bench-process.sh [BUILD_FOLDER]    (default build/default, built beforehand)
set -euo pipefail
cd "$(dirname "$0")/.."

client=${1:-build/default}/client/nuvclient
[ -x "$client" ] || { echo "no $client: build the default preset first"; exit 1; }
command -v hyperfine >/dev/null || { echo "hyperfine is not installed (apt-get install hyperfine)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$client" --data "$work/sample" users >/dev/null
cp -r "$work/sample" "$work/large"
sqlite3 "$work/large/nuvclient.db" "
    WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)
    INSERT INTO users SELECT 3000000 + i, 'contact', 'Contact ' || i FROM n;"
[ "$("$client" --data "$work/large" users | wc -l)" -gt 100000 ] || { echo "the large store lists too few users"; exit 1; }

# Beside them, the floor under `shot`: Qt alone drawing one label to a picture.
floor=${1:-build/default}/bench/qt_label_shot
floor_command=()
[ -x "$floor" ] && floor_command=(-n "Qt alone, one label" "$floor $work/label.png")

hyperfine -N --warmup 3 --runs "${RUNS:-30}" --export-json "$work/results.json" \
    -n "open owner" "$client --data $work/sample open owner" \
    -n "shot owner" "$client --data $work/sample shot owner $work/owner.png" \
    -n "users, 100,000 contacts" "$client --data $work/large users" \
    "${floor_command[@]}"
# The median of each, beside its target.
python3 - "$work/results.json" <<'PY'
import json, sys
targets = {"open owner": "30 ms", "shot owner": "60 ms", "users, 100,000 contacts": "100 ms"}
print(f"{'command':<26}{'median':>10}{'target':>10}")
for result in json.load(open(sys.argv[1]))["results"]:
    name = result["command"]
    print(f"{name:<26}{result['median'] * 1000:>8.1f} ms{targets.get(name, '-'):>10}")
PY
