#!/usr/bin/env bash
# Times printing whole calendars to PDF with tessolar-cli, as whole processes
# in one hyperfine run, and reports each run's peak memory and PDF size:
#   the sample calendar's year as a booklet (26 sheets) and as a wall calendar (13)
#   the same with twelve 4000 x 3000 JPEG photos as its big pictures
# Usage: bench/print_sheets.sh [BUILD_DIR]   (default: build; installs
# hyperfine and imagemagick when missing). RUNS sets the runs (10).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
source bench/needs.sh
built_cli "$build"
needs hyperfine convert:imagemagick pdfinfo:poppler-utils python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Twelve photographs' worth of detail: plasma noise, as a camera's JPEG.
cp resources/sample.cal "$work/sample.cal"
cp resources/sample.cal "$work/photos.cal"
mapfile -t pictures < <("$cli" dump resources/sample.cal | grep -P '^[^\t]+\t[^\t]+$' | tail -12 | cut -f1)
for i in "${!pictures[@]}"; do
  photo="$work/photo$i.jpg"
  convert -size 1000x750 -seed "$i" plasma: -resize 4000x3000 +noise Gaussian -quality 90 "$photo"
  sed -i "s|^${pictures[$i]}\t|$photo\t|" "$work/photos.cal"
done
echo "photos: $(du -ch "$work"/photo*.jpg | tail -1 | cut -f1) in 12 JPEG files of $(identify -format '%wx%h' "$work/photo0.jpg")"

runs=()
for calendar in sample photos; do
  for layout in booklet wall; do
    runs+=("--command-name=$calendar $layout"
           "$cli pdf $work/$calendar.cal --paper a4 --layout $layout -o $work/$calendar-$layout.pdf")
  done
done
hyperfine --warmup 1 --runs "${RUNS:-10}" --export-json "$work/times.json" "${runs[@]}" >/dev/null
for ((i = 1; i < ${#runs[@]}; i += 2)); do
  name=${runs[$((i - 1))]#--command-name=}
  pdf=${runs[$i]##* }
  # GNU time's peak is the largest of the CLI and the printer it waits for.
  peak=$(/usr/bin/time -f %M ${runs[$i]} 2>&1 >/dev/null | tail -1)
  median=$(python3 -c "import json,sys; r=[x for x in json.load(open(sys.argv[1]))['results'] if x['command']==sys.argv[2]][0]; print('%.2f' % r['median'])" "$work/times.json" "$name")
  printf '%-16s median %6s s  peak %5d MiB  PDF %s, %s sheets\n' "$name" "$median" $((peak / 1024)) \
    "$(du -h "$pdf" | cut -f1)" "$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')"
done
