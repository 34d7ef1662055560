#!/bin/bash
# Makes journal-v1.sqlite: a journal written by the program of schema 1 (the journal that
# stored the operator's texts), through its own code paths. Run from the source folder with
# that program built in build/:
#   bash tests/history/data/make-journal-v1.sh build tests/history/data/journal-v1.sqlite
# rusk-cli against rusk-sim keeps: an all-read (the indicator's product put back), a settings
# read, a products read, an all-write read back ("照合 OK"), a comparison read, an all-read
# stopped by Ctrl+C and an F800 read. The window's write of the settings with both options on
# (test_program's verifyAfterWritingShowsWhatTheIndicatorRefused) keeps a settings read, the
# values kept before the write under the write's name, and the write with its verdict.
set -euo pipefail
build=$1
target=$2
work=$(mktemp -d)
trap 'kill ${sims[@]:-} 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=offscreen
cli=$build/rusk-cli
sims=()

# Starts a simulator with the given options; its device in $dev.
sim() {
    local log=$work/sim${#sims[@]}.out
    "$build/tools/rusk-sim" "$@" >"$log" &
    sims+=($!)
    for _ in $(seq 100); do
        dev=$(head -n1 "$log")
        [ -n "$dev" ] && return
        sleep 0.1
    done
    echo "rusk-sim did not start" >&2
    exit 1
}

sim
"$cli" read "$dev" -q -o "$work/all.sqlite"
"$cli" read "$dev" -q --settings-only -o "$work/settings.sqlite"
"$cli" read "$dev" -q --products-only -o "$work/products.sqlite"
"$cli" write "$dev" -q -i "$work/all.sqlite" --verify
"$cli" diff "$dev" "$work/all.sqlite" >/dev/null

sim --delay 20
"$cli" read "$dev" -q -o "$work/stopped.sqlite" &
reader=$!
sleep 3
kill -INT $reader
wait $reader || [ $? -eq 130 ]

sim --model 800
"$cli" read "$dev" -q --model 800 -o "$work/f800.sqlite"

"$build/tests/test_program" verifyAfterWritingShowsWhatTheIndicatorRefused >/dev/null

journal=$XDG_DATA_HOME/rusk/journal.sqlite
[ ! -e "$journal-wal" ] || sqlite3 "$journal" 'PRAGMA wal_checkpoint(TRUNCATE)' >/dev/null
cp "$journal" "$target"
sqlite3 "$target" 'SELECT id, model, operation, direction, complete, note, value_count FROM snapshots'
