#!/usr/bin/env bash
# Times tessolar-cli as whole processes beside the tools a person would pick
# instead, each pair in one hyperfine run, and prints the medians and their
# ratio:
#   days of 2027 with the Jewish holidays         against hebcal -y 2027
#   days of 2027 of a region (Bavaria, Victoria)  against hebcal -y 2027
#   days of 2027 with the national holidays (US)  against gcal's holiday list
#                                                 of the District of Columbia
#   render --page all of an unordered calendar    against pcal printing the same
#   of 500 entries with pictures                  500 events as 12 months
# Usage: bench/compare_cli.sh [BUILD_DIR]   (default: build; installs
# hyperfine, hebcal, gcal and pcal when missing). RUNS sets the runs (200); CLI
# names another tessolar-cli to time, such as an older build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cli=${CLI:-$build/cli/tessolar-cli}
[ -x "$cli" ] || { echo "no $cli: build first (./build.sh test)" >&2; exit 1; }
source bench/needs.sh
needs hyperfine hebcal gcal pcal python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The calendar: the sample's settings with no computed days, then 500 entries
# in no date order, most of them with a shipped picture; pcal gets the same
# 500 events.
pictures=($(cd resources/clipart && ls -- *.jpg *.gif *.png))
"$cli" dump resources/sample.cal | awk -F'\t' '
  /\tClipartDirectory$/ { print; next }
  /\t(Christian|Hebrew|Equinox|FullMoons|National)$/ { print "0\t" $2; next }
  { print } NF == 2 && $2 == "TitleXPos, Y, Idx, Width" { exit }' >"$work/header"
{
  cat "$work/header"
  "$cli" dump resources/sample.cal | grep -P '^[^\t]+\t[^\t]+$' | tail -12
  echo 500
  for ((i = 0; i < 500; i++)); do
    month=$(((i * 7 + i / 12) % 12)) day=$((1 + (i * 13) % 28))
    picture=${pictures[i % ${#pictures[@]}]}
    ((i % 5 == 4)) && picture=null
    printf '%d\t%d\t%d\t1\t1\t0\tPerson %d\t%s\t0\t0\t%d\n' $month $day $((1940 + i % 80)) $i "$picture" $((1940 + i % 80))
    printf '%02d/%02d Person %d\n' $((month + 1)) $day $i >>"$work/events.txt"
  done
  echo 0
} >"$work/unordered.cal"

runs=${RUNS:-200}
# Runs one pair and prints: what, our median, theirs, the ratio.
compare() {
  local what=$1 ours=$2 theirs_name=$3 theirs=$4
  hyperfine -N --warmup 10 --runs "$runs" --export-json "$work/run.json" \
    -n tessolar-cli "$ours" -n "$theirs_name" "$theirs" >"$work/hyperfine.log" 2>&1 \
    || { cat "$work/hyperfine.log"; exit 1; }
  python3 - "$work/run.json" "$what" "$theirs_name" <<'PY'
import json, sys
ours, theirs = (r["median"] * 1000 for r in json.load(open(sys.argv[1]))["results"])
print(f"{sys.argv[2]:<34} tessolar-cli {ours:6.2f} ms   {sys.argv[3]:<6} {theirs:6.2f} ms   ratio {ours / theirs:4.2f}")
PY
}
echo "medians of $runs runs each; $(nproc) cores; $(date -u +%Y-%m-%d)"
compare "days 2027, Jewish holidays" "$cli days --year 2027 --include hebrew" hebcal "hebcal -y 2027"
compare "days 2027, Bavaria" "$cli days --year 2027 --country 6 --region DE-BY" hebcal "hebcal -y 2027"
compare "days 2027, Victoria" "$cli days --year 2027 --country 3 --region AU-VIC" hebcal "hebcal -y 2027"
compare "days 2027, national holidays (US)" "$cli days --year 2027 --country 0 --include national" \
  gcal "gcal -q US_DC -n -u 2027"
compare "render all, 500 unordered entries" "$cli render $work/unordered.cal --page all -o $work/all.html" \
  pcal "pcal -f $work/events.txt 1 2027 12"
