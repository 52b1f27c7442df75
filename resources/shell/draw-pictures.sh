#!/usr/bin/env bash
# Draws the pictures of the splash and the about box with ImageMagick.
# They are committed; run this only to draw them again.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
font=/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf
blue='#1084D0'
navy='#000080'

# A questionnaire sheet with ticked answers.
convert -size 170x84 xc:white \
  -fill '#f4f8fc' -stroke '#7a8aa0' -draw 'rectangle 8,5 70,79' \
  -fill "$blue" -stroke none -draw 'rectangle 9,6 69,16' \
  -stroke "$navy" -fill white \
  -draw 'rectangle 14,23 22,31' -draw 'rectangle 14,39 22,47' \
  -draw 'rectangle 14,55 22,63' \
  -stroke '#2a9d3a' -strokewidth 2 -fill none \
  -draw 'polyline 15,27 18,30 24,21' -draw 'polyline 15,59 18,62 24,53' \
  -stroke '#9aa8b8' -strokewidth 1 \
  -draw 'line 27,27 63,27' -draw 'line 27,43 58,43' -draw 'line 27,59 62,59' \
  -draw 'line 14,72 60,72' \
  -stroke none -fill "$navy" -font "$font" -pointsize 15 -annotate +78+38 'Encuestas' \
  -fill "$blue" -font "$font" -pointsize 10 -annotate +79+54 'de satisfacción' \
  -quality 92 splash-encuestas.jpg

# Indicators: rising bars with a trend arrow.
convert -size 170x91 xc:white \
  -stroke '#7a8aa0' -draw 'line 10,78 86,78' -draw 'line 10,10 10,78' \
  -stroke none \
  -fill '#9ccbee' -draw 'rectangle 16,56 28,77' \
  -fill '#5aa8e0' -draw 'rectangle 34,44 46,77' \
  -fill "$blue" -draw 'rectangle 52,30 64,77' \
  -fill "$navy" -draw 'rectangle 70,16 82,77' \
  -stroke '#e07b00' -strokewidth 3 -fill none -draw 'stroke-linejoin round polyline 14,50 40,36 58,24 84,8' \
  -stroke none -fill '#e07b00' -draw 'polygon 88,5 77,6 84,14' \
  -fill "$navy" -font "$font" -pointsize 13 -annotate +90+44 'Indicadores' \
  -fill "$blue" -font "$font" -pointsize 10 -annotate +91+60 'de calidad' \
  -quality 92 splash-indicadores.jpg

# The about box's mark: bars and a tick on the panel's blue.
convert -size 121x65 xc:"$blue" \
  -fill white -stroke none -draw 'roundrectangle 3,3 117,61 6,6' \
  -fill '#9ccbee' -draw 'rectangle 12,40 20,54' \
  -fill "$blue" -draw 'rectangle 24,30 32,54' \
  -fill "$navy" -draw 'rectangle 36,18 44,54' \
  -stroke '#7a8aa0' -draw 'line 9,55 48,55' \
  -stroke '#2a9d3a' -strokewidth 5 -fill none -draw 'stroke-linejoin round stroke-linecap round polyline 60,26 70,36 90,10' \
  -stroke none -fill "$navy" -font "$font" -pointsize 10 -annotate +55+58 'Calidad FP' \
  -quality 92 acercade-logo.jpg

# The program's icon, on every window: a questionnaire sheet with a tick on the
# panel's blue, drawn large and reduced for the small sizes.
convert -size 256x256 xc:none \
  -fill "$navy" -stroke none -draw 'roundrectangle 8,8 247,247 40,40' \
  -fill "$blue" -draw 'roundrectangle 20,20 235,235 32,32' \
  -fill white -stroke '#7a8aa0' -strokewidth 4 -draw 'rectangle 58,36 198,220' \
  -stroke "$navy" -strokewidth 6 -fill white \
  -draw 'rectangle 78,70 104,96' -draw 'rectangle 78,124 104,150' -draw 'rectangle 78,178 104,204' \
  -stroke '#9aa8b8' -strokewidth 8 \
  -draw 'line 120,83 180,83' -draw 'line 120,137 172,137' -draw 'line 120,191 178,191' \
  -stroke '#2a9d3a' -strokewidth 22 -fill none \
  -draw 'stroke-linejoin round stroke-linecap round polyline 122,128 156,164 222,70' \
  /tmp/dimarvolteca-icon.png
for size in 16 32 48 64; do
  convert /tmp/dimarvolteca-icon.png -resize ${size}x${size} -strip ../ui/dimarvolteca-$size.png
done
