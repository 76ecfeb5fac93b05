#!/usr/bin/env bash
# Times the batch rename by EXIF time against jhead, exiv2, ExifTool and a
# bare C loop (open, read 4 KiB, close, rename) on N = 2,000 and 20,000 photos
# with distinct capture times, each tool on a fresh copy of the same folder,
# and the undo of fotlex's batch.
# With "mixed", a folder of today's cameras instead (JPEG, CR2-like RAW,
# HEIC, MOV with its moov after 50 MB of media; make_mixed.py), against the
# floor and ExifTool only, on N = 2,000.
# With "folders", the sort into date folders (--pattern
# '%Y/%Y-%m-%d/%Y-%m-%d - %H-%M-%S') against the floor, with their ratio,
# on N = 20,000.
# Usage: [ROUNDS=3] [SKIP_EXIFTOOL=1] bench/rename/run.sh [mixed|folders] [N...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
photos=${FOTLEX_TESTDATA:-$root/tests/data/photos}
mixed=false
folders=false
if [ "${1:-}" = mixed ]; then
  mixed=true
  shift
elif [ "${1:-}" = folders ]; then
  folders=true
  shift
fi
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && { $mixed && sizes=(2000) || { $folders && sizes=(20000); } || sizes=(2000 20000); }

# The peers and what builds the photos and the floor; fotlex-cli is built
# in the one build folder of ./run, with its packages.
need=()
for pkg in jhead exiv2 libimage-exiftool-perl gcc python3; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq "${need[@]}" >/dev/null
fi

source "$root/scripts/ensure-packages.sh"
(cd "$root" && ensure_packages packages.txt && configure_and_build --target fotlex-cli >/dev/null)
cli="$root/build/cli/fotlex-cli"

work=$(mktemp -d /var/tmp/fotlex-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
# The undo journals of the timed batches stay out of the user's own folder.
export XDG_STATE_HOME="$work/state"
gcc -O2 -o "$work/floor" "$here/floor.c"

# Seeds: the samples that have a capture time, small enough to copy in bulk.
$mixed || (cd "$photos" && exiftool -q -m -s3 -T -FileName -DateTimeOriginal -- *.jpg) \
  | awk -F'\t' '$2 ~ /^[0-9][0-9][0-9][0-9]:/ && $1 != "corrupted.jpg"' > "$work/seeds.tsv"

# Each tool runs ROUNDS times (default 3; ExifTool once, it is slow), each
# on a fresh copy, and the fastest round counts: a single round on a shared
# machine can take twice as long for reasons of its own.
run_one() {  # label folder command...
  local label=$1 master=$2; shift 2
  local dir="$work/run" rounds=${ROUNDS:-3}
  [ "$label" = exiftool ] && rounds=1
  local best="" renamed
  for ((round = 0; round < rounds; round++)); do
    rm -rf "$dir"; cp -a "$master" "$dir"; sync
    local times
    # Wall clock, then user and system CPU.
    times=$( { TIMEFORMAT='%R %U %S'; time (cd "$dir" && "$@" >/dev/null 2>&1 || true); } 2>&1 )
    renamed=$(find "$dir" -type f ! -name 'IMG_*' | wc -l)
    read -r real user sys <<<"$(echo $times)"
    if [ -z "$best" ] || awk -v a="$real" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best="$real $(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')"
    fi
  done
  printf '%-9s %8.3f s wall %8.3f s cpu  (%d renamed)\n' "$label" ${best} "$renamed"
  last_wall=${best%% *}
  rm -rf "$dir"
}

# Renames a fresh copy untimed, then times the undo of that batch; the
# fastest of ROUNDS counts, as for the tools.
run_undo() {  # master
  local dir="$work/run" rounds=${ROUNDS:-3} best="" back
  for ((round = 0; round < rounds; round++)); do
    rm -rf "$dir"; cp -a "$1" "$dir"; sync
    (cd "$dir" && "$cli" rename . >/dev/null); sync
    local times
    times=$( { TIMEFORMAT='%R %U %S'; time ("$cli" undo >/dev/null 2>&1 || true); } 2>&1 )
    read -r real user sys <<<"$(echo $times)"
    back=$(find "$dir" -maxdepth 1 -name 'IMG_*' | wc -l)
    if [ -z "$best" ] || awk -v a="$real" -v b="${best%% *}" 'BEGIN { exit !(a < b) }'; then
      best="$real $(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')"
    fi
  done
  printf '%-9s %8.3f s wall %8.3f s cpu  (%d back)\n' "undo" ${best} "$back"
  rm -rf "$dir"
}

if $mixed; then
  for n in "${sizes[@]}"; do
    master="$work/mixed-$n"
    python3 "$here/make_mixed.py" "$master" "$n"
    echo "== $n mixed files (JPEG, CR2, HEIC, MOV)"
    run_one fotlex  "$master" "$cli" rename .
    run_one floor   "$master" "$work/floor" .
    run_one exiftool "$master" exiftool -q '-FileName<DateTimeOriginal' '-FileName<CreationDate' \
      -d '%Y-%m-%d - %H-%M-%S%%-c.%%le' .
    rm -rf "$master"
  done
  exit 0
fi

if $folders; then
  for n in "${sizes[@]}"; do
    master="$work/master-$n"
    python3 "$here/make_photos.py" "$photos" "$master" "$n" "$work/seeds.tsv"
    echo "== $n photos into date folders"
    run_one folders "$master" "$cli" rename --pattern '%Y/%Y-%m-%d/%Y-%m-%d - %H-%M-%S' .
    sorted=$last_wall
    run_one floor "$master" "$work/floor" .
    awk -v a="$sorted" -v b="$last_wall" 'BEGIN { printf "folders/floor %.2f (target at most 2.5)\n", a / b }'
    rm -rf "$master"
  done
  exit 0
fi

for n in "${sizes[@]}"; do
  master="$work/master-$n"
  python3 "$here/make_photos.py" "$photos" "$master" "$n" "$work/seeds.tsv"
  echo "== $n photos"
  run_one fotlex  "$master" "$cli" rename .
  run_undo "$master"
  run_one floor   "$master" "$work/floor" .
  run_one jhead   "$master" sh -c "jhead -n'%Y-%m-%d - %H-%M-%S' ./*.jpg"
  run_one exiv2   "$master" sh -c "exiv2 -F -r '%Y-%m-%d - %H-%M-%S' mv ./*.jpg"
  # SKIP_EXIFTOOL=1 leaves out the slowest peer (minutes on 20,000 photos).
  [ -n "${SKIP_EXIFTOOL:-}" ] ||
    run_one exiftool "$master" exiftool -q '-FileName<DateTimeOriginal' -d '%Y-%m-%d - %H-%M-%S%%-c.%%e' .
  rm -rf "$master"
done
