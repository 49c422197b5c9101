#!/usr/bin/env bash
# Takes the README's screenshots of the program as it is now: runs the built
# program under a private Xvfb display, drives it with keys and clicks, and
# writes docs/screenshots/*.png. Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
program=build/app/tessolar
display=:77
work=$(mktemp -d)
trap 'pkill -f "$program" || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb "$display" -screen 0 1180x900x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display XDG_CONFIG_HOME=$work/config TESSOLAR_PAGE_DIR=$work/pages
sleep 1

shoot() { import -window root "$out/$1.png"; }
# Waits up to 60 s for a window whose title holds $1.
wait_for() {
  for _ in $(seq 120); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return
    sleep 0.5
  done
  echo "no window '$1'" >&2
  exit 1
}
start() {
  pkill -f "$program" || true
  "$program" "$@" >/dev/null 2>&1 &
  wait_for Tessolar
  sleep 8  # the page and its pictures
  xdotool mousemove 1170 880 click 1  # gives the window the keyboard
}

start
shoot welcome
xdotool key ctrl+n
wait_for "Enter Calendar Configuration"
sleep 1
shoot configuration
xdotool key Escape

start resources/sample.cal
xdotool key alt+Right alt+Right alt+Right alt+Right alt+Right alt+Right alt+Right alt+Right
sleep 5
shoot month
xdotool key alt+f
sleep 0.5
xdotool key v
wait_for "Print Preview"
sleep 15
shoot print_preview
