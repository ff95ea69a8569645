#!/usr/bin/env bash
# Set up, build and run Tamwick on Debian.
#   ./tamwick.sh play   install what is missing, build, start the game
#   ./tamwick.sh test   install what is missing, build, run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  g++ make cmake pkg-config
  liballegro5-dev liballegro-acodec5-dev liballegro-audio5-dev liballegro-dialog5-dev
  liballegro-image5-dev liballegro-ttf5-dev libfmt-dev libboost-dev zlib1g-dev libvorbis-dev
  fonts-ocr-a libgtest-dev libgmock-dev
  xvfb xauth libgl1-mesa-dri xdotool imagemagick
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc)

build() {  # build <folder> [cmake options...]
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

run_tests() {
  build build
  (cd build && ctest -L unit -j "$jobs" --output-on-failure)
  (cd build && xvfb-run -a -s '-screen 0 1920x1080x24' \
      env ALSOFT_DRIVERS=null TAMWICK_NO_DIALOGS=1 ctest -L display --output-on-failure)
  # The unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
  build build-asan -DCMAKE_BUILD_TYPE=Debug -DTAMWICK_SANITIZE=address,undefined \
      -DTAMWICK_BUILD_ASSETS=OFF -DTAMWICK_BUILD_BENCH=OFF
  (cd build-asan && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
      ctest -L unit -j "$jobs" --output-on-failure)
}

case "${1:-}" in
  play)
    install_missing
    build build
    cd build/run && exec ./tamwick
    ;;
  test)
    install_missing
    run_tests
    ;;
  *)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
