#!/usr/bin/env bash
# Makes the metadata fuzzer's starting corpus: one small real file per format, tagged with the
# formats' own tools (ffmpeg, exiv2, id3v2, flac), no downloaded media. The files are kept in
# fuzz/corpus/metadata; run again to make them afresh.
# Usage: make-metadata-corpus.sh [FOLDER]   (default: fuzz/corpus/metadata)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/fuzz/corpus/metadata}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ff() { ffmpeg -loglevel error -y -nostdin "$@"; }

ff -f lavfi -i color=c=red:s=8x8 -frames:v 1 "$work/photo.jpg"
exiv2 -M'set Exif.Photo.DateTimeOriginal 2023:07:14 09:08:07' -M'set Exif.Image.Make Fuji' \
  -M'set Exif.Image.Model X100V' -M'set Exif.Photo.LensModel XF23' \
  -M'set Exif.Image.Orientation 6' "$work/photo.jpg"
ff -f lavfi -i color=c=green:s=4x4 -frames:v 1 -pix_fmt rgb24 "$work/photo.tif"
exiv2 -M'set Exif.Photo.DateTimeOriginal 2020:01:02 03:04:05' -M'set Exif.Image.Model T' \
  "$work/photo.tif"
ff -f lavfi -i color=c=blue:s=4x4 -frames:v 1 "$work/photo.png"
exiv2 -M'set Exif.Photo.DateTimeOriginal 2021:05:06 07:08:09' "$work/photo.png"

ff -f lavfi -i anullsrc=r=8000:cl=mono -t 0.05 -b:a 8k "$work/song.mp3"
id3v2 -a 'AC/DC' -A 'Album' -t 'Title' -T 3/12 -y 1980 --TPE2 'Various' --TPOS 1/2 "$work/song.mp3"
ff -f lavfi -i anullsrc=r=8000:cl=mono -t 0.05 -f wav "$work/song.wav"
flac --silent --force --no-padding -0 -o "$work/song.flac" -T ARTIST=Art -T TRACKNUMBER=7 -T DATE=1999 \
  "$work/song.wav"
ff -f lavfi -i anullsrc=r=8000:cl=mono -t 0.05 -c:a libvorbis -metadata artist=Vorbis \
  "$work/song.ogg" || true

ff -f lavfi -i color=c=blue:s=16x16:d=0.1:r=10 -metadata creation_time=2021-05-06T07:08:09Z \
  -pix_fmt yuv420p "$work/clip.mp4"

# The same bytes are parsed as a name template too.
printf '%s' '{photo.taken:%Y-%m-%d_%H%M%S|modified:%Y} {audio.artist|"Unknown"} {{x}}{counter:3}{ext}' \
  >"$work/template.txt"
printf '%s' '{name:upper}{title|folder|parent}{video.created:%a %b %e %j %p}{audio.track:999}' \
  >"$work/template-bad.txt"

for f in "$work"/*; do
  size=$(stat -c %s "$f")
  if ((size > 4096)); then
    echo "skipped $(basename "$f"): $size bytes (the fuzzer's inputs are at most 4096)" >&2
    continue
  fi
  cp "$f" "$out/$(basename "$f")"
done
ls -l "$out"
