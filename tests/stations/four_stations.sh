#!/usr/bin/env bash
# Four simulated stations record events into one shared folder at the same time.
# Asserts that the shared cruise log holds every event, whole, and that the numbers
# are exactly one contiguous run: none drawn twice, none skipped.
# usage: four_stations.sh STATION_EXE [EVENTS_PER_STATION]
set -euo pipefail
exe=$1
n=${2:-25}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
source "$(dirname "$0")/station_files.sh"
for s in A B C D; do
    station_files "$s"
    printf '%s\r\n' "CTD DEPLOYED $s" "CTD AT DEPTH $s" "CTD RECOVERED $s" "BONGO $s" > "$root/$s/C/VarnelGPS/${s}Events.txt"
done
pids=()
for s in A B C D; do
    "$exe" --drives "$root" --name "$s" --events "$n" --interval-ms 5 > "$root/$s.out" &
    pids+=($!)
done
fail=0
for p in "${pids[@]}"; do wait "$p" || fail=1; done
recorded=$(cat "$root"/?.out | grep -c ' recorded ' || true)
log="$shared/0701JDEvents.csv"
lines=$(wc -l < "$log")
whole=$(awk -F, 'NF >= 128 && $1 == "0701JD" && /\r$/' "$log" | wc -l)
dups=$(cut -d, -f2 "$log" | sort -n | uniq -d | wc -l)
first=$(cut -d, -f2 "$log" | sort -n | head -1)
last=$(cut -d, -f2 "$log" | sort -n | tail -1)
echo "stations: 4, events recorded: $((4 * n)), shared log lines: $lines, whole lines: $whole," \
     "numbers drawn twice: $dups, numbers $first to $last"
[ "$fail" -eq 0 ] || { echo "a station did not record all its events"; exit 1; }
[ "$recorded" -eq 4 ] || { echo "a station did not finish"; exit 1; }
[ "$lines" -eq $((4 * n)) ] || { echo "lost events: expected $((4 * n)) lines"; exit 1; }
[ "$whole" -eq "$lines" ] || { echo "torn lines in the shared log"; exit 1; }
[ "$dups" -eq 0 ] || { echo "event numbers drawn twice"; exit 1; }
[ $((last - first + 1)) -eq "$lines" ] || { echo "the numbers are not one contiguous run"; exit 1; }
for s in A B C D; do
    role=$(($(wc -l < "$shared/0701JD$s.csv") - 1))
    [ "$role" -eq "$n" ] || { echo "role log of $s holds $role events"; exit 1; }
    # the numbers each station's grid showed are the numbers its files hold
    [ "$(grep -v ' recorded ' "$root/$s.out" | cut -d' ' -f2)" = "$(tail -n +2 "$root/$s/C/VarnelGPS/0701JDEvents.csv" | cut -d, -f2)" ] ||
        { echo "station $s showed other numbers than it saved"; exit 1; }
done
echo "4 stations: nothing lost, nothing torn, no number twice, no gap"
