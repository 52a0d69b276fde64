#!/usr/bin/env bash
# Runs the real minpairs as a file manager's "Open with" does, with the path of
# a lexicon as its only argument, and a stand-in for xdg-open on the PATH that
# notes what it was asked to open: once opening, once failing (status 3, as
# xdg-open ends without a browser).
# Usage: file_alone.sh MINPAIRS
set -euo pipefail
minpairs=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/bin" "$work/Wörter"
printf 'transcription\tspelling\nK AE1 T\tcat\nG AE1 T\tgat\n' >"$work/Wörter/lexicon.tsv"
cat >"$work/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$@" >>"$work/opened"
exit \${OPENER_STATUS:-0}
SCRIPT
chmod +x "$work/bin/xdg-open"

status=0
expect() {  # WHAT EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    printf '%s differs:\n--- expected\n%s\n--- actual\n%s\n' "$1" "$2" "$3"
    status=1
  fi
}

folder="$work/Wörter"
summary="4 symbols, 2 ordered pairs of symbols with minimal pairs, 2 minimal pairs in all.
The files are in '$folder/output'."
(cd "$work" && PATH="$work/bin:$PATH" "$minpairs" "Wörter/lexicon.tsv" </dev/null >out.txt 2>err.txt) ||
  { echo "status $? for a lexicon given alone"; status=1; }
expect stdout "$summary" "$(cat "$work/out.txt")"
expect "opened page" "$folder/output/SurveyOfMinimalPairs.html" "$(cat "$work/opened")"
expect "output files" "SurveyOfContrasts.tsv
SurveyOfFunctionalLoad.tsv
SurveyOfMinimalPairs.html
SurveyOfMinimalPairs.tsv
SurveyOfSymbols.tsv" "$(ls "$folder/output")"

OPENER_STATUS=3 PATH="$work/bin:$PATH" "$minpairs" "$folder/lexicon.tsv" </dev/null \
  >"$work/out.txt" 2>"$work/err.txt" || { echo "status $? when the page cannot open"; status=1; }
expect stdout "$summary" "$(cat "$work/out.txt")"
expect "the note" "minpairs: note: cannot open '$folder/output/SurveyOfMinimalPairs.html' in a browser: xdg-open ended with status 3; open it from its folder" \
  "$(tail -n 1 "$work/err.txt")"
exit $status
