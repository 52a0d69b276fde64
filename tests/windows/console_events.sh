#!/usr/bin/env bash
# Sends SIGINT, which wine turns into Ctrl+C for a console program, to
# minpairs.exe at random moments of its runs, and checks that every output name
# then holds the complete file of an uninterrupted run or nothing, and that no
# temporary file is left. Needs the wine set up by scripts/check-windows.
# Usage: console_events.sh MINPAIRS_EXE
set -euo pipefail
minpairs=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/reference/output" "$work/run/output"
awk 'BEGIN { srand(7); split("K G T D P B S Z AE1 IH1 OW1 UW1 N M L R", s, " ");
  for (i = 0; i < 2400000; i++) { w = s[1 + int(rand() * 16)];
    for (j = 0; j < 3 + int(rand() * 4); j++) w = w " " s[1 + int(rand() * 16)]; print w } }' \
  >"$work/reference/in.txt"
cp "$work/reference/in.txt" "$work/run/in.txt"
names=("ListOfWordsWith K.txt" "ListOfWordsWith G.txt" "VendrelForKAndG.txt")
windows_path() { echo "Z:${1//\//\\}"; }

started=$(date +%s%N)
wine "$minpairs" --quiet --dir "$(windows_path "$work/reference")" K G </dev/null >/dev/null 2>&1
duration_us=$((($(date +%s%N) - started) / 1000))

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Up to a dozen runs, until four were interrupted while writing their files.
interrupted=0
for ((i = 0; i < 12 && interrupted < 4; i++)); do
  wine "$minpairs" --dir "$(windows_path "$work/run")" K G </dev/null >/dev/null 2>"$work/err.txt" &
  pid=$!
  # Past wine's start-up and most of the reading, into the writing.
  pause_us=$((duration_us / 2 + (RANDOM * 32768 + RANDOM) % (duration_us / 2)))
  sleep "$((pause_us / 1000000)).$(printf '%06d' $((pause_us % 1000000)))"
  kill -INT "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  if grep -q "^Making lists" "$work/err.txt" && ! grep -q "^Done!" "$work/err.txt"; then
    interrupted=$((interrupted + 1))
  fi
  for name in "${names[@]}"; do
    file="$work/run/output/$name"
    [ ! -e "$file" ] || cmp -s "$file" "$work/reference/output/$name" || fail "'$name' is not complete"
  done
  [ -z "$(find "$work/run/output" -name '.minpairs-*')" ] || fail "a temporary file was left"
done
[ "$interrupted" -gt 0 ] || fail "no run was interrupted while writing"
echo "$interrupted of $i runs interrupted by Ctrl+C while writing"
exit $((failures > 0))
