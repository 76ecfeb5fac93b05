#!/usr/bin/env bash
# Refreshes the .ts files from the texts wrapped in the sources: new texts
# come in unfinished, texts gone from the sources go. With a folder argument
# the .ts files there are refreshed instead (the check in ./test compares such
# a copy with the files here). Needs lupdate (Debian's qt6-l10n-tools).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
target=${1:-$here}
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || { echo "lupdate not found: install qt6-l10n-tools" >&2; exit 1; }
cd "$here/.."
sources=$(mktemp)
trap 'rm -f "$sources"' EXIT
# Every source of the programs; tests and benchmarks show no user text.
git ls-files -co --exclude-standard -- '*.cpp' '*.h' ':!tests' ':!bench' >"$sources"
# No line numbers in the files: moving code must not change them. Includes
# are found from the root, as the sources name them.
options=(-silent -locations none -no-obsolete -source-language de_DE -I "$PWD")
# German is the source language: only the numerus forms of %n need German.
"$lupdate" "${options[@]}" -pluralonly -target-language de_DE "@$sources" -ts "$target/fotlex_de.ts"
"$lupdate" "${options[@]}" -target-language en_US "@$sources" -ts "$target/fotlex_en.ts"
