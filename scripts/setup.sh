#!/usr/bin/env bash
# Installs the Debian packages that Quirewell needs to build, test and run, if missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format clang-tidy
  qt6-base-dev qt6-base-dev-tools libgl-dev libpcre2-dev
  libbenchmark-dev libicu-dev
  clang libclang-rt-14-dev
  xvfb xauth imagemagick
  hyperfine mmv
  fusefat dosfstools
  dpkg-dev file lintian desktop-file-utils appstream man-db
  # The screen reader's view of the running program (scripts/check-accessibility.sh).
  dbus at-spi2-core python3 python3-pyatspi
  # The name template's metadata readers, and the tools the tests and benchmarks make
  # sample media with.
  libexiv2-dev libtag1-dev libmediainfo-dev libzen-dev
  exiv2 id3v2 ffmpeg flac libimage-exiftool-perl
  # Translations: lupdate and lrelease, Qt's own translations, and a font with Japanese and
  # Chinese glyphs for the layout checks of those languages.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-droid-fallback python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
