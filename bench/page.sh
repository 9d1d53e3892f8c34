#!/bin/sh
# Times the page's session() in headless Chromium on the batch of entries
# batch.sh answers, as the report and as CSV, beside the native program on
# the same input in the same run, each the fastest of seven; checks that
# both give the same bytes, and gives the page's size.
# Usage: page.sh PROGRAM PAGE
program=$1 page=$2
entries=${ENTRIES:-100000}
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
here=$(dirname "$0")
sh "$here/entries.sh" "$entries" >"$dir/input"
node "$here/page.js" "$(command -v chromium)" "$page" "$program" "$dir/input" "$entries"
