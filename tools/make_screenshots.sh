#!/usr/bin/env bash
# Takes the screenshots of the user guide and the README from the program as
# it is now: runs the built program under a private Xvfb display with a
# window manager, drives it with keys, double-clicks and a picture dragged in
# from a file manager, and writes docs/screenshots/*.png. The build prints
# the guide again when they change. Needs xvfb, xdotool, imagemagick,
# openbox and pcmanfm.
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
program=build/app/tessolar
display=:77
work=$(mktemp -d)
app= files_app=
# Ends only what this script started.
trap 'kill $app $files_app "$wm" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb "$display" -screen 0 1280x960x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state TESSOLAR_PAGE_DIR=$work/pages HOME=$work
# The guide is English: a desktop with no language of its own (C) gives English and the United States.
export LANG=C.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES= LC_TIME=
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
xsetroot -solid "#3c4a5c"

shoot() { import -window root "$out/$1.png"; }
# The dialog whose title holds $2, with its frame, alone.
shoot_dialog() { import -frame -window "$(xdotool search --onlyvisible --name "$2" | head -1)" "$out/$1.png"; }
# Waits up to 60 s for a window whose title holds $1.
wait_for() {
  for _ in $(seq 120); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return
    sleep 0.5
  done
  echo "no window '$1'" >&2
  exit 1
}
# Waits $2 seconds more for the window titled $1 to settle, then puts it at
# $3,$4 with size $5x$6, in front.
place() {
  wait_for "$1"
  sleep "$2"
  local window
  window=$(xdotool search --onlyvisible --name "$1" | head -1)
  xdotool windowmove "$window" "$3" "$4" windowsize "$window" "$5" "$6" windowactivate --sync "$window"
  sleep 2
}
# Starts the program with arguments $@ and puts its window where the
# coordinates below expect it, once its page and pictures are shown.
start() {
  if [ -n "$app" ]; then kill "$app" && wait "$app" 2>/dev/null || true; fi
  "$program" "$@" >/dev/null 2>&1 &
  app=$!
  place Tessolar 8 10 30 1180 880
}
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; }
menu() { xdotool key "alt+$1"; sleep 0.5; xdotool key "$2"; }

# A desktop in Arizona: the new calendar shows its region.
TZ=America/Phoenix start
shoot welcome
xdotool key ctrl+n
wait_for "Enter Calendar Configuration"
sleep 1
shoot configuration
shoot_dialog configuration_dialog "Enter Calendar Configuration"
xdotool key Escape

cp resources/sample.cal "$work/family.cal"
start "$work/family.cal"
menu p a  # All Months
sleep 6
xdotool mousemove 600 500 click 1 mousemove 1150 890 key Next  # past the title, to January
sleep 1
shoot all_months
menu p t  # Title Page asks for the title first
wait_for "Title Page Configuration"
sleep 1
shoot_dialog title_dialog "Title Page Configuration"
xdotool key Return
sleep 4
shoot title_page
menu p b  # Big Pictures
sleep 4
shoot big_pictures
double_click 158 675  # October's picture
wait_for "Modify Big Picture"
sleep 1
shoot_dialog big_picture_dialog "Modify Big Picture"
xdotool key Escape
sleep 1

xdotool mousemove 336 68 click 1  # the toolbar's September
sleep 4
xdotool mousemove 1100 850
shoot month
double_click 465 368  # the day number of 8 September
wait_for "Add / Modify An Event"
sleep 1
xdotool type --delay 40 "Lena"
xdotool mousemove 532 411 click 1 key ctrl+a  # the year box
xdotool type --delay 40 "2019"
sleep 1
shoot_dialog event_dialog "Add / Modify An Event"
xdotool key Escape
sleep 1
xdotool mousemove 1100 850 click 1

# A picture dragged from the file manager onto 21 September.
mkdir "$work/pictures"
cp resources/clipart/{bunnies.gif,dove_2.jpg,fathers_day.gif} "$work/pictures/"
pcmanfm --no-desktop "$work/pictures" >/dev/null 2>&1 &
files_app=$!
place pictures 3 760 520 500 400
shoot drag_source
xdotool mousemove 1062 633 mousedown 1
for step in $(seq 1 25); do
  xdotool mousemove $((1062 - step * 29)) 633
  sleep 0.05
done
xdotool mouseup 1
wait_for "Add / Modify An Event"
sleep 2
shoot drop
xdotool key Escape
kill "$files_app"
files_app=

menu p a
sleep 6
menu f v  # Print Preview of the whole year
wait_for "Print Preview"
sleep 25
xdotool mousemove 545 71 click 1  # the next sheet: January
sleep 3
shoot print_preview
xdotool key Escape
sleep 1

# Fifty people from an address book, with their photos, then the year as iCalendar, imported again.
python3 tools/make_address_book.py 50 "$work/contacts.vcf" --photos
import_file() {
  xdotool key ctrl+i
  wait_for Import
  sleep 1
  xdotool type --delay 20 "$1"
  xdotool key Return
  sleep 3
}
menu p o  # One Month: the import shows the first month that gains a day
sleep 3
import_file "$work/contacts.vcf"
shoot_dialog import_preview Import
xdotool key Return
sleep 5
xdotool mousemove 1100 850
shoot import_month
menu f l  # Export as iCalendar
wait_for "Export as iCalendar"
sleep 1
xdotool key ctrl+a
xdotool type --delay 20 "$work/family.ics"
xdotool key Return
sleep 2
import_file "$work/family.ics"
shoot_dialog export_reimport Import
xdotool key Escape
