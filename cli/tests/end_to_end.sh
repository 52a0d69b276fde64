#!/usr/bin/env bash
# Runs the real minpairs on a copy of the worked example and compares every
# output byte for byte. Usage: end_to_end.sh MINPAIRS FIXTURE_FOLDER
set -euo pipefail
minpairs=$1
fixture=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/output"
cp "$fixture/in.txt" "$work/in.txt"
(cd "$work" && "$minpairs" K G >stdout.txt 2>stderr.txt)

status=0
for expected in "$fixture"/expected/*; do
  name=$(basename "$expected")
  actual="$work/output/$name"
  [ -e "$actual" ] || actual="$work/$name"
  if ! cmp -s "$expected" "$actual"; then
    echo "differs: $name"
    diff <(od -c "$expected") <(od -c "$actual") || true
    status=1
  fi
done
[ "$(ls "$work/output" | wc -l)" -eq 3 ] || { echo "expected exactly three output files"; ls "$work/output"; status=1; }
exit $status
