#!/bin/sh
# Measures the CPU use of an idle window on the desktop backend: the window probe
# (tests/xvfb) creates the window and fetches messages in a loop, under Xvfb, for
# 10 seconds; prints the share of one core it used. Target: under 3%.
# Usage: tools/idle_cpu.sh [BUILD_DIR]   (default build/window-rel)
set -eu
build=${1:-build/window-rel}
probe=$build/tests/xvfb/xvfb_window_probe
seconds=10

[ -x "$probe" ] || { echo "build the probe first: cmake --build $build --target xvfb_window_probe"; exit 2; }

if [ "${QUORVAX_IN_XVFB:-}" != 1 ]; then
    QUORVAX_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1366x768x24" sh "$0" "$build"
fi

cpu_ticks() {  # user + system time of a process, in clock ticks
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

SDL_AUDIODRIVER=dummy "$probe" >/dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
sleep 1
start=$(cpu_ticks "$pid")
sleep "$seconds"
end=$(cpu_ticks "$pid")
hz=$(getconf CLK_TCK)
awk -v t=$((end - start)) -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "idle window: %.2f%% of one core over %d s\n", 100 * t / (hz * s), s }'
