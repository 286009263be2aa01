#!/usr/bin/env bash
# A station recording in a loop is killed (kill -9) at random moments, then started once
# cleanly and ticked. The shared cruise log must then hold exactly the events of the local
# cruise log, in the same order, none twice, none torn, and every one-line file be whole.
# usage: kill_station.sh STATION_EXE [KILLS]
set -euo pipefail
exe=$1
kills=${2:-20}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
source "$(dirname "$0")/station_files.sh"
station_files A
home="$root/A/C/VarnelGPS"
printf '%s\r\n' "STATION ARRIVAL" "CTD DEPLOYED" "CTD AT DEPTH" "CTD RECOVERED" "STATION DEPARTURE" > "$home/AEvents.txt"
# One whole event first: on a slow machine every kill may come before the first save.
"$exe" --drives "$root" --name A --events 1 > /dev/null
RANDOM=7
for ((k = 0; k < kills; k++)); do
    "$exe" --drives "$root" --name A --events 100000 --interval-ms 0 > /dev/null 2>&1 &
    pid=$!
    sleep "0.$(printf '%02d' $((RANDOM % 20 + 3)))"
    kill -9 "$pid" 2> /dev/null || true
    wait "$pid" 2> /dev/null || true
done
"$exe" --drives "$root" --name A --events 0 > /dev/null
local_numbers=$(tail -n +2 "$home/0701JDEvents.csv" | cut -d, -f2)
shared_numbers=$(cut -d, -f2 "$shared/0701JDEvents.csv")
events=$(echo "$local_numbers" | grep -c . || true)
torn=$(awk -F, '!(NF >= 128 && $1 == "0701JD" && /\r$/)' "$shared/0701JDEvents.csv" | wc -l)
twice=$(echo "$shared_numbers" | sort -n | uniq -d | wc -l)
echo "kills: $kills, events in the local log: $events, in the shared log: $(echo "$shared_numbers" | grep -c .)," \
     "torn: $torn, twice: $twice"
[ "$events" -gt 0 ] || { echo "no event was recorded"; exit 1; }
[ "$local_numbers" = "$shared_numbers" ] || { echo "the shared cruise log differs from the local one"; exit 1; }
[ "$torn" -eq 0 ] && [ "$twice" -eq 0 ] || { echo "torn or doubled lines in the shared cruise log"; exit 1; }
for f in "$shared/EventNumber.txt" "$home/EventNumber.txt" "$shared/OrderOcc.txt"; do
    grep -qE '^-?[0-9]+'$'\r''$' "$f" && [ "$(wc -l < "$f")" -eq 1 ] || { echo "$f is not whole"; exit 1; }
done
awk -F, 'NF < 128 { exit 1 }' "$shared/0701JDLastEvent.csv" || { echo "LastEvent.csv is not whole"; exit 1; }
[ ! -e "$home/PendingEvents.txt" ] || { echo "events still wait"; exit 1; }
echo "kill test: the shared cruise log holds exactly the local events"
