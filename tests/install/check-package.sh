#!/usr/bin/env bash
# Builds the Debian package from build/ and checks it as an installing user
# would meet it: the files it lists, its dependencies, the desktop entry and
# AppStream file passing their validators, the manual page rendering cleanly,
# and fotlex-cli and its bash completion working from the unpacked package.
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

# Every file is named after the one application id of the desktop entry.
listing=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
desktop=$(grep -E '^\./usr/share/applications/[^/]+\.desktop$' <<<"$listing") \
  || fail "no desktop entry"
id=$(basename "$desktop" .desktop)
expected=(usr/bin/fotlex usr/bin/fotlex-cli
  "usr/share/metainfo/$id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$id.svg"
  usr/share/man/man1/fotlex-cli.1.gz
  usr/share/bash-completion/completions/fotlex-cli)
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
report=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) \
  || fail "appstreamcli validate: $report"
! grep -qE '^[EW]: ' <<<"$report" || fail "appstreamcli validate: $report"
release=$(grep -om1 '<release version="[^"]*"' "$root/usr/share/metainfo/$id.metainfo.xml")
[ "$release" = "<release version=\"$version\"" ] || fail "newest release note is not $version"

report=$(zcat "$root/usr/share/man/man1/fotlex-cli.1.gz" | groff -k -man -Tutf8 -ww -z 2>&1) \
  && [ -z "$report" ] || fail "manual page: $report"

[ "$("$root/usr/bin/fotlex-cli" --version)" = "fotlex-cli $version" ] || fail "fotlex-cli --version"

# Completion as bash asks for it: the words typed so far, the one to complete.
complete_words() {
  local COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMPREPLY=()
  _fotlex_cli 2>/dev/null
  echo "${COMPREPLY[*]}"
}
source "$root/usr/share/bash-completion/completions/fotlex-cli"
cli=$root/usr/bin/fotlex-cli
[ "$(complete_words "$cli" re)" = rename ] || fail "completion of a command"
[ "$(complete_words "$cli" rename --d)" = --dry-run ] || fail "completion of an option"
[ "$(complete_words "$cli" --v)" = --version ] || fail "completion of a program option"
echo "package checks passed"
