#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installation, staged in a temporary DESTDIR, or the Debian package,
# unpacked into a temporary root after lintian found no error in it: it holds
# every data file of the program folder, byte for byte, the executable, the
# icons and the man page; the desktop entry and the AppStream metadata
# validate; and the installed program, started headless from another working
# folder, shows the same game list as the program folder's own executable.
#   check_install.sh <build folder>            (cmake --install, under /usr/local)
#   check_install.sh <build folder> <package>  (the .deb, games layout under /usr)
set -euo pipefail
build=$(realpath "$1")
package=${2:-}
for tool in desktop-file-validate appstreamcli cmp ${package:+lintian}; do
  command -v "$tool" > /dev/null || { echo "skipped: $tool is missing (setup.sh installs it)"; exit 77; }
done
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ -n "$package" ]; then
  lintian --fail-on error "$package" || fail "lintian found errors in $package"
  dpkg-deb -x "$package" "$stage/root"
  prefix=$stage/root/usr bin=$stage/root/usr/games/lettrarium
  data=$prefix/share/games/lettrarium man=$prefix/share/man/man6/lettrarium.6.gz
else
  DESTDIR=$stage/root cmake --install "$build" --prefix /usr/local > "$stage/install.log"
  # The build's layout: bin/ and share/lettrarium, or the games layout.
  cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
  prefix=$stage/root/usr/local bin=$stage/root/usr/local/$(cached CMAKE_INSTALL_BINDIR)/lettrarium
  data=$prefix/$(cached LETTRARIUM_DATA_SUBDIR) man=$prefix/share/man/man6/lettrarium.6
fi

(cd "$build/game" && find . -type f ! -path ./lettrarium | sort) > "$stage/program-folder.list"
(cd "$data" && find . -type f | sort) > "$stage/installed.list"
[ -s "$stage/program-folder.list" ] || fail "the program folder $build/game holds no data"
diff -u "$stage/program-folder.list" "$stage/installed.list" || fail "the installed data are not the program folder's"
while read -r f; do cmp -s "$build/game/$f" "$data/$f" || fail "$f differs from the program folder's"; done < "$stage/program-folder.list"
[ -x "$bin" ] || fail "no executable $bin"
for px in 48 128 256; do
  [ -s "$prefix/share/icons/hicolor/${px}x${px}/apps/org.lettrarium.Lettrarium.png" ] || fail "no ${px} px icon"
done
[ -s "$man" ] || fail "no man page"
desktop-file-validate "$prefix/share/applications/org.lettrarium.Lettrarium.desktop" || fail "the desktop entry does not validate"
[ ! -e "$prefix/share/applications/lettrarium.desktop" ] || fail "a second desktop entry, lettrarium.desktop"
grep -q '<launchable type="desktop-id">org.lettrarium.Lettrarium.desktop</launchable>' \
  "$prefix/share/metainfo/org.lettrarium.Lettrarium.metainfo.xml" || fail "the metadata name no launchable entry"
[ -s "$prefix/share/bash-completion/completions/lettrarium" ] || fail "no bash completion"
appstreamcli validate --no-net "$prefix/share/metainfo/org.lettrarium.Lettrarium.metainfo.xml" ||
  fail "the AppStream metadata do not validate"

# Runs an executable headless for 10 s (the splash lasts 4) in a fresh working
# folder and home; SDL's dummy video driver saves every presented frame there.
frames() {
  local folder=$stage/$2
  mkdir -p "$folder/home"
  (cd "$folder" && HOME=$folder/home SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy SDL_VIDEO_DUMMY_SAVE_FRAMES=1 \
    timeout -s TERM 10 "$1" > "$folder/output.log" 2>&1) || true
  saved=("$folder"/SDL_window*.bmp)
  [ -e "${saved[0]}" ] || fail "$1 presented no frame: $(cat "$folder/output.log")"
}
frames "$build/game/lettrarium" own
own=${saved[-1]}
frames "$bin" elsewhere
splash=${saved[0]} installed=${saved[-1]}
cmp -s "$splash" "$installed" && fail "the installed program never left its splash"
cmp -s "$own" "$installed" || fail "the installed program does not show the game list of build/game"
[ ! -s "$stage/elsewhere/output.log" ] || fail "a normal start wrote: $(head -5 "$stage/elsewhere/output.log")"

# The command line.
"$bin" --version | grep -Ex "lettrarium [0-9]+\.[0-9]+\.[0-9]+" > /dev/null || fail "--version"
"$bin" --help | grep -- --verbose > /dev/null || fail "--help lists no --verbose"
status=0
"$bin" --no-such-option 2> "$stage/unknown.log" || status=$?
[ "$status" = 2 ] && grep -q Usage "$stage/unknown.log" || fail "an unknown option did not exit 2 with the usage"
echo "installed under $prefix: data, desktop entry, metadata, icons and man page; the game list shows, quietly; the options answer"
