#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the real program costs the machine on a desktop: it runs under Xvfb
# (xvfb-run, with Mesa's software renderer), driven by xdotool, and prints
#   - the CPU time from start to the first presented frame,
#   - the resident memory after start-up,
#   - 30 s idle on the game list and 30 s in a running hangman: the share of
#     one core, the wake-ups a second (voluntary context switches of the main
#     thread, the loop's own; in brackets those of all its threads, the sound
#     thread's included) and the frames presented per second,
#   - the same for 10 s of a letter dragged across the 12 x 12 coded grid,
#   - the resident memory after 20 variants were started and given up,
#   - how long the process lives on after the window was asked to close.
# The frames are counted by bench/present_probe.c, preloaded into the program.
# The sound goes to SDL's dummy driver, which mixes in real time as a sound
# card would, so the music's cost is counted.
#
#   bench/desktop_load.sh [path/to/lettrarium]      (default build/game/lettrarium)
#   BENCH_SCREEN=1920x1080 bench/desktop_load.sh ...      (the screen's size; default 800x600)
#
# Needs: xvfb (xvfb-run), xauth, xdotool, a C compiler; openbox when there (full screen).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --inside ]; then
  exe=$(realpath "${1:-$here/../build/game/lettrarium}")
  for tool in xvfb-run xdotool cc; do
    command -v "$tool" > /dev/null || { echo "missing: $tool (apt-get install xvfb xauth xdotool gcc)" >&2; exit 2; }
  done
  exec xvfb-run -a -s "-screen 0 ${BENCH_SCREEN:-800x600}x24 -nolisten tcp" "$0" --inside "$exe"
fi

exe=$2
work=$(mktemp -d)
pid= wm=
trap 'kill $pid $wm 2> /dev/null || true; rm -rf "$work"' EXIT
# A window manager, when there is one, so that the full-screen window covers
# the screen as on a desktop.
if command -v openbox > /dev/null; then
  openbox > /dev/null 2>&1 &
  wm=$!
  sleep 1
