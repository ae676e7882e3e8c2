#!/usr/bin/env bash
# Runs one Windows program under Wine inside the test sandbox. CTest uses it as the emulator of
# the cross build. It never creates or uses any prefix but the build's private one.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/sandbox.sh"
export AW_WORK=${AW_WORK:-$AW_REPO/build/win}
aw_sandbox_init
if [ ! -f "$WINEPREFIX/.ashwarden-ready" ]; then
  echo "wine-sandbox: no private prefix in $WINEPREFIX; run scripts/test.sh" >&2
  exit 2
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "wine-sandbox: no display; run scripts/test.sh" >&2
  exit 2
fi
export AW_SOURCE_DIR='R:\'
export AW_SANDBOX_REPO=$AW_REPO
exec_wine() { aw_bwrap wine "$@"; }
exec_wine "$@"
