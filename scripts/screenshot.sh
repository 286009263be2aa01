#!/usr/bin/env bash
# Takes a screenshot of the real main window under Xvfb on a throw-away demo
# station with the simulated ship, after Start and one recorded event: the picture
# of the window in the operator's guide.
# usage: scripts/screenshot.sh OUT.png [BUILD_DIR]
set -euo pipefail
out=${1:?usage: screenshot.sh OUT.png [BUILD_DIR]}
build=${2:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
case "$out" in /*) ;; *) out="$PWD/$out" ;; esac
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
# The demo station's files, as the demo command prepares them.
VARNELGPS_DEMO="$demo" bash -c "$(sed -n '/^demo=/,/^fi$/p' "$here/scripts/demo.sh")" >/dev/null
export VARNELGPS_DRIVES="$demo/drives" BUILD="$build" OUT="$out" QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    "$BUILD/tools/varnelgps-navsim" --file "$VARNELGPS_DRIVES/Q/DEMO/Events/CurrPos.txt" --rate-ms 500 --knots 0 & sim=$!
    sleep 1
    "$BUILD/src/varnelgps" & app=$!
    sleep 3
    xdotool key Return                       # the network announcement
    sleep 1
    xdotool mousemove 89 247 click 1         # Start
    sleep 6
    xdotool mousemove 715 98 click 1         # CTD AT DEPTH in the panel
    xdotool mousemove 280 154 click 1        # Calm
    sleep 0.5
    xdotool mousemove 89 247 click 1         # Record Event
    sleep 4
    # The main window alone (there is no window manager, so no frame).
    win=$(xdotool search --name "Cruise Electronic Event Log" | head -1)
    import -window "${win:-root}" "$OUT"
    kill $sim
    kill $app || { echo "the program was not running"; exit 1; }
'
echo "screenshot: $out"
