#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (Debian packages), builds the program and its data,
# then plays the game ("play"), runs the whole test suite ("test"), runs it
# again under the sanitizers ("sanitize"), plays it with random input for a
# while ("soak [MINUTES] [SEED]", 60 minutes and a seed from the clock by
# default), installs the game for every user of the machine ("install", under
# /usr/local), makes the Debian package ("package", into dist/), builds it
# again elsewhere to compare the bytes ("reproducible") or runs its tests of
# the installed game on this machine ("autopkgtest"), both after "package".
# Run as root or through sudo; the build and the game run as the calling user.
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-play}
packages=(g++ cmake ninja-build pkg-config
          libsdl2-dev libsdl2-mixer-dev libcairo2-dev libjpeg62-turbo-dev libcups2-dev libgtk-3-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          fonts-dejavu-core wfrench wamerican freepats
          desktop-file-utils appstream)
if [ "$action" = package ] || [ "$action" = reproducible ]; then
  packages+=(dpkg-dev debhelper lintian libjpeg-dev libfreetype-dev)
fi
if [ "$action" = autopkgtest ]; then
  packages+=(autopkgtest dpkg-dev poppler-utils)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Build as the user who called sudo, so that the build folder stays theirs.
as_user() {
  if [ "$(id -u)" = 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
    sudo -u "$SUDO_USER" -H "$@"
  else
    "$@"
  fi
}

as_user cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
as_user cmake --build build -j "$(nproc)"

case "$action" in
  play)
    as_user build/game/lettrarium ;;
  test)
    cd build
    as_user env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure -j "$(nproc)" --timeout 900 ;;
  sanitize)
    # The whole suite again, built with AddressSanitizer and
    # UndefinedBehaviorSanitizer (debug, no data makers: the tests read the
    # data the main build above made). Any error stops the test at once.
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=0
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    export LSAN_OPTIONS=suppressions=$PWD/.ci/lsan.supp:print_suppressions=0
    as_user cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
      -DLETTRARIUM_SANITIZE=address,undefined -DLETTRARIUM_DATA_TOOLS=OFF -DLETTRARIUM_GAME_DIR="$PWD/build/game"
    as_user env ASAN_OPTIONS="$ASAN_OPTIONS" UBSAN_OPTIONS="$UBSAN_OPTIONS" LSAN_OPTIONS="$LSAN_OPTIONS" \
      cmake --build build-sanitize -j "$(nproc)"
    cd build-sanitize
    as_user env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
      ASAN_OPTIONS="$ASAN_OPTIONS" UBSAN_OPTIONS="$UBSAN_OPTIONS" LSAN_OPTIONS="$LSAN_OPTIONS" \
      ctest --output-on-failure -j "$(nproc)" --timeout 900
    # Then 90 s of random play under the sanitizers, a new seed each run
    # (printed first; a fault leaves its replay file in build-sanitize/).
    as_user env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
      ASAN_OPTIONS="$ASAN_OPTIONS" UBSAN_OPTIONS="$UBSAN_OPTIONS" LSAN_OPTIONS="$LSAN_OPTIONS" \
      tests/soak/soak --seconds 90 ;;
  soak)
    # Random play on the main build: MINUTES (60) from SEED (the clock's).
    minutes=${2:-60}
    seed=${3:-$(date +%s)}
    cd build
    as_user env SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
      tests/soak/soak --seconds "$((minutes * 60))" --seed "$seed" ;;
  build)
    ;;
  install)
    cmake --install build ;;
  package)
    # The package reuses the tree just built and tested: build-deb/ compiles
    # the program alone, with Debian's flags, and the data come from
    # build/game (see debian/rules). The suite ran on build/: nocheck.
    # The packages, .buildinfo and .changes go to dist/.
    name=lettrarium_$(dpkg-parsechangelog -SVersion)_$(dpkg-architecture -qDEB_HOST_ARCH)
    as_user mkdir -p dist
    as_user env LETTRARIUM_GAME_DIR="$PWD/build/game" LETTRARIUM_DIST=dist \
      DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" DEB_BUILD_PROFILES=nocheck \
      dpkg-buildpackage -b -nc -us -uc --buildinfo-option=-udist --changes-option=-udist \
        --buildinfo-file="dist/$name.buildinfo" --changes-file="dist/$name.changes"
    echo "Package: dist/$name.deb"
    # lintian finds no error in it, and the program it holds, unpacked into a
    # temporary root, starts headless and reaches the game list.
    tests/install/check_install.sh build "dist/$name.deb" ;;
  reproducible)
    # The package `package` made, built again elsewhere: the same bytes.
    as_user tests/install/check_reproducible.sh build dist ;;
  autopkgtest)
    # The tests of debian/tests on the package `package` made, installed on
    # this machine (autopkgtest's null runner: use a throwaway machine).
    name=lettrarium_$(dpkg-parsechangelog -SVersion)_$(dpkg-architecture -qDEB_HOST_ARCH)
    [ -e "dist/$name.deb" ] || { echo "dist/$name.deb is missing: run ./setup.sh package first" >&2; exit 1; }
    # Its source is debian/ alone: the build folders stay out of the copy.
    source=$(mktemp -d)
    cp -r debian "$source/"
    status=0
    autopkgtest --no-built-binaries --summary-file=dist/autopkgtest.summary "dist/$name.deb" "$source/" -- null ||
      status=$?
    rm -rf "$source"
    [ "$status" = 0 ] || [ "$status" = 2 ] || { cat dist/autopkgtest.summary; exit "$status"; }
    cat dist/autopkgtest.summary ;;
  *)
    echo "usage: $0 [play|test|sanitize|soak [MINUTES] [SEED]|build|install|package|reproducible|autopkgtest]" >&2; exit 2 ;;
esac
