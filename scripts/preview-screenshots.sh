#!/usr/bin/env bash
# Pictures of the preview window over a few thousand cache files and of the status bar during
# the Clean that follows, in docs/, taken from the program in its own private sandboxed prefix
# on Xvfb. The Clean empties that prefix's traces; the next run seeds them again.
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"
source scripts/lib/shots.sh
aw_shots_sandbox shots-preview
scripts/seed-traces.sh "$WINEPREFIX"
user=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x Public | head -n1)
cache="$WINEPREFIX/drive_c/users/$user/AppData/Local/Google/Chrome/User Data/Default/Cache"
mkdir -p "$cache"
# printf is a builtin: thousands of files without a process each. AW_PREVIEW_FILES seeds more
# (the time the window takes to open is printed).
for i in $(seq 1 "${AW_PREVIEW_FILES:-20000}"); do printf '%*s' $(( (i * 37) % 9000 + 1 )) '' > "$cache/data_$i"; done
aw_shots_start_program
shoot preview "$AW_WORK/preview.bmp"
cat "$AW_WORK/preview.bmp.txt" 2>/dev/null || true
echo "files in the cache: $(ls "$cache" | wc -l)"
convert "$AW_WORK/preview.bmp" docs/preview-window.png
shoot progress "$AW_WORK/progress.bmp"
convert "$AW_WORK/progress.bmp" docs/clean-progress.png
aw_shots_stop_program
rm -f "$WINEPREFIX/.ashwarden-seeded"
echo "screenshots: docs/preview-window.png docs/clean-progress.png"
