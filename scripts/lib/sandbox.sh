# Sourced by the test and run scripts. Runs Wine only inside a bubblewrap sandbox that shows it
# /usr and /etc read-only, the X socket, the source tree read-only and one writable work folder
# (which holds the private Wine prefix, the private HOME and a private /tmp). Drive Z: is
# removed from the prefix and the source tree is mapped to R:.
#
# Callers set AW_WORK (the writable folder) before calling aw_sandbox_init.

AW_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

aw_sandbox_init() {
  export AW_WORK=${AW_WORK:?AW_WORK must name the sandbox work folder}
  mkdir -p "$AW_WORK"
  AW_WORK=$(cd "$AW_WORK" && pwd)
  export WINEPREFIX=$AW_WORK/wineprefix
  export AW_HOME=$AW_WORK/home
  export AW_TMP=$AW_WORK/tmp
  mkdir -p "$AW_HOME" "$AW_TMP"
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# aw_bwrap CMD...: run CMD inside the sandbox.
aw_bwrap() {
  local args=(
    --ro-bind /usr /usr --ro-bind /etc /etc
    --symlink usr/bin /bin --symlink usr/sbin /sbin --symlink usr/lib /lib
    --proc /proc --dev /dev
    --bind "$AW_TMP" /tmp
    --ro-bind "$AW_REPO" "$AW_REPO"
    --bind "$AW_WORK" "$AW_WORK"
    --unshare-net --unshare-ipc --unshare-uts
    --clearenv
    --setenv PATH /usr/bin:/bin
    --setenv HOME "$AW_HOME"
    --setenv USER root
    --setenv WINEPREFIX "$WINEPREFIX"
    --setenv WINEDEBUG "$WINEDEBUG"
    --setenv WINEDLLOVERRIDES "$WINEDLLOVERRIDES"
    --setenv LANG C.UTF-8
    --chdir "$AW_WORK"
  )
  [ -e /usr/lib32 ] && args+=(--symlink usr/lib32 /lib32)
  [ -e /usr/lib64 ] && args+=(--symlink usr/lib64 /lib64)
  if [ -n "${DISPLAY:-}" ]; then
    args+=(--setenv DISPLAY "$DISPLAY")
    local n=${DISPLAY#*:}; n=${n%%.*}
    [ -S "/tmp/.X11-unix/X$n" ] && args+=(--ro-bind "/tmp/.X11-unix/X$n" "/tmp/.X11-unix/X$n")
    if [ -n "${XAUTHORITY:-}" ] && [ -f "$XAUTHORITY" ]; then
      args+=(--ro-bind "$XAUTHORITY" /tmp/.Xauthority --setenv XAUTHORITY /tmp/.Xauthority)
    fi
  fi
  # Variables the programs under test read (AW_*), passed through.
  local v
  for v in $(compgen -e | grep '^AW_' || true); do
    args+=(--setenv "$v" "${!v}")
  done
  bwrap "${args[@]}" "$@"
}

aw_wine() { aw_bwrap wine "$@"; }

# Creates the prefix once; later calls find the stamp and return at once.
aw_prefix_ensure() {
  local stamp=$WINEPREFIX/.ashwarden-ready
  [ -f "$stamp" ] && return 0
  echo "sandbox: creating a private Wine prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  aw_bwrap sh -c 'wineboot -i >/dev/null 2>&1; wineserver -w'
  local dos=$WINEPREFIX/dosdevices
  rm -f "$dos/z:"
  ln -sfn "$AW_REPO" "$dos/r:"
  # The user folders Wine links into $HOME become plain folders of the prefix.
  local users=$WINEPREFIX/drive_c/users d
  for d in "$users"/*/; do
    local f
    for f in Desktop Documents Downloads Music Pictures Videos Templates; do
      if [ -L "$d$f" ]; then rm -f "$d$f"; mkdir -p "$d$f"; fi
    done
  done
  # Fonts for captions and symbols.
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  # Without a window manager every window close costs 2 s unless windows are unmanaged.
  aw_bwrap sh -c 'wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1; wineserver -w'
  [ -e "$dos/z:" ] && { echo "sandbox: drive Z: came back" >&2; return 1; }
  touch "$stamp"
}

AW_XVFB_PID=
AW_WINESERVER_PID=

# Starts Xvfb when there is no display to use.
aw_display_ensure() {
  if [ -n "${DISPLAY:-}" ]; then return 0; fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    AW_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -S "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    export DISPLAY=":$n"
    return 0
  done
  echo "sandbox: no free display number" >&2
  return 1
}

# A persistent wineserver keeps Wine warm between test programs.
aw_wineserver_start() {
  aw_bwrap wineserver -f -p >/dev/null 2>&1 &
  AW_WINESERVER_PID=$!
  # Start Wine's own background processes now, with their output going nowhere: started by
  # the first test instead, they would hold CTest's output pipe open until they end.
  aw_bwrap wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

aw_sandbox_stop() {
  if [ -n "$AW_WINESERVER_PID" ]; then
    aw_bwrap wineserver -k >/dev/null 2>&1 || true
    wait "$AW_WINESERVER_PID" 2>/dev/null || true
    AW_WINESERVER_PID=
  fi
  if [ -n "$AW_XVFB_PID" ]; then
    kill "$AW_XVFB_PID" 2>/dev/null || true
    wait "$AW_XVFB_PID" 2>/dev/null || true
    AW_XVFB_PID=
  fi
}
