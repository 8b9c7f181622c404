#!/usr/bin/env bash
# The figures that need the real program on a real display: the time from launch to the title
# screen, the idle CPU share of the main screen, and the peak resident memory after a tour of
# every view, every kind of card, the picture viewer and a film.
# Usage: bench/desktop_figures.sh [IDLE_SECONDS]   (default 60), from the project's root after a build.
# Needs Xvfb, xdotool and x11-utils (apt-get install -y xvfb xdotool x11-utils). Runs on a private
# 1280 x 1024 display; the clicks below are the toolbar and card buttons at that size.
set -u
idle=${1:-60}
runtime=build/runtime
[ -x "$runtime/velmoria" ] || { echo "no $runtime/velmoria: build first" >&2; exit 2; }
for t in Xvfb xdotool xdpyinfo; do
    command -v $t >/dev/null || { echo "needs: apt-get install -y xvfb xdotool x11-utils" >&2; exit 2; }
done

work=$(mktemp -d)
cp -a "$runtime/." "$work/"
rm -f "$work/Velmoria.cfg"
for d in $(seq 181 220); do [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ] || break; done
Xvfb :$d -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$d
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$work"' EXIT

start=$(date +%s.%N)
(cd "$work" && exec ./velmoria) >/dev/null 2>&1 &
app=$!
for _ in $(seq 300); do xdotool search --onlyvisible --name 'Title' >/dev/null 2>&1 && break; sleep 0.01; done
title=$(date +%s.%N)
printf 'launch to title screen: %.2f s\n' "$(echo "$title - $start" | bc)"

# SHOTS=DIR keeps a screenshot after every step of the tour, to check that it went as planned.
shot=0
snap() { [ -n "${SHOTS:-}" ] && import -window root "$SHOTS/step-$((++shot)).png" 2>/dev/null; true; }
# With no window manager the keyboard goes to the newest shown window only when given to it.
focus() {
    local w
    w=$(xdotool search --onlyvisible --name '.' 2>/dev/null | tail -n 1)
    [ -n "$w" ] && xdotool windowfocus --sync "$w" 2>/dev/null
}
key() { focus; xdotool key "$1"; sleep "${2:-1}"; snap; }
click() { xdotool mousemove "$1" "$2" click 1; sleep "${3:-1}"; snap; }
ticks() { awk '{print $14 + $15}' "/proc/$app/stat"; }

sleep 0.5
key Return 3
t0=$(ticks)
sleep "$idle"
t1=$(ticks)
hz=$(getconf CLK_TCK)
printf 'idle CPU on the main screen: %.2f %% of a core over %d s\n' \
    "$(echo "scale=4; ($t1 - $t0) * 100 / $hz / $idle" | bc)" "$idle"

# The tour: both animated views, the database with the Sun, a planet with its pictures and its
# film, a moon and the comparison chart.
key F2 3
key BackSpace
key F3 3
key BackSpace
key F4
click 28 38 && key Escape            # the Sun's card
click 200 38                         # Jupiter's card
click 327 701 2 && key Escape        # its pictures
click 414 701 4 && key Escape        # its film
key Escape
click 372 38 && key Escape           # the Moon's card
click 413 38 && key Escape           # the comparison chart
kill -0 $app 2>/dev/null || { echo "the program ended during the tour" >&2; exit 1; }
grep -E '^VmHWM' "/proc/$app/status" | awk '{printf "peak resident memory after the tour: %.1f MB\n", $2 / 1024}'
