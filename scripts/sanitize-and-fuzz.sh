#!/usr/bin/env bash
# Builds the EXIF reader with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/, runs its unit tests once more
# there, then fuzzes it for FUZZ_SECONDS (default 60), seeded with the sample
# photos and the files of today's cameras and phones (RAW, HEIC, CR3,
# videos). Any sanitizer report or fuzzer finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -fsanitize=fuzzer-no-link"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DFOTLEX_FUZZ=ON >/dev/null
cmake --build build-asan -j "$(nproc)" --target metadata_tests exif_reader_fuzz

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
echo "== unit tests of the EXIF reader under ASan and UBSan"
build-asan/tests/metadata/metadata_tests --gtest_brief=1

echo "== fuzzing the EXIF reader for ${seconds} s"
corpus=build-asan/fuzz-corpus
mkdir -p "$corpus"
# install, not cp: the samples are read-only, and a read-only copy from an
# earlier run must neither block the copy nor the fuzzer's own writes.
find tests/data -type f ! -name '*.md' ! -name README -exec install -m 0644 -t "$corpus" {} +
mkdir -p build-asan/fuzz-findings
# Short allocation stacks and a smaller quarantine: much of a run's time went
# into recording the stack of, and recycling, every allocation of the
# thousands of entries a mutated segment can hold.
ASAN_OPTIONS=$ASAN_OPTIONS:malloc_context_size=4:quarantine_size_mb=16 \
  build-asan/tests/fuzz/exif_reader_fuzz "$corpus" -max_total_time="$seconds" -max_len=70000 -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-asan/fuzz-findings/ 2>build-asan/fuzz.log || {
  tail -n 60 build-asan/fuzz.log
  echo "Fuzzing found a fault; the input is in build-asan/fuzz-findings/" >&2
  exit 1
}
grep -E '^(Done |stat::)' build-asan/fuzz.log
