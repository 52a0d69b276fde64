#!/usr/bin/env bash
# Opens the survey page of a word list in headless Chromium and fails on any
# console message: the page's Content-Security-Policy turns every request
# outside the file into one. Exits 77 (skipped) when Chromium is missing.
# Usage: survey_page.sh MINPAIRS WORD_LIST
set -euo pipefail
minpairs=$1
word_list=$2
chromium=$(command -v chromium || command -v chromium-browser || true)
[ -n "$chromium" ] || { echo "chromium is not installed: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/output" "$work/profile"
cp "$word_list" "$work/in.txt"
"$minpairs" --survey --quiet --dir "$work" >/dev/null
page="$work/output/SurveyOfMinimalPairs.html"
grep -q "Content-Security-Policy\" content=\"default-src 'none'" "$page" ||
  { echo "the page has no strict Content-Security-Policy"; exit 1; }

timeout 120 "$chromium" --no-sandbox --headless --disable-gpu --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --enable-logging=stderr --log-level=0 \
  --dump-dom "file://$page" >"$work/dom.html" 2>"$work/log.txt"
grep -q '</table>' "$work/dom.html" || { echo "the page did not load"; cat "$work/log.txt"; exit 1; }
if grep ':CONSOLE' "$work/log.txt"; then
  echo "the page logged to the console (above)"
  exit 1
fi
echo "the page loaded without console messages"
