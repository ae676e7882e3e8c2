# Sourced by the scripts: configure and build the two builds, printing only warnings and errors.
AW_DEPS=${ASHWARDEN_CACHE:-/var/cache/ashwarden}
AW_JOBS=${AW_JOBS:-$(nproc)}

aw_quiet() {
  local out
  if ! out=$("$@" 2>&1); then
    printf '%s\n' "$out"
    return 1
  fi
  printf '%s\n' "$out" | grep -iE 'warning|error' || true
}

aw_build_native() {
  aw_quiet cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug
  aw_quiet cmake --build build/native -j "$AW_JOBS"
}

aw_build_windows() {
  aw_quiet cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DASHWARDEN_DEPS="$AW_DEPS" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/scripts/wine-sandbox.sh"
  aw_quiet cmake --build build/win -j "$AW_JOBS"
}
