#!/usr/bin/env bash
# Installs a Tessolar .deb on a fresh Debian 12 (a minbase debootstrap chroot)
# the way a user would, with apt, and checks that it works there: both programs
# start, the manual page shows, the sample calendar prints to a PDF, the help
# document is there, the desktop entry validates, the MIME type recognises a
# calendar and opens it with Tessolar, and the window shows the calendar under
# Xvfb when started from the desktop entry's Exec line and by xdg-open, as a
# user and as root (which needs the program to turn off the web engine's sandbox). Prints PASS/FAIL lines; exits 1 if anything failed.
# Needs the Debian mirror and several minutes, so it is not part of CI.
#
# Usage: tools/check_fresh_install.sh path/to/tessolar_*.deb
# FRESH_BASE (default /work/fresh-root) holds the untouched chroot, made when
# absent; each run installs into a fresh copy of it, FRESH_BASE.run.
# Screenshots go to FRESH_SHOTS (default /work/fresh-shots), logs beside them.
# FRESH_NO_RECOMMENDS=1 installs the package without its recommendations.
set -uo pipefail
[ $# -eq 1 ] && [ -f "$1" ] || { echo "usage: $0 tessolar_VERSION_ARCH.deb" >&2; exit 2; }
deb=$(realpath "$1")
base=${FRESH_BASE:-/work/fresh-root}
root=$base.run
shots=${FRESH_SHOTS:-/work/fresh-shots}
display=${FRESH_DISPLAY:-:91}
mime=application/x-tessolar-calendar
failed=0
mkdir -p "$shots"

pass() { echo "PASS $*"; }
fail() { echo "FAIL $*"; failed=1; }
run_env=(/usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8)
as_root() { chroot "$root" "${run_env[@]}" HOME=/root "$@"; }
as_user() { chroot "$root" /usr/sbin/runuser -u tess -- "${run_env[@]}" HOME=/home/tess "$@"; }
# Installs tools the check itself needs and says which were not already there.
add_tools() {
  local missing=()
  for p in "$@"; do as_root dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
  [ ${#missing[@]} -eq 0 ] && return
  echo "note: added for the check: ${missing[*]}"
  as_root apt-get install -y --no-install-recommends "${missing[@]}" >>"$shots/tools.log" 2>&1
}

source "$(dirname "$0")/fresh_root.sh"
pids=()
# The chroot shares the machine's processes: end only ours, by their ids.
kill_tree() { local child; for child in $(pgrep -P "$1"); do kill_tree "$child"; done; kill "$1" 2>/dev/null; }
cleanup() {
  for pid in "${pids[@]}"; do kill_tree "$pid"; done
  sleep 1
  fresh_root_unmount "$root"
}
trap cleanup EXIT
SECONDS=0
[ -d "$base" ] || made_base=1
fresh_root_prepare "$base" "$root" "$shots/debootstrap.log" \
  || { echo "FAIL debootstrap (see $shots/debootstrap.log)"; exit 1; }
[ -n "${made_base:-}" ] && echo "note: debootstrap took ${SECONDS}s"

# The install, as on a user's machine.
cp "$deb" "$root/tmp/"
SECONDS=0
as_root apt-get update >"$shots/install.log" 2>&1
if as_root apt-get install -y ${FRESH_NO_RECOMMENDS:+--no-install-recommends} "/tmp/$(basename "$deb")" >>"$shots/install.log" 2>&1; then
  pass "apt-get update + install in ${SECONDS}s, $(as_root dpkg-query -W -f='${Installed-Size}' tessolar) KiB installed"
else
  fail "apt-get install: $(grep -E '^(E|dpkg):' "$shots/install.log" | head -3)"
  exit 1
fi
awk '/NEW packages will be installed/ {on = 1; next} on && !/^  / {exit} on' "$shots/install.log" | tr -s ' ' '\n' \
  | grep . | grep -vx tessolar >"$shots/pulled-in.txt"
echo "note: apt pulled in $(wc -l <"$shots/pulled-in.txt") packages (list in $shots/pulled-in.txt)"
grep -E '^(W|E):|warning:|error:' "$shots/install.log" | sed 's/^/note: install said: /'
as_root useradd -m tess
files=$(as_root dpkg -L tessolar)

for program in tessolar-cli tessolar; do
  out=$(as_user "$program" --version 2>&1) && pass "$program --version: $out" || fail "$program --version: $out"
done

as_root dpkg -s man-db >/dev/null 2>&1 || echo "note: man-db is not pulled in by the package"
# libfile-mimeinfo-perl is what xdg-mime and xdg-open use to tell a file's type
# outside a desktop environment (xdg-utils recommends it).
add_tools man-db poppler-utils desktop-file-utils xdg-utils libfile-mimeinfo-perl shared-mime-info
out=$(as_user man tessolar-cli 2>&1 | head -4)
grep -q tessolar-cli <<<"$out" && pass "man tessolar-cli: $(echo $out)" || fail "man tessolar-cli: $out"

sample=$(grep -m1 '/sample\.cal$' <<<"$files")
if [ -z "$sample" ]; then
  fail "sample calendar: the package ships no sample.cal (using the source tree's)"
  cp "$(dirname "$0")/../resources/sample.cal" "$root/tmp/sample.cal"
  sample=/tmp/sample.cal
fi
cp "$root$sample" "$root/home/tess/family.cal"
as_root chown tess: /home/tess/family.cal
out=$(as_user tessolar-cli pdf /home/tess/family.cal -o /home/tess/s.pdf 2>&1)
pages=$(as_user pdfinfo /home/tess/s.pdf 2>/dev/null | awk '/^Pages:/ {print $2}')
[ -n "$pages" ] && [ "$pages" -gt 0 ] && pass "tessolar-cli pdf $sample: $pages pages" || fail "tessolar-cli pdf: $out"

help=$(grep -m1 -i 'help.*\.pdf$' <<<"$files")
if [ -n "$help" ] && as_user pdfinfo "$help" >/dev/null 2>&1; then
  pass "help document $help: $(as_user pdfinfo "$help" | awk '/^Pages:/ {print $2}') pages"
else
  fail "the package holds no readable help PDF"
fi

desktop=$(grep -m1 '/applications/.*\.desktop$' <<<"$files")
out=$(as_root desktop-file-validate "$desktop" 2>&1) && pass "desktop-file-validate $desktop" || fail "desktop-file-validate: $out"
type=$(as_user xdg-mime query filetype /home/tess/family.cal 2>&1)
[ "$type" = "$mime" ] && pass "xdg-mime filetype family.cal: $type" || fail "xdg-mime filetype family.cal: $type"
app=$(as_user xdg-mime query default "$mime" 2>&1)
[ "$app" = "$(basename "$desktop")" ] && pass "xdg-mime default $mime: $app" || fail "xdg-mime default $mime: '$app'"

# The window, under Xvfb, started as a desktop would start it.
add_tools xvfb xdotool imagemagick
run_env+=(DISPLAY="$display")
as_root Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
pids+=($!)
sleep 2
exec_line=$(sed -n 's/^Exec=//p' "$root$desktop" | head -1)
# Shows one way of starting the program, takes a screenshot, and ends it.
window() {
  local name=$1 who=$2; shift 2
  "$who" "$@" >"$shots/$name.log" 2>&1 &
  local pid=$!
  pids+=($pid)
  sleep 12
  as_root import -window root "/tmp/$name.png" && cp "$root/tmp/$name.png" "$shots/"
  if as_root xdotool search --onlyvisible --name Tessolar >/dev/null 2>&1; then
    pass "window ($name): $(as_root xdotool search --onlyvisible --name Tessolar getwindowname | head -1); see $shots/$name.png"
  else
    fail "window ($name): no Tessolar window; $(tail -3 "$shots/$name.log")"
  fi
  kill_tree "$pid"
  sleep 2
}
window exec-user as_user ${exec_line//%f//home/tess/family.cal}
window xdg-open-user as_user xdg-open /home/tess/family.cal
window exec-root as_root ${exec_line//%f//home/tess/family.cal}

[ $failed -eq 0 ] && echo "ALL PASSED" || echo "SOME FAILED"
exit $failed
