#!/usr/bin/env bash
# Takes the software centres' screenshots from the real program on a private X display: the
# main screen, the Star Map and the Solar System, as desktop/screenshots/{main,starmap,
# solarsystem}.png (256-colour PNG, a few hundred kB at most). The program starts with its
# first-start options in a scratch copy of its working directory, and ends with Alt+X.
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default build; the program is built first)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
out=desktop/screenshots
source scripts/setup.sh
VELMORIA_PACKAGES+=(xvfb xdotool x11-utils imagemagick)
velmoria_install
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$dir" --target velmoria velmoria_runtime -j"$(nproc)"

work=$(mktemp -d)
cp -a "$dir/runtime/." "$work/"
rm -f "$work/Velmoria.cfg"
display=:$(for n in $(seq 60 99); do [ -e /tmp/.X$n-lock ] || { echo $n; break; }; done)
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

(cd "$work" && exec ./velmoria) >"$work/program.log" 2>&1 &
program=$!
for _ in $(seq 150); do xdotool search --onlyvisible --name Velmoria >/dev/null 2>&1 && break; sleep 0.1; done
# Keys go to the newest visible window: with no window manager, focus follows nothing else.
press() {
    local window
    window=$(xdotool search --onlyvisible --name . 2>/dev/null | tail -n 1)
    [ -n "$window" ] && xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key "$1"
    sleep "$2"
}
shoot() {
    import -window root "$work/$1.png"
    convert "$work/$1.png" -strip -colors 256 -define png:compression-level=9 "PNG8:$out/$1.png"
    echo "$out/$1.png: $(identify -format '%wx%h' "$out/$1.png"), $(du -k "$out/$1.png" | cut -f1) kB"
}
mkdir -p "$out"
press Return 2
shoot main
press F3 4
shoot starmap
press BackSpace 1
press F2 4
shoot solarsystem
press BackSpace 1
press alt+x 2
status=0
wait $program || status=$?
if [ $status -ne 0 ]; then
    cat "$work/program.log"
    echo "screenshots: the program ended with status $status" >&2
    exit 1
fi
