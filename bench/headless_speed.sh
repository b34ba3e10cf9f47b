#!/usr/bin/env bash
# Speed of quorvax-headless: virtual time over wall time for a whole scripted game
# (headless_speed.keys: a minute of play, name entry, high scores, exit). Runs the
# game several times in a fresh folder and prints each ratio and their median.
#   bash bench/headless_speed.sh BUILD_FOLDER [RUNS]
# Use a Release build folder; the machine may be shared, so read the median.
set -euo pipefail

build=$(cd "${1:?usage: headless_speed.sh BUILD_FOLDER [RUNS]}" && pwd)
runs=${2:-7}
keys=$(cd "$(dirname "$0")" && pwd)/headless_speed.keys
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$build/image" "$work/image"
ln -s "$build/audio" "$work/audio"
cd "$work"

ratios=()
for ((i = 1; i <= runs; i++)); do
  rm -f quorvax_score.dat sounds.log
  start=$(date +%s%N)
  "$build/quorvax-headless" --seed 1 --keys "$keys" --sound-log sounds.log
  end=$(date +%s%N)
  # The last sound is the one of leaving the high-score screen, just before the end.
  virtual_ms=$(tail -n 1 sounds.log | cut -d ' ' -f 1)
  ratio=$(awk -v v="$virtual_ms" -v s="$start" -v e="$end" \
    'BEGIN { printf "%.1f", v / ((e - s) / 1e6) }')
  wall_ms=$(( (end - start) / 1000000 ))
  echo "run $i: ${virtual_ms} ms virtual in ${wall_ms} ms wall: ${ratio}x"
  ratios+=("$ratio")
done
median=$(printf '%s\n' "${ratios[@]}" | sort -g | awk '{ r[NR] = $1 } END {
  print (NR % 2) ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2 }')
echo "median: ${median}x virtual over wall time (target: at least 100x)"
