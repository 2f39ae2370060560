#!/usr/bin/env bash
# Draws the window's wood picture (238 x 212, horizontal light-brown planks, brightest towards the
# top centre) and the 32 x 32 icon with ImageMagick. The results are committed; run this only to
# redraw them.
set -euo pipefail
cd "$(dirname "$0")"
w=238 h=212
# Grain: noise stretched along the planks.
convert -size 12x${h} xc: -seed 7 +noise Random -colorspace Gray -blur 0x0.8 \
  -resize ${w}x${h}! -blur 10x0.5 -normalize grain.mpc
# Planks: a slightly different tone per plank, dark seams every 30 pixels.
convert -size ${w}x${h} xc:'#d9a86c' \
  \( grain.mpc -level 15%,95% \) -compose softlight -composite \
  -fill '#00000000' -stroke '#7a4b22' -strokewidth 1 \
  -draw "$(for y in 29 59 89 119 149 179 209; do printf 'line 0,%d %d,%d ' "$y" "$w" "$y"; done)" \
  planks.mpc
# Light from the top centre.
convert -size ${w}x${h} radial-gradient:'#ffffff'-'#8a8a8a' -crop ${w}x${h}+0+0 +repage \
  -roll +0-$((h / 2)) light.mpc
convert planks.mpc light.mpc -compose multiply -composite -modulate 115,90 -quality 90 wood.jpg
# Icon: a clock face on the same wood.
convert wood.jpg -crop 64x64+87+10 +repage -resize 32x32 \
  -fill '#fff4e0' -stroke '#6b3f17' -strokewidth 2 -draw 'circle 16,16 16,4' \
  -stroke '#3a2410' -strokewidth 2 -draw 'line 16,16 16,8' -draw 'line 16,16 22,16' \
  -colors 256 ombrel.png
rm -f grain.mpc grain.cache planks.mpc planks.cache light.mpc light.cache
