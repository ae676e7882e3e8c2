#!/usr/bin/env bash
# A picture of the main window with the rule file written for the tests (tests/apprules/
# winapp2_test.ini) beside the program: its tree scrolled to the end, where the applications'
# groups are, in docs/main-window-applications.png. Taken from the program running in a private
# sandboxed prefix on Xvfb.
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"
source scripts/lib/shots.sh
aw_shots_sandbox shots-apprules
mkdir -p "$AW_WORK/app"
cp tests/apprules/winapp2_test.ini "$AW_WORK/app/winapp2.ini"
aw_shots_start_program
shoot treeend "$AW_WORK/applications.bmp"
convert "$AW_WORK/applications.bmp" docs/main-window-applications.png
aw_shots_stop_program
echo "screenshots: docs/main-window-applications.png"
