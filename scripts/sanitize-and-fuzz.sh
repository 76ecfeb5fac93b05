#!/usr/bin/env bash
# Builds the reader with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/, runs its unit tests once more
# there, then fuzzes each container's target in turn for an equal share of
# FUZZ_SECONDS (default 60 in all), seeded with the sample files of its kind.
# Any sanitizer report or fuzzer finding fails the run; the speed is
# reported, never judged.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
targets=(jpeg tiff iso png quicktime xmp)
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -fsanitize=fuzzer-no-link"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DFOTLEX_FUZZ=ON >/dev/null
cmake --build build-asan -j "$(nproc)" --target metadata_tests "${targets[@]/%/_fuzz}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
echo "== unit tests of the reader under ASan and UBSan"
build-asan/tests/metadata/metadata_tests --gtest_brief=1

# The seeds of one target: the sample files of its kind. A video's seed keeps
# its boxes but the media data, which would only be cut off at max_len.
seed() {
  local target=$1 corpus=build-asan/fuzz-corpus/$1
  rm -rf "$corpus" && mkdir -p "$corpus"
  case $target in
    jpeg) find tests/data/photos -iname '*.jpg' -exec install -m 0644 -t "$corpus" {} + ;;
    tiff)
      find tests/data -iname '*.tif*' -o -iname '*.dng' | xargs -d '\n' install -m 0644 -t "$corpus"
      # The cameras' TIFF structures: the EXIF segments of the sample JPEGs.
      for photo in tests/data/photos/*.jpg; do
        perl -e 'local $/; my $b = <STDIN>; print substr $b, $-[0] + 10, unpack("n", $1) - 8 if $b =~ /\xFF\xE1(..)Exif\0/s' \
          <"$photo" >"$corpus/$(basename "$photo").tif"
      done ;;
    iso) find tests/data/formats -iname '*.heic' -o -iname '*.heif' -o -iname '*.avif' -o -iname '*.cr3' |
           xargs -d '\n' install -m 0644 -t "$corpus" ;;
    png) find tests/data -iname '*.png' -exec install -m 0644 -t "$corpus" {} + ;;
    quicktime)
      for video in tests/data/formats/*.mov tests/data/formats/*.mp4; do
        perl -e 'local $/; my $b = <STDIN>; my $p = 0;
          while ($p + 8 <= length $b) { my ($s, $t) = unpack "Na4", substr $b, $p, 8;
            $s = length($b) - $p if $s == 0; last if $s < 8;
            print substr $b, $p, $s unless $t eq "mdat"; $p += $s }' <"$video" >"$corpus/$(basename "$video")"
      done ;;
    xmp)
      for photo in tests/data/photos/xmp/* tests/data/formats/*.avif; do
        perl -e 'local $/; my $b = <STDIN>; print $1 if $b =~ /(<x:xmpmeta.*?<\/x:xmpmeta>)/s' \
          <"$photo" >"$corpus/$(basename "$photo").xmp"
      done ;;
  esac
}

# Small inputs keep the work per input small: a camera's EXIF directories lie
# in the first few KiB of their block, a phone's HEIF meta box in 16 KiB.
declare -A max_len=([jpeg]=4096 [tiff]=2048 [iso]=16384 [png]=4096 [quicktime]=8192 [xmp]=4096)
share=$(( seconds / ${#targets[@]} ))
mkdir -p build-asan/fuzz-findings
for target in "${targets[@]}"; do
  seed "$target"
  echo "== fuzzing the ${target} reader for ${share} s"
  # Short allocation stacks and a small quarantine: much of a run's time went
  # into recording the stack of, and recycling, every allocation of the
  # hundreds of entries a mutated block can hold.
  ASAN_OPTIONS=$ASAN_OPTIONS:malloc_context_size=2:quarantine_size_mb=4 \
    "build-asan/tests/fuzz/${target}_fuzz" "build-asan/fuzz-corpus/$target" -max_total_time="$share" \
      -max_len="${max_len[$target]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build-asan/fuzz-findings/${target}-" 2>"build-asan/fuzz-${target}.log" || {
    tail -n 60 "build-asan/fuzz-${target}.log"
    echo "Fuzzing found a fault; the input is in build-asan/fuzz-findings/" >&2
    exit 1
  }
  grep -E '^(Done |stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb))' "build-asan/fuzz-${target}.log"
done
