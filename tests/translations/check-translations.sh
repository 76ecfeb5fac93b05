#!/usr/bin/env bash
# Fails when the .ts files in translations/ are not up to date with the texts
# wrapped in the sources (a copy refreshed by lupdate differs), or when
# lrelease finds an entry untranslated or unfinished.
set -euo pipefail
cd "$(dirname "$0")/../../translations"
fail() { echo "check-translations: $*" >&2; exit 1; }
lrelease=${LRELEASE:-/usr/lib/qt6/bin/lrelease}
[ -x "$lrelease" ] || fail "lrelease not found: install qt6-l10n-tools"

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp fotlex_*.ts "$copy"
report=$(./update.sh "$copy" 2>&1) || fail "$report"
for ts in fotlex_*.ts; do
  diff -u "$ts" "$copy/$ts" || fail "$ts is not up to date: run translations/update.sh and translate the new texts"
  report=$("$lrelease" "$ts" -qm "$copy/${ts%.ts}.qm" 2>&1) || fail "$report"
  ! grep -qE '[1-9][0-9]* unfinished|Ignored [1-9]' <<<"$report" || fail "$ts: $report"
done
