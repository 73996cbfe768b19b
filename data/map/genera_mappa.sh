#!/bin/sh
# Regenerates MappaItalia.png, the map of the site window: the extent
# 5.69..20.4 E, 35.5..47.67 N drawn edge to edge (linear projection, no
# frame, no annotations) at 300 x 358 pixels, so that the picture's edges
# are the extent's edges. Needs GMT 6 with its GSHHG and DCW data and
# Ghostscript (Debian: gmt gmt-gshhg-low gmt-dcw ghostscript); the build
# never runs it.
set -e
cd "$(dirname "$0")"
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cd "$lavoro"
gmt set PS_MEDIA A3
# 3 x 3.575 inches at 100 dpi (the crop rounds up to 358 rows); the sea fill covers the whole region, so the
# tight crop of psconvert -A is the region itself.
gmt pscoast -R5.69/20.4/35.5/47.67 -JX3i/3.575i -Dl -Gwheat -Slightblue -N1/0.25p,gray40 -W0.25p -X1i -Y1i > mappa.ps
gmt psconvert mappa.ps -Tg -A -E100 -Fmappa
cd - > /dev/null
mv "$lavoro/mappa.png" MappaItalia.png
