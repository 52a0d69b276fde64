#!/usr/bin/env bash
# Interrupts real runs of minpairs at random moments, with each signal whose
# default action ends it, and checks that every output name then holds the
# complete file of an uninterrupted run or nothing, and that no temporary file
# is left. Then the same with SIGKILL, whose leftover the next run removes.
# Usage: interruptions.sh MINPAIRS [RUNS_PER_SIGNAL]
set -euo pipefail
minpairs=$1
runs=${2:-4}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 300,000 words over a few symbols, so that a run takes a while.
mkdir -p "$work/reference/output" "$work/run/output"
awk 'BEGIN { srand(7); split("K G T D P B S Z AE1 IH1 OW1 UW1 N M L R", s, " ");
  for (i = 0; i < 300000; i++) { w = s[1 + int(rand() * 16)];
    for (j = 0; j < 3 + int(rand() * 4); j++) w = w " " s[1 + int(rand() * 16)]; print w } }' \
  >"$work/reference/in.txt"
cp "$work/reference/in.txt" "$work/run/in.txt"
names=("ListOfWordsWith K.txt" "ListOfWordsWith G.txt" "VendrelForKAndG.txt")
started=$(date +%s%N)
"$minpairs" --quiet --dir "$work/reference" K G >/dev/null
duration_us=$((($(date +%s%N) - started) / 1000))  # to spread the signals over a run

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Each name holds the reference file or nothing.
check_outputs() {
  local name
  for name in "${names[@]}"; do
    local file="$work/run/output/$name"
    [ -e "$file" ] || continue
    cmp -s "$file" "$work/reference/output/$name" || fail "$1: '$name' is not complete"
  done
}

temp_files() { find "$work/run/output" -name '.minpairs-*.partial' | wc -l; }

# Starts a run, sends the signal after a random part of a run's duration, and
# prints the run's exit status.
interrupted_run() {
  local signal=$1
  "$minpairs" --quiet --dir "$work/run" K G >/dev/null 2>&1 &
  local pid=$!
  local pause_us=$(((RANDOM * 32768 + RANDOM) % duration_us))
  sleep "$((pause_us / 1000000)).$(printf '%06d' $((pause_us % 1000000)))"
  kill -s "$signal" "$pid" 2>/dev/null || true
  local status=0
  wait "$pid" 2>/dev/null || status=$?
  echo "$status"
}

ended_by_signal=0
for signal in INT TERM HUP QUIT XFSZ USR1 ALRM; do
  number=$(kill -l "$signal")
  for ((i = 0; i < runs; i++)); do
    status=$(interrupted_run "$signal")
    # Either the run finished first, or the signal ended it (128 + its number).
    if [ "$status" -eq $((128 + number)) ]; then
      ended_by_signal=$((ended_by_signal + 1))
    elif [ "$status" -ne 0 ]; then
      fail "SIG$signal: exit status $status"
    fi
    check_outputs "SIG$signal"
    [ "$(temp_files)" -eq 0 ] || fail "SIG$signal: a temporary file was left"
  done
done

for ((i = 0; i < runs; i++)); do
  interrupted_run KILL >/dev/null
  check_outputs SIGKILL
done
# What SIGKILL left goes with the next run, which then completes.
"$minpairs" --quiet --dir "$work/run" K G >/dev/null
[ "$(temp_files)" -eq 0 ] || fail "the run after SIGKILL left a temporary file"
check_outputs "the run after SIGKILL"
for name in "${names[@]}"; do [ -e "$work/run/output/$name" ] || fail "'$name' missing at the end"; done

# Without interrupted runs the test would prove nothing.
[ "$ended_by_signal" -gt 0 ] || fail "no run was ended by a signal"
echo "$ended_by_signal runs ended by a signal"
exit $((failures > 0))
