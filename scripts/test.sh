#!/usr/bin/env bash
# Sets up the machine (as root, idempotent), builds Ashwarden natively (pure code, sanitized)
# and for Windows, and runs every test: natively, and under Wine inside the private sandbox.
# Extra arguments go to ctest (for example -R wine.cleaner).
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"

if [ "$(id -u)" = 0 ]; then
  scripts/setup.sh
fi
source scripts/lib/build.sh
aw_build_native
aw_build_windows

source scripts/lib/sandbox.sh
export AW_WORK=$REPO/build/win
aw_sandbox_init
trap aw_sandbox_stop EXIT
aw_display_ensure
aw_prefix_ensure
aw_wineserver_start

status=0
echo "== native tests"
ctest --test-dir build/native --output-on-failure "$@" || status=1
echo "== Windows tests under Wine"
ctest --test-dir build/win --output-on-failure "$@" || status=1
exit $status
