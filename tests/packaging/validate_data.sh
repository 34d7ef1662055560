#!/bin/sh
# The desktop entry and the AppStream metainfo pass their validators (skipped, 77, without them).
set -u
data=$1
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null || exit 77
status=0
desktop-file-validate "$data"/*.desktop || status=1
appstreamcli validate --no-net "$data"/*.metainfo.xml || status=1
# Every PNG size of the icon is square at its size; the scalable one is there.
for png in "$data"/icons/*-*.png; do
  size=${png##*-}; size=${size%.png}
  file "$png" | grep -q "PNG image data, $size x $size," || { echo "wrong size: $png"; status=1; }
done
[ -f "$data"/icons/io.github.rusk.Rusk.svg ] || { echo "no scalable icon"; status=1; }
exit $status
