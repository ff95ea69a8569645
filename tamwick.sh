#!/usr/bin/env bash
# Set up, build and run Tamwick on Debian.
#   ./tamwick.sh play   install what is missing, build, start the game
#   ./tamwick.sh test   install what is missing, build, run every test
#   ./tamwick.sh fuzz [seconds]   run each fuzz target that long (60 by default)
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  g++ make cmake pkg-config
  liballegro5-dev liballegro-acodec5-dev liballegro-audio5-dev liballegro-dialog5-dev
  liballegro-image5-dev liballegro-ttf5-dev libfmt-dev libboost-dev zlib1g-dev libvorbis-dev
  fonts-ocr-a libgtest-dev libgmock-dev
  xvfb xauth libgl1-mesa-dri xdotool imagemagick
  clang libclang-rt-14-dev
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

jobs=${TAMWICK_JOBS:-$(nproc)}

# Each fuzz target runs this long (seconds) in the test run; every target of
# fuzz/CMakeLists.txt is listed here.
fuzz_seconds=${TAMWICK_FUZZ_SECONDS:-60}
fuzz_targets=(replay_reader verify_decompress config_reader)

build() {  # build <folder> [cmake options...] [--target name]
  local dir=$1; shift
  local target=()
  if [ $# -ge 2 ] && [ "${@: -2:1}" = "--target" ]; then
    target=(--target "${@: -1}")
    set -- "${@:1:$#-2}"
  fi
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs" "${target[@]}"
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
      LSAN_OPTIONS=suppressions="$PWD/../tests/lsan.supp" ctest -L unit -j "$jobs" --output-on-failure)
  # Under ThreadSanitizer: the sound and music tests (effects, fades, stops and
  # destruction from the main thread while the update and fade threads run),
  # and the computer snakes' search on its threads, up to a whole recorded and
  # replayed round of ten snakes.
  # Allegro's OpenAL driver can rarely lose a wake-up when a voice stops at exit;
  # a test process caught in it is timed out and run again.
  local tsan=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMWICK_SANITIZE=thread
      -DTAMWICK_BUILD_ASSETS=OFF -DTAMWICK_BUILD_BENCH=OFF)
  build build-tsan "${tsan[@]}" --target tests_media
  build build-tsan "${tsan[@]}" --target tests_game
  (cd build-tsan && ctest -L unit -R '^(Sound|SoundDeathTest|OggStream|MusicTracks|MusicFade|MusicFadeGain)\.' \
      --output-on-failure --timeout 60 --repeat after-timeout:3)
  (cd build-tsan && ctest -L unit -R '^(SnakeSearch|SearchWorkers|SnakeChoice|AiSnakeRound|AiSnakeReplay)\.' \
      -j "$jobs" --output-on-failure)
}

# The libFuzzer targets, built with clang, each run from its seed corpus in
# fuzz/corpus for a bounded time; new inputs go to a scratch folder, and a
# crash (written to build-fuzz/artifacts) fails the run.
run_fuzzers() {
  local seconds=${1:-$fuzz_seconds}
  build build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTAMWICK_SANITIZE=address,undefined,fuzzer-no-link -DTAMWICK_BUILD_FUZZ=ON \
      -DTAMWICK_BUILD_TESTS=OFF -DTAMWICK_BUILD_ASSETS=OFF -DTAMWICK_BUILD_BENCH=OFF \
      --target fuzzers
  mkdir -p build-fuzz/artifacts
  for target in "${fuzz_targets[@]}"; do
    local scratch
    scratch=$(mktemp -d)
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "build-fuzz/fuzz/${target}_fuzz" \
        -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -close_fd_mask=2 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/${target}-" \
        "$scratch" "fuzz/corpus/$target"
    rm -rf "$scratch"
  done
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
    run_fuzzers
    ;;
  fuzz)
    install_missing
    run_fuzzers "${2:-$fuzz_seconds}"
    ;;
  *)
    echo "usage: $0 play|test|fuzz [seconds]" >&2
    exit 2
    ;;
esac
