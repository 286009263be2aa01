#!/usr/bin/env bash
# Builds the logger and starts it on a demo station with a simulated ship.
# The demo's drives live outside the source tree, in $VARNELGPS_DEMO
# (default ~/varnelgps-demo): drives/C/VarnelGPS is the station's home folder
# (C:\VarnelGPS\), drives/Q/DEMO/Events the cruise's shared folder (Q:\DEMO\Events\).
# An existing demo is kept as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-packages.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNEL_BENCH=OFF
cmake --build build -j "$(nproc)" --target varnelgps varnelgps-navsim

demo=${VARNELGPS_DEMO:-$HOME/varnelgps-demo}
export VARNELGPS_DRIVES="$demo/drives"
home="$VARNELGPS_DRIVES/C/VarnelGPS"
shared="$VARNELGPS_DRIVES/Q/DEMO/Events"
if [ ! -f "$home/VarnelGPS.cfg" ]; then
    echo "Preparing the demo station in $demo"
    mkdir -p "$home" "$shared"
    crlf() { sed 's/$/\r/' > "$1"; }
    crlf "$home/VarnelGPS.cfg" <<'CFG'
Ormanti
DEMO
Q:\DEMO\Events\
Q:\DEMO\Events\
BridgeEvents.txt
Watch.txt
EventNumber.txt
CurrPos.txt
2000
NETWORK
NETWORK
1
4800,n,8,1
$GPGGA
$GPZDA
STANDARD
LASTEVENT
CommentOpt.txt
NUMERIC
SINGLE
CFG
    crlf "$home/BridgeEvents.txt" <<'LIST'
STATION ARRIVAL
CTD DEPLOYED
CTD AT DEPTH
CTD RECOVERED
BONGO DEPLOYED
BONGO RECOVERED
MANTA DEPLOYED
MANTA RECOVERED
STATION DEPARTURE
LIST
    crlf "$home/Watch.txt" <<'LIST'
JD
AB
MK
LIST
    crlf "$home/CommentOpt.txt" <<'LIST'
Station Type
Standard
Prodo
SCCOOS
Sea Conditions
Calm
Moderate
Rough
Day/Night
Day
Night
LIST
    crlf "$home/Lines.txt" <<'LIST'
93.3
90.0
86.7
83.3
80.0
76.7
LIST
    for line in 93 90 87 83 80 77; do
        printf '26.7\r\n28.0\r\n30.0\r\n35.0\r\n40.0\r\n45.0\r\n50.0\r\n55.0\r\n60.0\r\n70.0\r\n80.0\r\n90.0\r\n100.0\r\n110.0\r\n120.0\r\n' \
            > "$home/Line$line.txt"
    done
    printf '1\r\n' > "$shared/EventNumber.txt"
fi

# The operator's guide, so that F1 opens the demo station's role page.
[ -d "$home/help" ] || cp -r help "$home/help"

# The simulated ship keeps the current-position file fresh while the logger runs.
./build/tools/varnelgps-navsim --file "$shared/CurrPos.txt" --rate-ms 1000 --lat 32.95 --lon -117.35 &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
echo "Demo station: $home (C:\\VarnelGPS\\), shared folder: $shared (Q:\\DEMO\\Events\\)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running on a virtual X server (Xvfb); set DISPLAY to see the window."
    xvfb-run -a -s "-screen 0 1280x800x24" ./build/src/varnelgps
else
    ./build/src/varnelgps
fi
