#!/usr/bin/env bash
# scripts/choose-word-list keeps a list that is there byte for byte, copies the
# sample list only where there is none, makes the output folder and says which.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/own" "$work/none"
printf 'K AE1 T\r\nmine \xE9\n' >"$work/own/in.txt"
cp "$work/own/in.txt" "$work/own.txt"

status=0
expect() {  # what it said, what it should have said
  if [ "$1" != "$2" ]; then printf 'said:     %s\nexpected: %s\n' "$1" "$2"; status=1; fi
}
expect "$(bash "$root/scripts/choose-word-list" "$work/own")" "Using your list $work/own/in.txt"
expect "$(bash "$root/scripts/choose-word-list" "$work/none")" \
  "No in.txt there yet: copied the sample list samples/in.txt to $work/none/in.txt"
cmp "$work/own.txt" "$work/own/in.txt" || status=1
cmp "$root/samples/in.txt" "$work/none/in.txt" || status=1
[ -d "$work/own/output" ] && [ -d "$work/none/output" ] || { echo "no output folder"; status=1; }
exit $status
