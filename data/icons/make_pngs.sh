#!/usr/bin/env bash
# Draws the PNG sizes of the program icon with ImageMagick: the motif of dawnquill.svg (a quill
# before the morning sun) at 256 pixels, scaled down for the smaller sizes.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 256x256 xc:none \
    -fill '#4a6fa5' -draw 'roundrectangle 12,12 243,243 44,44' \
    -fill '#f4a259' -draw 'rectangle 12,120 243,176' \
    -fill '#ffe8a3' -draw 'circle 112,176 112,118' \
    -fill '#3b4d61' -draw 'rectangle 12,176 243,200' -draw 'roundrectangle 12,160 243,243 44,44' \
    -stroke '#f7d08a' -strokewidth 8 -draw 'line 44,200 150,200' -draw 'line 44,218 124,218' \
    -stroke '#2b3a4a' -strokewidth 5 -fill '#ffffff' \
    -draw 'path "M212 36 C150 52 118 104 104 170 L116 174 C138 118 170 78 218 50 Z"' \
    -fill none -strokewidth 4 -draw 'path "M212 38 C172 70 140 116 110 172"' \
    -fill '#2b3a4a' -stroke none -draw 'polygon 104,170 98,190 116,174' \
    png32:dawnquill-256.png
for size in 16 32 48 64 128; do
    convert dawnquill-256.png -resize "${size}x${size}" "png32:dawnquill-${size}.png"
done
