# Sourced by the benchmarks: installs, when missing, the Debian packages of the
# commands a benchmark runs.
#   needs COMMAND[:PACKAGE]...   (the package is named as the command when not given)
needs() {
  local missing=() tool sudo=""
  for tool in "$@"; do command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}"); done
  [ ${#missing[@]} -eq 0 ] && return
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The built tessolar-cli of build folder $1 (default: build) as $cli, or the end
# of the benchmark when there is none yet.
built_cli() {
  cli=${1:-build}/cli/tessolar-cli
  [ -x "$cli" ] || { echo "no $cli: build first (./build.sh test)" >&2; exit 1; }
}
