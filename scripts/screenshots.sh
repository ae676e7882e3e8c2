#!/usr/bin/env bash
# Pictures of the main window (also with its tree scrolled to the end), its system menu, the
# tree's menu, the message box of a Clean with nothing ticked and the five pages of the settings
# window (the Cookies page filled from the browser fixtures), in docs/, taken from the program
# running in a private sandboxed prefix on Xvfb.
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
# The Cookies page, read when it is shown: the browser fixtures' profiles, a few sites'
# Internet Explorer cookie files and a keep list of three sites. Placed after the other pictures,
# which show the seeded traces alone.
home=$(ls -d "$WINEPREFIX"/drive_c/users/*/ | grep -v /Public/ | head -n1)
xz -dc tests/fixtures/browsers.tar.xz | tar -C "$home/AppData" -xf -
iecookies="$home/AppData/Local/Microsoft/Windows/INetCookies"
mkdir -p "$iecookies"
for site in mail.example.com news.example.org shop.example.net forum.example.net video.example.tv ads.tracker.test; do
  printf 'id\n1\n%s/\n1536\n1\n2\n3\n4\n*\n' "$site" > "$iecookies/user@$site[1].txt"
done
printf '[Sites]\r\nbank.example\r\nexample.org\r\nmail.example.com\r\n' > "$AW_WORK/app/Keep.ini"
shoot settings 4 "$AW_WORK/settings-4.bmp"
convert "$AW_WORK/settings-4.bmp" docs/settings-cookies.png
aw_shots_stop_program
echo "screenshots: docs/main-window.png docs/main-window-tree-end.png docs/system-menu.png docs/tree-menu.png docs/message-box.png docs/settings-*.png"
