#!/usr/bin/env bash
# Draws the main window's two pictures and the application icon with ImageMagick. The results
# are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"

# Background strip of the button column: a calm dark slate gradient.
convert -size 137x425 gradient:'#2c3a47'-'#10161d' -quality 92 strip.jpg

# Banner for the maker's other product.
convert -size 241x41 gradient:'#17313a'-'#0f1d24' \
  -fill '#3fb8af' -draw 'roundrectangle 6,8 30,32 5,5' \
  -fill '#0f1d24' -draw 'rectangle 13,19 23,28' -draw 'arc 13,11 23,23 180,360' \
  -fill '#3fb8af' -draw 'rectangle 15,21 21,26' \
  -font DejaVu-Sans-Bold -pointsize 12 -fill '#e8f1f2' -annotate +38+18 'Ashwarden Vault' \
  -font DejaVu-Sans -pointsize 9 -fill '#9cc7c9' -annotate +38+32 'Keep what matters. Encrypted.' \
  -quality 92 banner.jpg

# Icon: a teal shield with a dark ember cut-out, at 16, 32 and 48 pixels.
for size in 16 32 48; do
  convert -size 48x48 xc:none \
    -fill '#1f6f6b' -draw 'path "M24,3 L42,9 L42,24 C42,35 34,42 24,46 C14,42 6,35 6,24 L6,9 Z"' \
    -fill '#3fb8af' -draw 'path "M24,6 L39,11 L39,24 C39,33 32,39 24,42.5 C16,39 9,33 9,24 L9,11 Z"' \
    -fill '#10161d' -draw 'path "M24,13 C29,19 31,23 31,28 C31,33 28,36 24,36 C20,36 17,33 17,28 C17,24 20,21 22,18 C22,22 24,24 25,24 C26,21 25,17 24,13 Z"' \
    -resize ${size}x${size} icon-$size.png
done
convert icon-16.png icon-32.png icon-48.png ../ashwarden.ico
rm -f icon-16.png icon-32.png icon-48.png

# Skin engine fallbacks: the track channels of track bars (margins of 3 on every side are
# kept unscaled) and the system menu's glyphs (Restore, Maximize, Minimize, Close; white is
# transparent). 24-bit BMPs, as the resource compiler takes them.
convert -size 24x9 xc:'#1b232c' -fill '#3a4654' -draw 'rectangle 1,1 22,7' \
  -fill '#0f151b' -draw 'rectangle 3,3 20,5' -type TrueColor BMP3:track.bmp
convert track.bmp -rotate 90 -type TrueColor BMP3:trackvert.bmp
convert -size 64x16 xc:white -fill none -stroke '#1e2a33' -strokewidth 1 \
  -draw 'rectangle 5,3 12,10' -draw 'rectangle 3,5 10,12' \
  -draw 'rectangle 19,3 28,12' -draw 'line 19,4 28,4' \
  -draw 'line 35,12 44,12' -draw 'line 35,11 44,11' \
  -draw 'line 51,3 60,12' -draw 'line 60,3 51,12' \
  -type TrueColor BMP3:menuglyphs.bmp
