#!/usr/bin/env bash
# A station whose home folder fills for a stretch of the run (every write there stops
# half way) and is then freed. Asserts that its local cruise and role logs then hold
# the same events as the shared ones, in the same order, and that no line is torn.
# usage: full_home.sh STATION_EXE [EVENTS] [FROM:TO]
set -euo pipefail
exe=$1
n=${2:-30}
stretch=${3:-5:20}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
source "$(dirname "$0")/station_files.sh"
station_files A
printf '%s\r\n' "CTD DEPLOYED" "CTD AT DEPTH" "CTD RECOVERED" "BONGO" > "$root/A/C/VarnelGPS/AEvents.txt"
"$exe" --drives "$root" --name A --events "$n" --interval-ms 1 --full-home "$stretch" > "$root/A.out"
home="$root/A/C/VarnelGPS"
events() { tail -n +"$2" "$1" | cut -d, -f2,12; }
torn() { awk -F, -v min="$2" 'NR > '"$3"' && !(NF >= min && $1 == "0701JD" && /\r$/)' "$1" | wc -l; }
local_torn=$(($(torn "$home/0701JDEvents.csv" 128 1) + $(torn "$home/0701JDA.csv" 17 1)))
shared_torn=$(($(torn "$shared/0701JDEvents.csv" 128 0) + $(torn "$shared/0701JDA.csv" 17 1)))
echo "events: $n, home full for events $stretch; local cruise log $(events "$home/0701JDEvents.csv" 2 | wc -l)," \
     "shared $(events "$shared/0701JDEvents.csv" 1 | wc -l); torn lines local $local_torn, shared $shared_torn"
[ "$(events "$shared/0701JDEvents.csv" 1 | wc -l)" -eq "$n" ] || { echo "the shared cruise log lost events"; exit 1; }
[ "$(events "$home/0701JDEvents.csv" 2)" = "$(events "$shared/0701JDEvents.csv" 1)" ] ||
    { echo "the local cruise log differs from the shared one"; exit 1; }
[ "$(events "$home/0701JDA.csv" 2)" = "$(events "$shared/0701JDA.csv" 2)" ] ||
    { echo "the local role log differs from the shared one"; exit 1; }
[ $((local_torn + shared_torn)) -eq 0 ] || { echo "torn lines"; exit 1; }
[ ! -s "$home/PendingEvents.txt" ] || { echo "events still wait in the journal"; exit 1; }
echo "home folder full, then freed: local and shared logs hold the same $n events, none torn"
