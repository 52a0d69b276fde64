#!/usr/bin/env bash
# Runs the real minpairs on a copy of the worked example and compares the three
# output files and the summary byte for byte.
# Usage: end_to_end.sh MINPAIRS WORKED_EXAMPLE_FOLDER EXPECTED_STDOUT
set -euo pipefail
minpairs=$1
fixture=$2
expected_stdout=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/output"
cp "$fixture/in.txt" "$work/in.txt"
(cd "$work" && "$minpairs" K G >stdout.txt 2>stderr.txt)

status=0
compare() {
  if ! cmp -s "$1" "$2"; then
    echo "differs: $(basename "$1")"
    diff <(od -c "$1") <(od -c "$2") || true
    status=1
  fi
}
for expected in "$fixture"/expected/*; do
  compare "$expected" "$work/output/$(basename "$expected")"
done
compare "$expected_stdout" "$work/stdout.txt"
[ "$(wc -l <"$work/stderr.txt")" -eq 4 ] || { echo "expected four status lines"; cat "$work/stderr.txt"; status=1; }
[ "$(ls "$work/output" | wc -l)" -eq 3 ] || { echo "expected exactly three output files"; ls "$work/output"; status=1; }
exit $status
