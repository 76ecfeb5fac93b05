#!/usr/bin/env bash
# Every library sees the repository root on its include path, so the compiler
# alone would let a folder include any layer. This check keeps the layers as
# the build draws them: a folder that is a library (fotlex_library in its
# CMakeLists.txt) includes only itself and the fotlex_ libraries it names
# there, under DEPENDS or PRIVATE; a file the library leaves out (a main.cpp)
# includes what its program links.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
for cmake in */CMakeLists.txt; do
  folder=${cmake%/CMakeLists.txt}
  grep -q '^fotlex_library(' "$cmake" || continue
  library=$(sed -n '/^fotlex_library(/,/)/p' "$cmake")
  allowed=$(grep -o 'fotlex_[a-z]*' <<<"$library" | sed 's/^fotlex_//')
  excluded=$(grep -o 'EXCLUDE [^A-Z]*' <<<"$library" | cut -d' ' -f2- || true)
  linked=$(grep -A3 '^target_link_libraries' "$cmake" | grep -o 'fotlex_[a-z]*' | sed 's/^fotlex_//' || true)
  while IFS=: read -r file line target; do
    [ "$target" = "$folder" ] || grep -qx "$target" <<<"$allowed" && continue
    grep -qw "$(basename "$file")" <<<"$excluded" && grep -qx "$target" <<<"$linked" && continue
    echo "$file:$line: $folder/ includes $target/, which $cmake does not name" >&2
    status=1
  done < <(grep -Hno '^#include "[^"/]*/' "$folder"/*.cpp "$folder"/*.h | sed 's/#include "//; s/\/$//')
done
[ $status -eq 0 ] && echo "Includes follow the layers."
exit $status
