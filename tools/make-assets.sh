#!/usr/bin/env bash
# Regenerates the pictures and the jingle in assets/, and the desktop icons,
# with ImageMagick and sox.
# The results are committed, so playing needs neither tool; run this after changing it.
set -euo pipefail
cd "$(dirname "$0")/../assets"

# ImageMagick 6 as Debian ships it.
im=convert
# Plain 24-bit RGB, no alpha (the colour keys act only then), and no time stamps,
# so the same script makes the same bytes.
png() { echo "PNG24:$1"; }
strip=(-strip -define png:exclude-chunks=date,time,tIME)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The backdrop and the tiles are never keyed and cover the whole screen every
# frame, so they are saved with a 256-colour palette: SDL copies 8-bit pixels
# onto the 32-bit screen through a lookup table, its fastest way short of
# converting the images. No dithering, so the textures still wrap seamlessly.
palette() { # picture... : each RGB picture in $tmp becomes an 8-bit one here, sharing one palette
  $im "${@/#/$tmp/}" +append +dither -colors 256 -unique-colors "$tmp/palette.png"
  local picture
  for picture in "$@"; do
    $im "$tmp/$picture" +dither -remap "$tmp/palette.png" "${strip[@]}" "PNG8:$picture"
  done
}

# A 64 x 64 texture that wraps at its edges, so neighbouring tiles join without seams.
texture() { # seed blur dark light, then more operations and the output
  $im -seed "$1" -size 64x64 xc:gray +noise Random -virtual-pixel tile -blur "0x$2" \
      -colorspace gray -auto-level -colorspace sRGB -type TrueColor +level-colors "$3,$4" "${@:5}"
}

# Grass.
texture 11 1.4 '#2f6b26' '#5da343' "$tmp/laatta2.png"

# Road: asphalt with a few light chips, the same every way round, so one tile
# serves the vertical and the horizontal road alike.
texture 23 0.7 '#3c3c40' '#6a6a70' \
  \( -seed 5 -size 64x64 xc:black +noise Random -channel G -separate +channel -threshold 99.4% \) \
  -compose lighten -composite "$tmp/laatta3.png"
palette laatta3.png

# Start: the grass with a chequered flag on a pole.
texture 11 1.4 '#2f6b26' '#5da343' \
  -fill '#6b4a2a' -draw 'rectangle 18,14 21,54' \
  -fill white -draw 'rectangle 22,14 45,31' \
  -fill '#111111' -draw 'rectangle 22,14 27,19' -draw 'rectangle 34,14 39,19' \
  -draw 'rectangle 28,20 33,25' -draw 'rectangle 40,20 45,25' \
  -draw 'rectangle 22,26 27,31' -draw 'rectangle 34,26 39,31' \
  "$tmp/laatta1.png"
palette laatta1.png laatta2.png # one palette, so the grass matches across their edge

# Backdrop: an evening sky over hills; it shows wherever a tile is missing.
$im -size 640x300 gradient:'#1d2b5a-#e38b4f' \
  \( -size 640x180 gradient:'#3d6b2f-#1c3316' \) -append \
  -fill '#2a4d22' -draw 'ellipse 120,320 200,60 180,360' -draw 'ellipse 480,330 260,70 180,360' \
  "$tmp/kuva.png"
palette kuva.png

# The car, pointing up the screen, on black (its transparent colour).
# Nothing of the car itself is pure black.
$im -size 24x44 xc:black +antialias \
  -fill '#1e1e1e' -draw 'rectangle 0,7 3,15' -draw 'rectangle 20,7 23,15' \
  -draw 'rectangle 0,29 3,37' -draw 'rectangle 20,29 23,37' \
  -fill '#c8201e' -draw 'roundrectangle 2,1 21,42 6,6' \
  -fill '#e8453a' -draw 'roundrectangle 5,3 18,10 3,3' \
  -fill '#28344a' -draw 'polygon 5,13 18,13 16,19 7,19' -draw 'polygon 7,33 16,33 18,37 5,37' \
  -fill '#a01a18' -draw 'rectangle 7,20 16,32' \
  -fill '#fff2a8' -draw 'rectangle 4,1 7,2' -draw 'rectangle 16,1 19,2' \
  "${strip[@]}" "$(png volvo.png)"

# The moped; only its size is used, as the car's footprint. Its width is odd
# and its height even, so that the integer halves of each show in the car's
# place on screen (a turned box is always an even size).
$im -size 25x44 xc:magenta +antialias \
  -fill '#1e1e1e' -draw 'rectangle 11,2 13,10' -draw 'rectangle 11,33 13,41' \
  -fill '#2a66c8' -draw 'roundrectangle 9,9 15,34 3,3' \
  -fill '#303030' -draw 'rectangle 4,12 20,13' \
  "${strip[@]}" "$(png mopo.png)"

# A steel ball on black.
$im -size 16x16 xc:black +antialias -fill '#9aa4ad' -draw 'circle 7.5,7.5 7.5,1' \
  -fill '#e6ecf0' -draw 'circle 5.5,5 5.5,3.5' "${strip[@]}" "$(png kuula.png)"

# The piston on magenta: crown with ring grooves, skirt, pin and connecting rod.
$im -size 102x93 xc:magenta +antialias \
  -fill '#7a7f86' -draw 'polygon 44,40 58,40 62,92 40,92' \
  -fill '#5d6167' -draw 'roundrectangle 36,80 66,92 4,4' \
  -fill '#c9cdd2' -draw 'roundrectangle 16,2 85,56 6,6' \
  -fill '#e9ecef' -draw 'rectangle 20,4 81,8' \
  -fill '#55595e' -draw 'rectangle 16,13 85,15' -draw 'rectangle 16,19 85,21' -draw 'rectangle 16,25 85,27' \
  -fill '#8f949a' -draw 'circle 51,43 51,35' -fill '#3f4348' -draw 'circle 51,43 51,39' \
  "${strip[@]}" "$(png piston.png)"

# A short, cheerful jingle: a rising arpeggio and a closing chord, 1.3 s,
# 16-bit stereo at 44.1 kHz. -R keeps sox's noise repeatable.
i=0
for note in C5 E5 G5 C6 G5 C6; do
  sox -R -n -r 44100 -c 2 -b 16 "$tmp/$i.wav" synth 0.11 pluck "$note" fade 0 0.11 0.04
  i=$((i + 1))
done
sox -R -n -r 44100 -c 2 -b 16 "$tmp/chord.wav" synth 0.64 pluck E5 pluck C6 fade 0 0.64 0.4
sox -R -D "$tmp"/{0,1,2,3,4,5}.wav "$tmp/chord.wav" polkumusiikkitiedostoon.wav norm -3

# The icons (the desktop menu's, the window's and the Windows exe's): the
# car, turned to drive up and right, on a transparent square of each size,
# its pixels kept sharp.
for size in 16 32 48 64 128 256; do
  $im volvo.png -transparent black -background none -rotate 30 -filter Point -resize 1600% -trim +repage \
    -resize $((size * 15 / 16))x$((size * 15 / 16)) -gravity center -extent ${size}x$size "${strip[@]}" \
    PNG32:../desktop/icon-$size.png
done
