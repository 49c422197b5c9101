#!/usr/bin/env bash
# Times imports and exports: a 1,000-card address book with photos (made by
# tools/make_address_book.py) from choosing the file to the preview painted
# in the real dialog, and as whole tessolar-cli processes in one hyperfine
# run: the same book's --dry-run listing, importing 400 cards into a new
# calendar, and exporting that full calendar as iCalendar.
# Usage: bench/import_export.sh [BUILD_DIR]   (default: build; installs
# hyperfine, imagemagick and xvfb when missing). RUNS sets the runs (10).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
source bench/needs.sh
built_cli "$build"
needs hyperfine convert:imagemagick python3 xvfb-run:xvfb
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 tools/make_address_book.py 1000 "$work/book.vcf" --photos
python3 tools/make_address_book.py 400 "$work/book400.vcf" --photos
echo "address books: $(du -h "$work/book.vcf" | cut -f1) for 1,000 cards, $(du -h "$work/book400.vcf" | cut -f1) for 400"
"$cli" new "$work/empty.cal" --year 2027 --country 0
cp "$work/empty.cal" "$work/full.cal"
"$cli" import "$work/full.cal" "$work/book400.vcf" | tail -1
echo "full calendar: $("$cli" dump "$work/full.cal" | wc -l) lines"

xvfb-run -a "$build/bench/tessolar-import-bench" "$work/book.vcf"
hyperfine --runs "${RUNS:-10}" --warmup 1 --style basic --export-json "$work/times.json" \
  --prepare "cp $work/empty.cal $work/new.cal; rm -rf '$work/new pictures'" \
  -n "import --dry-run, 1,000 cards" "$cli import $work/empty.cal $work/book.vcf --dry-run" \
  -n "import 400 cards with photos" "$cli import $work/new.cal $work/book400.vcf" \
  -n "export the full calendar" "$cli export $work/full.cal -o $work/full.ics"
python3 -c 'import json, sys
for r in json.load(open(sys.argv[1]))["results"]:
    print("median %6.1f ms  %s" % (r["median"] * 1000, r["command"]))' "$work/times.json"
echo "export: $(grep -c BEGIN:VEVENT "$work/full.ics") events, $(du -h "$work/full.ics" | cut -f1)"
