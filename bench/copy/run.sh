#!/usr/bin/env bash
# Times the verified copy of N photo-sized files (8 MB each) from /dev/shm
# to the ext4 of /tmp against `cp` of the same files followed by `sync`, in
# one run side by side, and prints the ratio. Memory: N x 8 MB in /dev/shm.
# Usage: [ROUNDS=3] bench/copy/run.sh [N] [BUILD]   (N = 300, BUILD = build)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
count=${1:-300}
build=${2:-$root/build}
rounds=${ROUNDS:-3}
cmake --build "$build" --target bench_copy >/dev/null
src=$(mktemp -d /dev/shm/fotlex-copy-bench.XXXXXX)
dst=$(mktemp -d /tmp/fotlex-copy-bench.XXXXXX)
trap 'rm -rf "$src" "$dst"' EXIT
for i in $(seq -w 1 "$count"); do
  head -c 8388608 /dev/urandom >"$src/IMG_$i.JPG"
done
sync
cp_times=(); fx_times=()
for round in $(seq "$rounds"); do
  rm -rf "$dst/cp" "$dst/fx"; mkdir "$dst/cp" "$dst/fx"; sync
  start=$(date +%s.%N)
  cp "$src"/* "$dst/cp/" && sync
  t_cp=$(echo "$(date +%s.%N) - $start" | bc)
  rm -rf "$dst/cp"; sync
  t_fx=$("$build/bench/copy/bench_copy" "$src" "$dst/fx")
  cmp -s <(cd "$src" && cat ./*) <(cd "$dst/fx" && cat ./*) || { echo "copies differ" >&2; exit 1; }
  echo "round $round: cp+sync ${t_cp}s  fotlex verified ${t_fx}s"
  cp_times+=("$t_cp"); fx_times+=("$t_fx")
done
best_cp=$(printf '%s\n' "${cp_times[@]}" | sort -g | head -1)
best_fx=$(printf '%s\n' "${fx_times[@]}" | sort -g | head -1)
echo "best of $rounds: cp+sync ${best_cp}s  fotlex ${best_fx}s  ratio $(echo "scale=2; $best_fx / $best_cp" | bc)"
