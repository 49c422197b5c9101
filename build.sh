#!/usr/bin/env bash
# Installs what is missing, builds, and runs or tests Tessolar.
#   ./build.sh run       build and start the program; without a display, write the
#                        sample calendar as HTML and PDF to build/demo instead
#   ./build.sh test      build and run every test
#   ./build.sh sanitize  build the core tests with ASan and UBSan and run them
#   ./build.sh fuzz      fuzz the calendar reader, the vCard reader and the iCalendar
#                        import for FUZZ_SECONDS (60) seconds each (FUZZ_TARGETS picks)
set -euo pipefail
cd "$(dirname "$0")"

install_missing_packages() {
  local wanted missing=()
  wanted=$(grep -v '^\s*#' tools/debian-packages.txt | grep -v '^\s*$')
  for pkg in $wanted; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}

# What the run command does where no window can open: the sample calendar's
# all-months page as HTML and as PDF, printed as the program prints it.
show_sample_without_display() {
  mkdir -p build/demo
  ./build/cli/tessolar-cli render resources/sample.cal --page all -o build/demo/all.html
  ./build/cli/tessolar-cli pdf resources/sample.cal -o build/demo/sample.pdf
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the Tessolar window cannot open."
  echo "The sample calendar instead, as a page and as printed:"
  echo "  $(pwd)/build/demo/all.html"
  echo "  $(pwd)/build/demo/sample.pdf"
}

case "${1:-}" in
  run)
    install_missing_packages
    configure_and_build build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      show_sample_without_display
    else
      exec ./build/app/tessolar "${@:2}"
    fi
    ;;
  test)
    install_missing_packages
    configure_and_build build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    ;;
  sanitize)
    install_missing_packages
    configure_and_build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTESSOLAR_SANITIZE=ON \
      -DTESSOLAR_BUILD_BENCHMARKS=OFF -DTESSOLAR_BUILD_DESKTOP=OFF
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
    ;;
  fuzz)
    install_missing_packages
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTESSOLAR_FUZZ=ON -DTESSOLAR_BUILD_TESTS=OFF -DTESSOLAR_BUILD_BENCHMARKS=OFF \
      -DTESSOLAR_BUILD_DESKTOP=OFF >/dev/null
    # Each target in turn (FUZZ_TARGETS picks some), with its seeds; works on
    # copies, so the committed seeds stay small; findings land in build-fuzz/.
    declare -A seeds=([calendar_reader]="tests/fuzz/corpus tests/fuzz/regressions"
                      [vcard_reader]="tests/data/imports" [icalendar_import]="tests/data/imports")
    for target in ${FUZZ_TARGETS:-calendar_reader vcard_reader icalendar_import}; do
      cmake --build build-fuzz --target "${target}_fuzz"
      rm -rf "build-fuzz/corpus-$target" && mkdir -p "build-fuzz/corpus-$target"
      for dir in ${seeds[$target]}; do cp "$dir"/* "build-fuzz/corpus-$target/"; done
      "./build-fuzz/tests/fuzz/${target}_fuzz" -max_total_time="${FUZZ_SECONDS:-60}" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/ \
        "build-fuzz/corpus-$target"
    done
    ;;
  *)
    echo "Usage: ./build.sh run|test|sanitize|fuzz" >&2
    exit 1
    ;;
esac
