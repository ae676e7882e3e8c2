#!/usr/bin/env bash
# Pictures of the main window (also with its tree scrolled to the end), its system menu, the
# tree's menu, the message box of a Clean with nothing ticked and the four pages of the settings
# window, in docs/, taken from the program running in a private sandboxed prefix on Xvfb.
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"
source scripts/lib/shots.sh
aw_shots_sandbox shots
scripts/seed-traces.sh "$WINEPREFIX"
aw_shots_start_program
shoot main "$AW_WORK/main.bmp"
convert "$AW_WORK/main.bmp" docs/main-window.png
shoot treeend "$AW_WORK/treeend.bmp"
convert "$AW_WORK/treeend.bmp" docs/main-window-tree-end.png
shoot sysmenu "$AW_WORK/sysmenu.bmp"
convert "$AW_WORK/sysmenu.bmp" docs/system-menu.png
shoot treemenu "$AW_WORK/treemenu.bmp"
convert "$AW_WORK/treemenu.bmp" docs/tree-menu.png
shoot message "$AW_WORK/message.bmp"
convert "$AW_WORK/message.bmp" docs/message-box.png
names=(general cleaning schedule advanced)
for page in 0 1 2 3; do
  shoot settings "$page" "$AW_WORK/settings-$page.bmp"
  convert "$AW_WORK/settings-$page.bmp" "docs/settings-${names[$page]}.png"
done
aw_shots_stop_program
echo "screenshots: docs/main-window.png docs/main-window-tree-end.png docs/system-menu.png docs/tree-menu.png docs/message-box.png docs/settings-*.png"
