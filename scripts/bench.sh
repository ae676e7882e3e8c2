#!/usr/bin/env bash
# Benchmarks (never part of the tests): optimised builds without sanitizers, natively and for
# Windows; the Windows programs run under Wine in their own private sandboxed prefix.
set -euo pipefail
REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$REPO"
if [ "$(id -u)" = 0 ]; then
  scripts/setup.sh
fi
source scripts/lib/build.sh
aw_quiet cmake -S . -B build/bench-native -G Ninja -DCMAKE_BUILD_TYPE=Release -DASHWARDEN_SANITIZE=OFF \
  -DASHWARDEN_BENCH=ON -DBUILD_TESTING=OFF
aw_quiet cmake --build build/bench-native -j "$AW_JOBS" --target skin_decode_bench make_app_rules
aw_quiet cmake -S . -B build/bench-win -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DASHWARDEN_DEPS="$AW_DEPS" \
  -DASHWARDEN_BENCH=ON -DBUILD_TESTING=OFF
aw_quiet cmake --build build/bench-win -j "$AW_JOBS" --target skin_decode_bench cleaning_bench removal_steps startup_bench bare_window process_clean_bench Ashwarden

# AW_BENCH_ONLY=startup runs only the start-up benchmarks, AW_BENCH_ONLY=process only the
# whole program's -clean against the bare loop.
wanted() { [ -z "${AW_BENCH_ONLY:-}" ] || [ "$AW_BENCH_ONLY" = "$1" ]; }
if wanted all; then
  echo "== skin package decoding, native"
  build/bench-native/bench/skin_decode_bench res/skin/ashwarden.skin 2000
fi

source scripts/lib/sandbox.sh
export AW_WORK=$REPO/build/bench-win
aw_sandbox_init
trap aw_sandbox_stop EXIT
aw_display_ensure
aw_prefix_ensure
aw_wineserver_start
export AW_SOURCE_DIR='R:\'
if wanted all; then
  echo "== skin package decoding, under Wine"
  aw_wine "$REPO/build/bench-win/bench/skin_decode_bench.exe" 'R:\res\skin\ashwarden.skin' 2000
  echo "== cleaning against a bare delete loop (time at 20,000 files, memory at 20,000 and 100,000), under Wine"
  aw_wine "$REPO/build/bench-win/bench/cleaning_bench.exe" "${AW_BENCH_ROUNDS:-9}"
fi
# The programs started from inside Wine are named by their paths on drive R: (the source tree).
winpath() { local rel=${1#"$REPO"/}; echo "R:\\${rel//\//\\}"; }
# startup [folder [tree-items]]: the program started from its own folder; with tree-items, also
# the time until its tree, past that many items, stops growing.
startup() {
  local app=$AW_WORK/${1:-app}
  mkdir -p "$app"
  cp build/bench-win/src/app/Ashwarden.exe build/bench-win/bench/bare_window.exe "$app/"
  aw_wine "$REPO/build/bench-win/bench/startup_bench.exe" "$(winpath "$app/Ashwarden.exe")" \
    "$(winpath "$app/bare_window.exe")" \
    "${AW_BENCH_STARTS:-7}" "${AW_BENCH_PAUSE_MS:-0}" ${2:+"$2"}
}
if wanted startup; then
  echo "== start-up to a visible main window against a bare window program, under Wine"
  startup
  echo "== the same with a generated rule file of 4,000 entries beside the program, under Wine"
  mkdir -p "$AW_WORK/app-rules"
  build/bench-native/tools/apprulesgen/make_app_rules "$AW_WORK/app-rules/winapp2.ini" 4000
  # The built-in tree: 28 groups and 166 categories.
  startup app-rules 194
fi
if wanted process; then
  echo "== the whole program's -clean of 20,000 files against a bare delete loop, each a process, under Wine"
  mkdir -p "$AW_WORK/app-clean"
  cp build/bench-win/src/app/Ashwarden.exe "$AW_WORK/app-clean/"
  aw_wine "$REPO/build/bench-win/bench/process_clean_bench.exe" "$(winpath "$AW_WORK/app-clean")" \
    "${AW_BENCH_PROCESS_ROUNDS:-5}"
fi
# With AW_BENCH_TRACES=1, again in a prefix of its own holding the sample traces of
# scripts/seed-traces.sh (Chrome, Firefox, Opera and every browser of the families): the scan at
# start-up finds them all.
if [ "${AW_BENCH_TRACES:-0}" = 1 ] && wanted startup; then
  echo "== start-up with sample traces of the browser groups, under Wine"
  # Stopping the sandbox ends the display it started; the next one starts its own.
  [ -n "${AW_XVFB_PID:-}" ] && started_display=1 || started_display=0
  aw_sandbox_stop
  [ "$started_display" = 1 ] && unset DISPLAY
  export AW_WORK=$REPO/build/bench-traces
  aw_sandbox_init
  aw_display_ensure
  aw_prefix_ensure
  scripts/seed-traces.sh "$WINEPREFIX"
  aw_wineserver_start
  startup
fi
