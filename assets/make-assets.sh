#!/usr/bin/env bash
# Draws the window's wood picture (238 x 212, horizontal light-brown planks, brightest towards the
# top centre) and the icon at its sizes with ImageMagick. The results are committed; run this only
# to redraw them.
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
# Icon: a clock face on the same wood, drawn at each size a menu, a panel and a launcher use.
# The 32-pixel one is the window's own icon; the others go into the desktop's icon theme.
icon() {
  local n=$1 out=$2 side=$(($1 > 64 ? ($1 > 200 ? 200 : $1) : 64))
  local x=$((119 - side / 2)) c=$(($1 / 2)) stroke=$(($1 >= 32 ? $1 / 16 : 1))
  convert wood.jpg -crop ${side}x${side}+${x}+10 +repage -resize ${n}x${n} \
    -fill '#fff4e0' -stroke '#6b3f17' -strokewidth "$stroke" \
    -draw "circle $c,$c $c,$((c - n * 12 / 32))" \
    -stroke '#3a2410' -strokewidth "$stroke" \
    -draw "line $c,$c $c,$((c - n / 4))" -draw "line $c,$c $((c + n * 6 / 32)),$c" \
    -colors 256 "$out"
}
icon 32 ombrel.png
mkdir -p icons
for n in 16 22 24 48 64 128 256; do
  icon "$n" "icons/ombrel-$n.png"
done
# The Windows icon (the MSI's shortcut, the programs' own): the same pictures in one .ico.
convert icons/ombrel-16.png icons/ombrel-24.png ombrel.png icons/ombrel-48.png \
  icons/ombrel-64.png icons/ombrel-128.png icons/ombrel-256.png ombrel.ico
# What the window reads at every start: the 178 pixels of the picture's width the window shows,
# and the 32-pixel icon, as plain pixels (binary PPM), the same pixels as above, so that nothing
# has to be decoded and no image library loaded.
convert wood.jpg -crop 178x${h}+0+0 +repage -strip wood.ppm
convert ombrel.png -strip ombrel.ppm
rm -f grain.mpc grain.cache planks.mpc planks.cache light.mpc light.cache
