#!/usr/bin/env bash
# Builds the Debian package from build/ and checks it as a Debian maintainer
# and an installing user would meet it: lintian (pedantic) without an error
# or a warning, the files it lists, its dependencies, the desktop entry and
# AppStream file passing their validators, the manual pages rendering
# cleanly, and fotlex-cli (in German and English) and its bash completion
# working from the unpacked package.
set -euo pipefail
cd "$(dirname "$0")/../../build"
fail() { echo "check-package: $*" >&2; exit 1; }

rm -f fotlex_*.deb
output=$(cpack -G DEB 2>&1) || fail "cpack: $output"
debs=(fotlex_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
echo "== $deb"

# Lintian's false hits are overridden in the package, each with its reason.
report=$(lintian --pedantic --display-info --display-experimental --fail-on error,warning "$deb" 2>&1) \
  || fail "lintian: $report"
grep -v 'running with root privileges' <<<"$report" || true

# Every file is named after the one application id of the desktop entry.
listing=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
desktop=$(grep -E '^\./usr/share/applications/[^/]+\.desktop$' <<<"$listing") \
  || fail "no desktop entry"
id=$(basename "$desktop" .desktop)
expected=(usr/bin/fotlex usr/bin/fotlex-cli
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
  usr/share/bash-completion/completions/fotlex-cli
  usr/share/doc/fotlex/copyright usr/share/doc/fotlex/changelog.gz
  usr/share/lintian/overrides/fotlex)
for page in fotlex fotlex-cli; do
  expected+=("usr/share/man/man1/$page.1.gz" "usr/share/man/en/man1/$page.1.gz")
done
for size in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for file in "${expected[@]}"; do
  grep -qxF "./$file" <<<"$listing" || fail "missing in the package: /$file"
done

# dpkg-shlibdeps found the Qt libraries; the ones loaded at run time, which no
# link shows, are named too.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6widgets6 qt6-image-formats-plugins qt6-translations-l10n xdg-utils; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

report=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) \
  && [ -z "$report" ] || fail "desktop-file-validate: $report"
# Its one pedantic note stays: the id's capital letter (renaming the id would
# rename the desktop file and lose the users' choices of default program).
report=$(appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) \
  || fail "appstreamcli validate: $report"
! grep -qE '^[EW]: ' <<<"$report" || fail "appstreamcli validate: $report"
release=$(grep -om1 '<release version="[^"]*"' "$root/usr/share/metainfo/$id.metainfo.xml")
[ "$release" = "<release version=\"$version\"" ] || fail "newest release note is not $version"
[ "$(zcat "$root/usr/share/doc/fotlex/changelog.gz" | dpkg-parsechangelog -l- -SVersion)" = "$version" ] \
  || fail "newest changelog entry is not $version"

for page in "$root"/usr/share/man/{,en/}man1/*.1.gz; do
  report=$(zcat "$page" | groff -k -man -Tutf8 -ww -z 2>&1) && [ -z "$report" ] || fail "manual page $page: $report"
done

cli=$root/usr/bin/fotlex-cli
[ "$("$cli" --version)" = "fotlex-cli $version" ] || fail "fotlex-cli --version"
# A package built without lrelease would speak German only.
german=$(LC_ALL=C "$cli" --help)
[ "$(LC_ALL=en_US.UTF-8 "$cli" --help)" != "$german" ] || fail "fotlex-cli speaks no English"

# Completion as bash asks for it: the words typed so far, the one to complete.
complete_words() {
  local COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMPREPLY=()
  _fotlex_cli 2>/dev/null
  echo "${COMPREPLY[*]}"
}
source "$root/usr/share/bash-completion/completions/fotlex-cli"
# Under English too (a locale this shell need not have installed).
export LC_ALL=C.UTF-8 LANGUAGE=en
[ "$(complete_words "$cli" re)" = rename ] || fail "completion of a command"
[ "$(complete_words "$cli" rename --d)" = --dry-run ] || fail "completion of an option"
[ "$(complete_words "$cli" --v)" = --version ] || fail "completion of a program option"
echo "package checks passed"
