#!/usr/bin/env bash
# Pictures of the main window, its system menu, the tree's menu, the message box of a Clean with
# nothing ticked and the four pages of the settings window, in docs/, taken from
# the program running in a private sandboxed prefix on Xvfb.
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"
source scripts/lib/build.sh
aw_build_windows

source scripts/lib/sandbox.sh
export AW_WORK=$REPO/build/shots
unset DISPLAY
aw_sandbox_init
trap aw_sandbox_stop EXIT
aw_display_ensure
aw_prefix_ensure
aw_wineserver_start
scripts/seed-traces.sh "$WINEPREFIX"
mkdir -p "$AW_WORK/app"
cp build/win/src/app/Ashwarden.exe build/win/tests/winshot.exe "$AW_WORK/app/"
aw_wine explorer /desktop=Shots,800x600 "$AW_WORK/app/Ashwarden.exe" >/dev/null 2>&1 &
program=$!
# The program's explorer must own the virtual desktop before winshot's joins it; otherwise
# winshot's explorer keeps the desktop and never returns.
sleep 4
# winshot runs in the program's virtual desktop, where it can see its windows; the picture is
# the last argument, waited for.
shoot() {
  local out=${*: -1}
  rm -f "$out"
  aw_wine explorer /desktop=Shots,800x600 "$AW_WORK/app/winshot.exe" "$@" >/dev/null 2>&1 || true
  local i
  for i in $(seq 1 100); do
    [ -s "$out" ] && sleep 0.5 && return 0
    sleep 0.2
  done
  echo "screenshots: no picture $out" >&2
  return 1
}
shoot main "$AW_WORK/main.bmp"
convert "$AW_WORK/main.bmp" docs/main-window.png
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
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
echo "screenshots: docs/main-window.png docs/system-menu.png docs/tree-menu.png docs/message-box.png docs/settings-*.png"
