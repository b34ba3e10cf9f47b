#!/usr/bin/env bash
# Sets up a Debian machine (run as root), configures and builds Quorvax, then:
#   play      runs the game from the build folder
#   test      runs every test
#   sanitize  builds and runs every test under AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake pkg-config libsdl2-dev libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev libstb-dev
          xvfb xauth xdotool x11-utils imagemagick python3)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
build() {  # build DIR CMAKE-OPTIONS...
  local dir=$1; shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
  play)
    build build/release -DCMAKE_BUILD_TYPE=Release -DQUORVAX_BENCH=OFF
    cd build/release && exec ./quorvax
    ;;
  test)
    build build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
    ctest --test-dir build/test --output-on-failure -j "$jobs"
    ;;
  sanitize)
    build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DQUORVAX_SANITIZE=ON -DQUORVAX_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: bash tools/setup.sh play|test|sanitize" >&2
    exit 2
    ;;
esac
