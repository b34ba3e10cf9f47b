#!/usr/bin/env bash
# Speed of quorvax-headless: virtual time over wall time for a whole scripted game
# (headless_speed.keys: a minute of play, name entry, high scores, exit). Runs the
# game several times in a fresh folder and prints each ratio and their median, and
# beside it virtual time over the CPU time the driver used, which a busy machine
# disturbs less.
#   bash bench/headless_speed.sh BUILD_FOLDER [RUNS]
# Use a Release build folder; the machine may be shared, so read the medians.
set -euo pipefail

build=$(cd "${1:?usage: headless_speed.sh BUILD_FOLDER [RUNS]}" && pwd)
runs=${2:-7}
keys=$(cd "$(dirname "$0")" && pwd)/headless_speed.keys
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$build/image" "$work/image"
ln -s "$build/audio" "$work/audio"
cd "$work"

median() {
  sort -g | awk '{ r[NR] = $1 } END { print (NR % 2) ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2 }'
}

TIMEFORMAT='%3R %3U %3S'  # wall, user and system seconds of the timed command
wall_ratios=()
cpu_ratios=()
for ((i = 1; i <= runs; i++)); do
  rm -f quorvax_score.dat sounds.log
  if ! { time "$build/quorvax-headless" --seed 1 --keys "$keys" --sound-log sounds.log 2>driver.err; } 2>time.txt; then
    echo "the scripted game did not end with status 0:" >&2
    cat driver.err >&2
    exit 1
  fi
  # The last sound is the one of leaving the high-score screen, just before the end.
  virtual_ms=$(tail -n 1 sounds.log | cut -d ' ' -f 1)
  read -r wall_s user_s system_s <time.txt
  line=$(awk -v v="$virtual_ms" -v w="$wall_s" -v u="$user_s" -v s="$system_s" 'BEGIN {
    printf "%.0f %.1f %.0f %.1f", w * 1000, v / (w * 1000), (u + s) * 1000, v / ((u + s) * 1000) }')
  read -r wall_ms wall_ratio cpu_ms cpu_ratio <<<"$line"
  echo "run $i: ${virtual_ms} ms virtual in ${wall_ms} ms wall (${wall_ratio}x), ${cpu_ms} ms CPU (${cpu_ratio}x)"
  wall_ratios+=("$wall_ratio")
  cpu_ratios+=("$cpu_ratio")
done
echo "median: $(printf '%s\n' "${wall_ratios[@]}" | median)x virtual over wall time" \
     "(target: at least 100x), $(printf '%s\n' "${cpu_ratios[@]}" | median)x over CPU time"
