#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The package builds reproducibly: the tree is copied to another folder (a
# path of another length), where, minutes after the first build and under
# another time zone and umask, the data makers make every data file again and
# the package is built again from them (the program compiled again, no
# compiler cache). Every .deb of the second build must be byte for byte the
# .deb of the first; when one is not, the first file that differs between
# them is named (its metadata, or its content).
#   check_reproducible.sh <build folder> <folder of the first build's .deb files>
# (after `./setup.sh package`: build dist).
set -euo pipefail
build=$(realpath "$1")
first=$(realpath "$2")
cd "$(dirname "$0")/../.."
again=$(mktemp -d "${TMPDIR:-/tmp}/lettrarium-built-again.XXXXXXXX")
# KEEP_AGAIN=1 keeps the second build's folder, to look into a difference.
[ -n "${KEEP_AGAIN:-}" ] || trap 'rm -rf "$again"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
started=$(date +%s)

# The tree as it stands (committed or not), without what builds left.
mkdir -p "$again/tree" "$again/dist"
git ls-files -z --cached --others --exclude-standard | tar --null -T - -cf - | tar -xf - -C "$again/tree"

cd "$again/tree"
umask 0002
export TZ=Pacific/Kiritimati
unset CCACHE_DIR CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
# The data makers alone (their targets, not the program nor the tests).
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF > "$again/configure.log" ||
  fail "the copy does not configure: $(tail -5 "$again/configure.log")"
mapfile -t data_targets < <(cmake --build build --target help | sed -n 's/^\(data_[a-z_]*\|game_texts\): .*/\1/p' | sort -u)
[ ${#data_targets[@]} -gt 0 ] || fail "no data target in the copy's build"
cmake --build build -j "$(nproc)" --target "${data_targets[@]}" > "$again/data.log" ||
  fail "the data makers failed in the copy: $(tail -5 "$again/data.log")"
# The data makers' outputs, file by file, before the package's verdict.
game_files=$(mktemp)
(cd build/game && find . -type f ! -path ./lettrarium | sort) > "$game_files"
while read -r f; do
  cmp -s "build/game/$f" "$build/game/$f" 2> /dev/null || fail "the data makers made another $f (or none)"
done < "$game_files"
rm -f "$game_files"
env LETTRARIUM_GAME_DIR="$PWD/build/game" LETTRARIUM_DIST="$again/dist" \
  DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" DEB_BUILD_PROFILES=nocheck \
  dpkg-buildpackage -b -nc -us -uc --buildinfo-option="-u$again/dist" --changes-option="-u$again/dist" \
    --buildinfo-file="$again/dist/again.buildinfo" --changes-file="$again/dist/again.changes" \
  > "$again/package.log" 2>&1 || fail "the second package build failed: $(tail -5 "$again/package.log")"

# The verdict, package by package.
cd "$again/dist"
compared=0
for deb in *.deb; do
  [ -e "$first/$deb" ] || fail "$deb was not made by the first build"
  compared=$((compared + 1))
  if ! cmp -s "$deb" "$first/$deb"; then
    for side in one two; do
      mkdir -p "$again/$side"
      [ $side = one ] && from=$first/$deb || from=$again/dist/$deb
      dpkg-deb -R "$from" "$again/$side"
      (cd "$again/$side" && find . -mindepth 1 -printf '%p %M %U:%G %TY-%Tm-%Td %TT\n' | sort) > "$again/$side.list"
    done
    # (diff says 1 when the lists differ: that is the answer, not a failure)
    metadata=$({ diff "$again/one.list" "$again/two.list" || true; } | sed -n 's/^[<>] \([^ ]*\) .*/\1/p' | head -1)
    [ -z "$metadata" ] || fail "$deb: $metadata differs (name, mode, owner or date)"
    content=$({ diff -rq "$again/one" "$again/two" || true; } | head -1)
    [ -z "$content" ] || fail "$deb: $content"
    fail "$deb: the archives differ, though every file inside is the same"
  fi
  sha256sum "$deb"
done
[ "$compared" -gt 0 ] || fail "the second build made no package"
echo "reproducible: ${compared} packages built again elsewhere, byte for byte the same ($(($(date +%s) - started)) s)"
