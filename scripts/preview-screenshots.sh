#!/usr/bin/env bash
# Pictures of the preview window over a few thousand cache files and of the status bar during
# the Clean that follows, in docs/, taken from the program in its own private sandboxed prefix
# on Xvfb. The Clean empties that prefix's traces; the next run seeds them again.
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"
source scripts/lib/build.sh
aw_build_windows

source scripts/lib/sandbox.sh
export AW_WORK=$REPO/build/shots-preview
unset DISPLAY
aw_sandbox_init
trap aw_sandbox_stop EXIT
aw_display_ensure
aw_prefix_ensure
aw_wineserver_start
scripts/seed-traces.sh "$WINEPREFIX"
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x Public | head -n1)
cache="$WINEPREFIX/drive_c/users/$user/AppData/Local/Google/Chrome/User Data/Default/Cache"
mkdir -p "$cache"
# printf is a builtin: thousands of files without a process each.
for i in $(seq 1 20000); do printf '%*s' $(( (i * 37) % 9000 + 1 )) '' > "$cache/data_$i"; done
mkdir -p "$AW_WORK/app"
cp build/win/src/app/Ashwarden.exe build/win/tests/winshot.exe "$AW_WORK/app/"
aw_wine explorer /desktop=Shots,800x600 "$AW_WORK/app/Ashwarden.exe" >/dev/null 2>&1 &
program=$!
sleep 4
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
shoot preview "$AW_WORK/preview.bmp"
convert "$AW_WORK/preview.bmp" docs/preview-window.png
shoot progress "$AW_WORK/progress.bmp"
convert "$AW_WORK/progress.bmp" docs/clean-progress.png
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
rm -f "$WINEPREFIX/.ashwarden-seeded"
echo "screenshots: docs/preview-window.png docs/clean-progress.png"
