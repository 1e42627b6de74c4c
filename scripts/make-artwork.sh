#!/usr/bin/env bash
# Draws the program's own artwork with ImageMagick: the first-run picture
# data/sample.jpg (a dusk landscape, 2560 x 1440) and the icons (rsvg-convert, from
# librsvg2-bin, renders them). Run it again only to change the artwork.
set -euo pipefail
cd "$(dirname "$0")/.."
W=2560 H=1440
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# Sky: deep blue at the top through violet to a warm glow at the horizon.
convert -size ${W}x700 gradient:'#1b2a5e'-'#b75d8c' "$tmp/sky1.png"
convert -size ${W}x400 gradient:'#b75d8c'-'#f6b46b' "$tmp/sky2.png"
convert -size ${W}x340 gradient:'#f6b46b'-'#ffd9a0' "$tmp/sky3.png"
convert "$tmp/sky1.png" "$tmp/sky2.png" "$tmp/sky3.png" -append "$tmp/sky.png"

# Sun with a soft halo.
convert -size ${W}x${H} xc:none -fill '#fff1c9' -draw "circle 1650,1020 1650,890" \
  -blur 0x6 "$tmp/sun.png"
convert -size ${W}x${H} xc:none -fill '#ffe3a877' -draw "circle 1650,1020 1650,760" \
  -blur 0x60 "$tmp/halo.png"

# Three ranges of hills, lighter in the distance.
convert -size ${W}x${H} xc:none -fill '#6d4a7a' \
  -draw "path 'M 0,1010 C 400,880 700,960 1000,930 C 1350,890 1600,980 1900,940 C 2200,900 2400,960 2560,930 L 2560,1440 L 0,1440 Z'" "$tmp/h1.png"
convert -size ${W}x${H} xc:none -fill '#40305a' \
  -draw "path 'M 0,1120 C 300,1040 600,1100 900,1070 C 1250,1030 1500,1130 1850,1090 C 2150,1060 2350,1120 2560,1080 L 2560,1440 L 0,1440 Z'" "$tmp/h2.png"
convert -size ${W}x${H} xc:none -fill '#1d1a33' \
  -draw "path 'M 0,1260 C 350,1190 700,1280 1100,1230 C 1500,1180 1800,1290 2150,1240 C 2350,1215 2480,1250 2560,1240 L 2560,1440 L 0,1440 Z'" "$tmp/h3.png"

convert "$tmp/sky.png" "$tmp/halo.png" -composite "$tmp/sun.png" -composite \
  "$tmp/h1.png" -composite "$tmp/h2.png" -composite "$tmp/h3.png" -composite \
  -quality 88 -sampling-factor 4:2:0 -strip data/sample.jpg

# Icons: every size is rendered from the one drawing dist/icons/org.orvane.Tessaly.svg
# (a framed landscape on a rounded tile): the hicolor theme sizes the package
# installs, and the tray icon the program falls back on without an icon theme.
svg=dist/icons/org.orvane.Tessaly.svg
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p dist/icons/${size}x${size}
  rsvg-convert -w $size -h $size "$svg" -o "$tmp/icon.png"
  convert "$tmp/icon.png" -strip dist/icons/${size}x${size}/org.orvane.Tessaly.png
done
cp dist/icons/64x64/org.orvane.Tessaly.png data/icons/tessaly.png
