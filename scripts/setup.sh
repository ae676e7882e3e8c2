#!/usr/bin/env bash
# Installs everything Ashwarden needs on a Debian 12 machine (run as root) and builds the
# cross-compiled libraries it links against: libjpeg-turbo, SQLite, LevelDB and Snappy (from
# Debian's source packages) and GoogleTest (from the sources Debian's googletest package
# installs).
# Idempotent and quiet on a second run.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TOOLCHAIN=$HERE/../cmake/mingw-i686.cmake
CACHE=${ASHWARDEN_CACHE:-/var/cache/ashwarden}
TRIPLE=i686-w64-mingw32
log() { printf 'setup: %s\n' "$*"; }

need_root() {
  if [ "$(id -u)" != 0 ]; then echo "setup: run as root" >&2; exit 1; fi
}

PACKAGES=(
  wine wine32:i386 fonts-wine
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  xvfb x11-apps xauth imagemagick
  cmake ninja-build bubblewrap nasm dpkg-dev
  googletest clang tcl make gcc g++ xz-utils libsqlite3-dev
)

packages_missing() {
  local p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || return 0
  done
  return 1
}

install_packages() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    log "adding the i386 architecture"
    dpkg --add-architecture i386
    APT_UPDATED=
  fi
  if packages_missing; then
    log "installing Debian packages"
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${PACKAGES[@]}" >/dev/null
  fi
}

# apt-get source needs a deb-src entry; add one mirroring the existing deb entries if none exists.
ensure_deb_src() {
  if grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/ 2>/dev/null; then
    return
  fi
  log "adding deb-src entries"
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    sed 's/^Types: deb$/Types: deb-src/' "$f" > "${f%.sources}-src.sources"
  done
  if [ -f /etc/apt/sources.list ]; then
    grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > /etc/apt/sources.list.d/ashwarden-src.list || true
  fi
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
}

build_libjpeg() {
  local prefix=$CACHE/libjpeg
  [ -f "$prefix/lib/libjpeg.a" ] && return
  ensure_deb_src
  log "building libjpeg-turbo for $TRIPLE"
  local work=$CACHE/src
  rm -rf "$work"; mkdir -p "$work"
  (cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1)
  local dir
  dir=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n1)
  cmake -S "$dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF \
    -DCMAKE_INSTALL_PREFIX="$prefix" -Wno-dev >/dev/null
  cmake --build "$work/build" >/dev/null
  cmake --install "$work/build" >/dev/null
  rm -rf "$work"
}

# SQLite: Debian's source configured natively only to generate the amalgamation (a cross
# configure fails building its lemon tool), then sqlite3.c compiled with the MinGW compiler.
build_sqlite() {
  local prefix=$CACHE/sqlite
  [ -f "$prefix/lib/libsqlite3.a" ] && return
  ensure_deb_src
  log "building SQLite for $TRIPLE"
  local work=$CACHE/sqlite-src
  rm -rf "$work"; mkdir -p "$work"
  (cd "$work" && apt-get source -qq sqlite3 >/dev/null 2>&1)
  local dir
  dir=$(find "$work" -maxdepth 1 -type d -name 'sqlite3-*' | head -n1)
  mkdir -p "$work/native"
  (cd "$work/native" && "$dir/configure" >/dev/null && make sqlite3.c >/dev/null 2>&1)
  mkdir -p "$prefix/include" "$prefix/lib"
  "$TRIPLE-gcc-posix" -O2 -c "$work/native/sqlite3.c" -o "$work/sqlite3.o" \
    -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_DEFAULT_FOREIGN_KEYS=0
  "$TRIPLE-ar" rcs "$prefix/lib/libsqlite3.a" "$work/sqlite3.o"
  cp "$work/native/sqlite3.h" "$prefix/include/"
  rm -rf "$work"
}

# LevelDB, which Chromium keeps its Local Storage in, and Snappy, which compresses the blocks of
# the tables Chromium writes: both from Debian's source, cross-built with CMake into one folder.
build_leveldb() {
  local prefix=$CACHE/leveldb
  [ -f "$prefix/lib/libleveldb.a" ] && [ -f "$prefix/lib/libsnappy.a" ] && return
  ensure_deb_src
  log "building Snappy and LevelDB for $TRIPLE"
  local work=$CACHE/leveldb-src
  rm -rf "$work" "$prefix"; mkdir -p "$work" "$prefix/include" "$prefix/lib"
  (cd "$work" && apt-get source -qq snappy leveldb >/dev/null 2>&1)
  local snappy leveldb
  snappy=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'snappy-*' | head -n1)
  leveldb=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'leveldb-[0-9]*' | head -n1)
  # Debian's Snappy adds a static library named like the shared one; only the static one is
  # built (with BUILD_SHARED_LIBS on, so that the two do not share one output file).
  cmake -S "$snappy" -B "$work/snappy-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DSNAPPY_BUILD_TESTS=OFF -DSNAPPY_BUILD_BENCHMARKS=OFF -Wno-dev >/dev/null
  cmake --build "$work/snappy-build" --target snappy-static >/dev/null
  cp "$work/snappy-build/libsnappy.a" "$prefix/lib/"
  cp "$snappy/snappy.h" "$snappy/snappy-sinksource.h" "$work/snappy-build/snappy-stubs-public.h" "$prefix/include/"
  # LevelDB looks for Snappy only where the compiler looks by default; it is told it is there.
  cmake -S "$leveldb" -B "$work/leveldb-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DLEVELDB_BUILD_TESTS=OFF -DLEVELDB_BUILD_BENCHMARKS=OFF -DHAVE_SNAPPY=1 \
    -DCMAKE_CXX_FLAGS="-I$prefix/include" -DCMAKE_EXE_LINKER_FLAGS="-L$prefix/lib -static" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -Wno-dev >/dev/null
  cmake --build "$work/leveldb-build" >/dev/null
  cmake --install "$work/leveldb-build" >/dev/null
  rm -rf "$work"
}

build_gtest() {
  local prefix=$CACHE/gtest
  [ -f "$prefix/lib/libgtest.a" ] && return
  log "building GoogleTest for $TRIPLE"
  local work=$CACHE/gtest-build
  rm -rf "$work"
  cmake -S /usr/src/googletest -B "$work" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF \
    -DCMAKE_INSTALL_PREFIX="$prefix" -Wno-dev >/dev/null
  cmake --build "$work" >/dev/null
  cmake --install "$work" >/dev/null
  rm -rf "$work"
}

need_root
install_packages
mkdir -p "$CACHE"
build_libjpeg
build_sqlite
build_leveldb
build_gtest
