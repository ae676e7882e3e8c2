# Sourced by the screenshot scripts: a private sandboxed prefix on its own Xvfb, and winshot
# pictures of the program running in a virtual desktop of that prefix.

AW_REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# aw_shots_sandbox NAME: the Windows build brought up to date, then the sandbox in build/NAME,
# stopped when the script exits.
aw_shots_sandbox() {
  source "$AW_REPO_ROOT/scripts/lib/build.sh"
  aw_build_windows
  source "$AW_REPO_ROOT/scripts/lib/sandbox.sh"
  export AW_WORK=$AW_REPO_ROOT/build/$1
  unset DISPLAY
  aw_sandbox_init
  trap aw_sandbox_stop EXIT
  aw_display_ensure
  aw_prefix_ensure
  aw_wineserver_start
  export AW_SOURCE_DIR='R:\'
}

# aw_shots_start_program: the program and winshot in $AW_WORK/app, the program started in the
# virtual desktop "Shots" (its process id in AW_SHOTS_PROGRAM).
aw_shots_start_program() {
  mkdir -p "$AW_WORK/app"
  cp "$AW_REPO_ROOT/build/win/src/app/Ashwarden.exe" "$AW_REPO_ROOT/build/win/tests/winshot.exe" "$AW_WORK/app/"
  aw_wine explorer /desktop=Shots,800x600 "$AW_WORK/app/Ashwarden.exe" >/dev/null 2>&1 &
  AW_SHOTS_PROGRAM=$!
  # The program's explorer must own the virtual desktop before winshot's joins it; otherwise
  # winshot's explorer keeps the desktop and never returns.
  sleep 4
}

aw_shots_stop_program() {
  kill "$AW_SHOTS_PROGRAM" 2>/dev/null || true
  wait "$AW_SHOTS_PROGRAM" 2>/dev/null || true
}

# shoot ARGS... OUT: winshot runs in the program's virtual desktop, where it can see its
# windows; the picture is the last argument, waited for.
shoot() {
  local out=${*: -1}
  rm -f "$out"
  aw_wine explorer /desktop=Shots,800x600 "$AW_WORK/app/winshot.exe" "$@" >/dev/null 2>&1 || true
  local i
  # Up to two minutes: a preview over a hundred thousand files takes a while to complete.
  for i in $(seq 1 600); do
    [ -s "$out" ] && sleep 0.5 && return 0
    sleep 0.2
  done
  echo "screenshots: no picture $out" >&2
  return 1
}
