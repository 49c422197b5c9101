# Sourced by the scripts that try Tessolar on a fresh Debian 12: a minbase
# root made with debootstrap, kept untouched at BASE and copied for each run.

fresh_root_mounts=(proc sys dev dev/pts dev/shm)

# fresh_root_prepare BASE ROOT LOG: makes BASE when absent (its output to
# LOG), copies it to ROOT with the suites and name service a new machine has,
# and mounts the machine's proc, sys and dev into ROOT. Returns 1 when
# debootstrap fails.
fresh_root_prepare() {
  local base=$1 root=$2 log=$3
  if [ ! -d "$base" ]; then
    command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap >/dev/null
    debootstrap --variant=minbase bookworm "$base" http://deb.debian.org/debian >"$log" 2>&1 || return 1
  fi
  rm -rf "$root"
  cp -a "$base" "$root"
  cat >"$root/etc/apt/sources.list" <<'SOURCES'
deb http://deb.debian.org/debian bookworm main
deb http://deb.debian.org/debian bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
SOURCES
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  local m
  for m in "${fresh_root_mounts[@]}"; do mount --bind "/$m" "$root/$m"; done
}

# fresh_root_unmount ROOT: undoes the mounts of fresh_root_prepare.
fresh_root_unmount() {
  local root=$1 i
  for ((i = ${#fresh_root_mounts[@]} - 1; i >= 0; i--)); do
    umount "$root/${fresh_root_mounts[i]}" 2>/dev/null || umount -l "$root/${fresh_root_mounts[i]}"
  done
}
