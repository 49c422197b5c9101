#!/usr/bin/env bash
# Runs CI (bash .ci/run) as a new machine would: in a fresh Debian 12 minbase
# root made with debootstrap, to which only git is added before the
# repository is cloned into it. It proves that build.sh installs everything
# that building, running and testing need. Needs root, the Debian mirror and
# half an hour; not part of CI itself.
#
# Usage: tools/ci_in_fresh_debian.sh [REF]   (default HEAD; commit what is to be checked)
# FRESH_CI_BASE (default /work/fresh-ci/base) holds the untouched root, made
# when absent; each run works in a new copy, FRESH_CI_BASE.run, and logs to
# FRESH_CI_BASE.log. Ends with .ci/run's own closing lines and its status.
set -uo pipefail
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (debootstrap, chroot, mounts)" >&2; exit 2; }
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
ref=${1:-HEAD}
base=${FRESH_CI_BASE:-/work/fresh-ci/base}
root=$base.run
log=$base.log
mkdir -p "$(dirname "$base")"

source "$(dirname "$0")/fresh_root.sh"
trap 'fresh_root_unmount "$root"' EXIT
fresh_root_prepare "$base" "$root" "$log" || { echo "FAIL debootstrap (see $log)"; exit 1; }
in_root() {
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 CI=true "$@"
}

SECONDS=0
git -C "$repo" bundle create "$root/tmp/tessolar.bundle" "$ref" >>"$log" 2>&1 \
  || { echo "FAIL git bundle of $ref (see $log)"; exit 1; }
{ in_root apt-get update && in_root apt-get install -y --no-install-recommends git; } >>"$log" 2>&1 \
  || { echo "FAIL installing git (see $log)"; exit 1; }
in_root git clone -q /tmp/tessolar.bundle /root/tessolar >>"$log" 2>&1 \
  || { echo "FAIL git clone (see $log)"; exit 1; }
echo "fresh Debian 12 minbase root with git, $(in_root git -C /root/tessolar log -1 --format='%h %s')"
in_root bash -c 'cd /root/tessolar && bash .ci/run' </dev/null >>"$log" 2>&1
status=$?
tail -n 4 "$log"
echo ".ci/run exited $status after ${SECONDS}s in the fresh root (log: $log)"
exit $status
