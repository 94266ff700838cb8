#!/usr/bin/env bash
# Checks a built Debian package: the files it must hold, its computed run-time dependencies,
# lintian (no error; warnings are printed), desktop-file-validate on the desktop entry,
# appstreamcli on the AppStream metadata and man's warnings on the manual pages.
# Usage: check-package.sh FILE.deb
set -euo pipefail
deb=$1
fail() {
  echo "check-package: $*" >&2
  exit 1
}
[ -f "$deb" ] || fail "no package at $deb"

expected=(
  ./usr/bin/quirewell
  ./usr/bin/quirewell-cli
  ./usr/libexec/quirewell/quirewell-video-tags
  ./usr/share/applications/quirewell.desktop
  ./usr/share/icons/hicolor/scalable/apps/quirewell.svg
  ./usr/share/icons/hicolor/scalable/mimetypes/application-x-quirewell.svg
  ./usr/share/mime/packages/quirewell-kvx.xml
  ./usr/share/metainfo/example.orvalt.Quirewell.metainfo.xml
  ./usr/share/kio/servicemenus/quirewell-rename.desktop
  ./usr/share/nemo/actions/quirewell-rename.nemo_action
  ./usr/share/man/man1/quirewell.1.gz
  ./usr/share/man/man1/quirewell-cli.1.gz
  ./usr/share/bash-completion/completions/quirewell-cli
  ./usr/share/doc/quirewell/copyright
  ./usr/share/doc/quirewell/changelog.gz
)
for language in de fr es pt_BR it pl ru ja zh_CN; do
  expected+=("./usr/share/quirewell/translations/quirewell_$language.qm")
done
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$listing" || fail "$deb lacks $path"
done
if grep -v -e '/$' <<<"$listing" | grep -vxF -f <(printf '%s\n' "${expected[@]}"); then
  fail "$deb holds the files above, which nobody expects"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6widgets6 libc6 libstdc++6 libpcre2-16-0 'libicu[0-9][0-9]*'; do
  grep -q "\\b$library\\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done

# Qt's own translations of standard buttons and dialogs.
grep -q '\bqt6-translations-l10n\b' <<<"$(dpkg-deb -f "$deb" Recommends)" ||
  fail "Recommends lacks qt6-translations-l10n"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
desktop-file-validate "$work/usr/share/applications/quirewell.desktop" ||
  fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$work/usr/share/metainfo/example.orvalt.Quirewell.metainfo.xml" ||
  fail "appstreamcli refused the AppStream metadata"
for page in "$work"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man warns about $(basename "$page"): $warnings"
done

# lintian exits non-zero on an error; the other tags are printed for the reader.
echo "lintian $deb:"
lintian --fail-on error --display-info "$deb" || fail "lintian found errors"
echo "check-package: $deb is fine"
