#!/usr/bin/env bash
# Pictures of the control gallery in docs/: each group of common controls native (left) and
# skinned (right), docs/gallery-*.png, taken in a private sandboxed prefix on Xvfb.
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"
source scripts/lib/shots.sh
aw_shots_sandbox gallery-shots
rm -f "$AW_WORK"/*.bmp
cp build/win/tests/skin/controls/gallery_shots.exe "$AW_WORK/"
aw_wine gallery_shots.exe .
for group in lists ranges tabs others dropped; do
  convert "$AW_WORK/gallery-$group.bmp" "docs/gallery-$group.png"
done
echo "gallery-screenshots: docs/gallery-*.png"
