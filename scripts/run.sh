#!/usr/bin/env bash
# Sets up the machine (as root, idempotent), builds Ashwarden and runs it in its own private,
# sandboxed Wine prefix (never the user's own). With a display it opens there; without one it
# runs on Xvfb and writes a screenshot to build/run/screenshot.png. Arguments go to the program
# (-startup, -clean).
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"

if [ "$(id -u)" = 0 ]; then
  scripts/setup.sh
fi
source scripts/lib/build.sh
aw_build_windows

source scripts/lib/sandbox.sh
export AW_WORK=$REPO/build/run
aw_sandbox_init
trap aw_sandbox_stop EXIT
headless=
[ -z "${DISPLAY:-}" ] && headless=1
# AW_SCREENSHOT=<file.png> runs headless and writes the screenshot there.
[ -n "${AW_SCREENSHOT:-}" ] && headless=1 && unset DISPLAY
shot=${AW_SCREENSHOT:-$AW_WORK/screenshot.png}
aw_display_ensure
aw_prefix_ensure

# The program keeps its settings beside itself, so it runs from a folder of the sandbox.
mkdir -p "$AW_WORK/app"
cp build/win/src/app/Ashwarden.exe "$AW_WORK/app/"
[ -f build/win/CL_Examples.txt ] && cp build/win/CL_Examples.txt "$AW_WORK/app/"
if [ -x scripts/seed-traces.sh ]; then
  scripts/seed-traces.sh "$WINEPREFIX"
fi

if [ -z "$headless" ]; then
  aw_wine "$AW_WORK/app/Ashwarden.exe" "$@"
  exit 0
fi

aw_wineserver_start
aw_wine explorer /desktop=Ashwarden,640x600 "$AW_WORK/app/Ashwarden.exe" "$@" >/dev/null 2>&1 &
program=$!
sleep "${AW_SCREENSHOT_DELAY:-6}"
import -display "$DISPLAY" -window root -crop 640x600+0+0 +repage "$shot" 2>/dev/null || true
echo "run: screenshot written to $shot"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
