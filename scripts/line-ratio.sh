#!/usr/bin/env bash
# Prints the lines of test code against the lines of product code: everything
# under tests/ that is code (helpers, CMake and scripts included) against every
# other compiled source and build file, benchmarks left out.
set -euo pipefail
cd "$(dirname "$0")/.."
code_files() { git ls-files -co --exclude-standard -- "$@" | grep -E '\.(cpp|h|c|cmake|sh)$|CMakeLists\.txt$' || true; }
count() { xargs -r cat -- | wc -l; }
tests=$(code_files tests | count)
code=$(code_files . ':!tests' ':!bench' | count)
awk -v t="$tests" -v c="$code" 'BEGIN { printf "Testcode: %d Zeilen, Programmcode: %d Zeilen, Verhältnis %.2f\n", t, c, t / c }'
