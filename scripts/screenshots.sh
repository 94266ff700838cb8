#!/usr/bin/env bash
# Takes one screenshot of the desktop program per look, with a small folder listed, under a
# virtual X server, the same again at QT_SCALE_FACTOR=2 (look-N-scale2.png) and the main
# window 800 pixels wide (narrow-800.png), then one per scene: the ribbon's Home category, the
# row context menu, the single-file rename dialog, the About box and the rename parameters
# window beside the list with its live preview.
# Usage: screenshots.sh [--language LANG] [OUTPUT_DIR] (default: build/screenshots, or
# build/screenshots/LANG with a language). The program speaks LANG (de, fr, es, pt_BR, it, pl,
# ru, ja, zh_CN, or en_XA: English lengthened by 40%); English without the option. Settings go
# to a temporary folder, never to the user's own. At the end scripts/check-contrast.py
# measures text and check box contrast in the main window shots, scripts/check-fit.py checks
# that no text of any shot is cut short or overlaps another, and the script fails when either
# finds a fault.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
language=
if [ "${1:-}" = --language ]; then
  [ -n "${2:-}" ] || { echo "--language needs a language (de, fr, ..., en_XA)" >&2; exit 2; }
  language=$2
  shift 2
fi
out=${1:-$build/screenshots${language:+/$language}}
export LANGUAGE=${language:-en}

shooter=$build/tests/desktop/screenshots/quirewell-screenshots
if [ ! -x "$shooter" ]; then
  "$root/scripts/build.sh" "$build"
fi
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (apt-get install xvfb xauth)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/Holiday Photos"
mkdir -p "$folder/2023" "$folder/2024"
for i in $(seq -w 1 12); do
  head -c $((10#$i * 12345)) /dev/zero >"$folder/IMG_20240$((10#$i % 9 + 1))_$i.jpg"
done
printf 'notes\n' >"$folder/notes.txt"
head -c 2560000 /dev/zero >"$folder/video clip.mp4"
touch -d '2024-05-17 14:05:09' "$folder"/*.*

mkdir -p "$out"
export XDG_CONFIG_HOME=$work/config
export QT_QPA_PLATFORM=xcb
measured=()
for look in 210 211 212 213 214 215 216 217 218; do
  xvfb-run -a -s "-screen 0 1400x900x24" \
    "$shooter" --screenshot "$out/look-$look.png" --look "$look" --folder "$folder" \
    --regions "$out/look-$look.regions" --fits "$out/look-$look.fits"
  measured+=("$out/look-$look.png")
  echo "$out/look-$look.png"
done
for look in 210 211 212 213 214 215 216 217 218; do
  QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2800x1800x24" \
    "$shooter" --screenshot "$out/look-$look-scale2.png" --look "$look" --folder "$folder" \
    --regions "$out/look-$look-scale2.regions" --fits "$out/look-$look-scale2.fits"
  measured+=("$out/look-$look-scale2.png")
  echo "$out/look-$look-scale2.png"
done

# The scenes, in the default look (a fresh store); a wider screen leaves room beside the
# main window.
rm -rf "$XDG_CONFIG_HOME"
shoot() {
  local name=$1 screen=$2
  shift 2
  xvfb-run -a -s "-screen 0 ${screen}x24" \
    "$shooter" --screenshot "$out/$name.png" --folder "$folder" --fits "$out/$name.fits" "$@"
  echo "$out/$name.png"
}
shoot ribbon-home 1400x900
shoot narrow-800 1400x900 --width 800 --regions "$out/narrow-800.regions"
measured+=("$out/narrow-800.png")
shoot context-menu 1400x900 --scene context-menu
shoot single-rename 1400x900 --scene single-rename
shoot about 1400x900 --scene about
shoot parameters 1920x1000 --scene parameters

status=0
python3 "$root/scripts/check-contrast.py" "${measured[@]}" || status=1
python3 "$root/scripts/check-fit.py" "$out"/*.fits || status=1
exit $status