fi
cc -shared -fPIC -O2 -o "$work/present_probe.so" "$here/present_probe.c" -ldl
probe=$work/probe
mkdir -p "$work/home"

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
rss_mb() { awk '/^VmRSS/ {printf "%.0f", $2 / 1024}' "/proc/$pid/status"; }
presents() { od -An -t d8 -N 8 "$probe" | tr -d ' '; }
first_cpu() { od -An -t d8 -j 8 -N 8 "$probe" | awk '{printf "%.2f", $1 / 1e9}'; }
wakeups() { awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$pid/status"; }
all_wakeups() { cat /proc/"$pid"/task/*/status 2> /dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'; }
# The page (800 x 600) is scaled to the window and centred in it: page
# points to screen points, once the window is there.
size=${BENCH_SCREEN:-800x600}
place_page() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool search --name '^Lettrarium$' getwindowgeometry --shell | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  read -r scale left top < <(awk -v x="$X" -v y="$Y" -v w="$WIDTH" -v h="$HEIGHT" \
    'BEGIN {s = w / 800 < h / 600 ? w / 800 : h / 600; printf "%f %d %d\n", s, x + (w - 800 * s) / 2, y + (h - 600 * s) / 2}')
  echo "window ${WIDTH}x$HEIGHT at $X,$Y"
}
at() { awk -v x="$1" -v y="$2" -v s="$scale" -v l="$left" -v t="$top" 'BEGIN {printf "%d %d", l + x * s, t + y * s}'; }
click() { xdotool mousemove $(at "$1" "$2") click 1; sleep "${3:-0.5}"; }
rest() { xdotool mousemove $(at 790 300); }  # a place where nothing lights up

# Prints CPU share of one core, wake-ups a second and frames presented per
# second over $1 s.
measure() {
  local c0 p0 w0 a0 c1 p1 w1 a1
  c0=$(cpu_ticks); p0=$(presents); w0=$(wakeups); a0=$(all_wakeups)
  sleep "$1"
  c1=$(cpu_ticks); p1=$(presents); w1=$(wakeups); a1=$(all_wakeups)
  awk -v c="$((c1 - c0))" -v p="$((p1 - p0))" -v w="$((w1 - w0))" -v a="$((a1 - a0))" -v s="$1" -v t="$ticks" \
    'BEGIN {printf "%5.2f %% of one core, %6.1f wake-ups/s (%6.1f), %5.1f frames presented/s", 100 * c / t / s, w / s, a / s, p / s}'
}

echo "screen $size; load average at start: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
start=$(date +%s.%N)
HOME=$work/home SDL_AUDIODRIVER=dummy PRESENT_PROBE_FILE=$probe LD_PRELOAD=$work/present_probe.so \
  "$exe" > "$work/out.log" 2>&1 &
pid=$!
until [ -s "$probe" ] && [ "$(presents)" -gt 0 ]; do
  kill -0 "$pid" 2> /dev/null || { echo "the program ended:"; cat "$work/out.log"; exit 1; }
  sleep 0.01
done
echo "first presented frame: $(first_cpu) s of CPU, $(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {printf "%.2f", b - a}') s after start"
sleep 1
place_page
echo "resident memory after start-up: $(rss_mb) MB"

rest
sleep 4  # the splash ends by itself
echo "idle on the game list, 30 s: $(measure 30), $(rss_mb) MB"

click 120 140    # LE PENDU
click 330 130 2  # PENDU  8 lettres
rest
echo "hangman running, 30 s:       $(measure 30), $(rss_mb) MB"
xdotool key Escape
sleep 0.3
click 790 300 1  # the given-up game goes away

# MOTS CODES 12x12: the letter A taken from the palette and carried along
# every row of the grid, cell by cell, for 10 s, then dropped.
click 75 85
click 400 93 3
xdotool mousemove $(at 113 468) mousedown 1
path=()
for row in 1 2 3 4 5 6 7 8 9 10 11 12; do
  for step in $(seq 0 33); do
    if ((row % 2)); then x=$((101 + 10 * step)); else x=$((431 - 10 * step)); fi
    path+=(mousemove $(at "$x" $((66 + 31 * row))) sleep 0.02)
  done
done
c0=$(cpu_ticks) p0=$(presents) t0=$(date +%s.%N)
while awk -v a="$t0" -v b="$(date +%s.%N)" 'BEGIN {exit !(b - a < 10)}'; do xdotool "${path[@]}"; done
c1=$(cpu_ticks) p1=$(presents) t1=$(date +%s.%N)
xdotool mouseup 1
awk -v c="$((c1 - c0))" -v p="$((p1 - p0))" -v a="$t0" -v b="$t1" -v t="$ticks" -v s="$size" \
  'BEGIN {printf "letter dragged on the 12x12 grid, %.0f s at %s: %5.1f %% of one core, %5.1f frames presented/s\n", b - a, s, 100 * c / t / (b - a), p / (b - a)}'
xdotool key Escape
sleep 0.3
click 790 300 1

# Twenty families, the first variant of each, given up once built.
for f in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
  if [ "$f" -le 15 ]; then x=75 y=$((53 + 20 * f + 12)); else x=440 y=$((20 * f - 247 + 12)); fi
  click "$x" "$y" 0.5
  click 400 93 3
  xdotool key Escape
  sleep 0.3
  click 790 300 1
done
echo "resident memory after 20 variants: $(rss_mb) MB"

quit_start=$(date +%s.%N)
kill -TERM "$pid"  # the window system's close request
wait "$pid" || true
echo "process ended $(awk -v a="$quit_start" -v b="$(date +%s.%N)" 'BEGIN {printf "%.2f", b - a}') s after the close request"
echo "load average at end: $(cut -d' ' -f1-3 /proc/loadavg)"
