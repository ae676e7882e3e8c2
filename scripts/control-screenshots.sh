#!/usr/bin/env bash
# Pictures of the skinned controls in docs/: a contact sheet of every control state
# (docs/skin-controls.png) and the program's windows with their controls skinned
# (docs/skinned-*.png), taken in a private sandboxed prefix on Xvfb. It also checks that the
# windows skinned and unskinned again look exactly as they did before.
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"
source scripts/lib/shots.sh
aw_shots_sandbox control-shots
rm -f "$AW_WORK"/*.bmp
mkdir -p "$AW_WORK/native" "$AW_WORK/unskinned"
cp build/win/tests/skin/controls/control_sheet.exe "$AW_WORK/"
aw_wine control_sheet.exe sheet sheet.bmp
aw_wine control_sheet.exe windows .
aw_wine control_sheet.exe native native
aw_wine control_sheet.exe unskinned unskinned
status=0
for shot in main settings-0 settings-1 settings-2 settings-3; do
  differing=$(compare -metric AE "$AW_WORK/native/$shot.bmp" "$AW_WORK/unskinned/$shot.bmp" null: 2>&1 || true)
  if [ "$differing" != 0 ]; then
    echo "control-screenshots: $shot differs from its native look after unskinning ($differing pixels)" >&2
    status=1
  fi
done
convert "$AW_WORK/sheet.bmp" docs/skin-controls.png
convert "$AW_WORK/main.bmp" docs/skinned-main-window.png
names=(general cleaning schedule advanced)
for page in 0 1 2 3; do
  convert "$AW_WORK/settings-$page.bmp" "docs/skinned-settings-${names[$page]}.png"
done
echo "control-screenshots: docs/skin-controls.png docs/skinned-*.png"
exit $status
