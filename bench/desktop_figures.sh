#!/usr/bin/env bash
# The figures that need the real program on a real display: the time from launch to the title
# screen's first painted frame beside that of a bare Qt Widgets window showing the same picture,
# the libraries the program links, the idle CPU share of the main screen, and the peak resident
# memory after a tour of every view, every kind of card, the picture viewer and a film.
# Usage: bench/desktop_figures.sh [IDLE_SECONDS]   (default 60), from the project's root after a build.
#   RUNS=n        launches of each program for the start-up medians (default 9, after one warm-up)
#   BEFORE=DIR    also times the program of another working directory (an earlier build's runtime)
#   STARTUP_ONLY=1  stops after the start-up figures
# Needs Xvfb, xdotool and x11-utils (apt-get install -y xvfb xdotool x11-utils). Runs on a private
# 1280 x 1024 display with a black root window; the clicks below are the toolbar and card buttons
# at that size.
set -u
idle=${1:-60}
runs=${RUNS:-9}
runtime=build/runtime
watcher=build/bench/velmoria_first_paint
bare=build/bench/velmoria_bare_window
[ -x "$runtime/velmoria" ] || { echo "no $runtime/velmoria: build first" >&2; exit 2; }
for t in Xvfb xdotool xdpyinfo; do
    command -v $t >/dev/null || { echo "needs: apt-get install -y xvfb xdotool x11-utils" >&2; exit 2; }
done
[ -x "$watcher" ] && [ -x "$bare" ] || { echo "no $watcher or $bare: build the benchmarks" >&2; exit 2; }

work=$(mktemp -d)
before=$(mktemp -d)
cp -a "$runtime/." "$work/"
rm -f "$work/Velmoria.cfg"
for d in $(seq 181 220); do [ -e /tmp/.X11-unix/X$d ] || [ -e /tmp/.X$d-lock ] || break; done
Xvfb :$d -screen 0 1280x1024x24 -br -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$d
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
app=
trap 'kill $app $xvfb 2>/dev/null; rm -rf "$work" "$before"' EXIT

# Launch to first paint: the runs of each program interleaved, so that a busy moment of the
# machine falls on all of them alike; the first round warms the file cache and is not counted.
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
declare -A times
labels=(bare velmoria)
[ -n "${BEFORE:-}" ] && { cp -a "$BEFORE/." "$before/"; rm -f "$before/Velmoria.cfg"; labels+=(before); }
launch() {
    case $1 in
        bare) "$watcher" '[Title]' "$bare" "$work/Bitmap/Title.bmp" ;;
        velmoria) (cd "$work" && rm -f Velmoria.cfg && "$OLDPWD/$watcher" '[Title]' ./velmoria) ;;
        before) (cd "$before" && rm -f Velmoria.cfg && "$OLDPWD/$watcher" '[Title]' ./velmoria) ;;
    esac 2>/dev/null
}
for round in $(seq 0 "$runs"); do
    for label in "${labels[@]}"; do
        t=$(launch "$label")
        [ "$round" -gt 0 ] && times[$label]+="$t "
    done
done
for label in "${labels[@]}"; do
    m=$(echo "${times[$label]}" | tr ' ' '\n' | grep -v '^$' | median)
    eval "median_$label=$m"
    printf 'launch to first paint, %-8s: median %6.1f ms of %d runs (%s)\n' "$label" "$m" "$runs" "${times[$label]% }"
done
for label in "${labels[@]:1}"; do
    eval "m=\$median_$label"
    printf 'start-up of %s against the bare window: %.2fx\n' "$label" "$(echo "scale=4; $m / $median_bare" | bc)"
done
for dir in "$work" ${BEFORE:+"$before"}; do
    printf 'libraries linked by %s/velmoria: %d\n' "$dir" "$(ldd "$dir/velmoria" | wc -l)"
done
[ -n "${STARTUP_ONLY:-}" ] && exit 0

(cd "$work" && exec ./velmoria) >/dev/null 2>&1 &
app=$!
for _ in $(seq 300); do xdotool search --onlyvisible --name 'Title' >/dev/null 2>&1 && break; sleep 0.01; done

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
# A stopped view runs no timer: it should cost nothing while it stands.
key shift+Pause 1
t0=$(ticks)
sleep "$idle"
t1=$(ticks)
printf 'idle CPU of the stopped Star Map: %.2f %% of a core over %d s\n' \
    "$(echo "scale=4; ($t1 - $t0) * 100 / $hz / $idle" | bc)" "$idle"
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
