#!/usr/bin/env bash
# Four simulated stations record events into one shared folder at the same time.
# Asserts that the shared cruise log holds every event, whole, and that the numbers
# are exactly one contiguous run: none drawn twice, none skipped. STATION_ARGS go to each
# station (--html: the HTML table holds every event; --freeze-at: each lock taken over).
# FREEZES=K stops the station named in the number's lock K times for 2 s (README).
# usage: [FREEZES=K] four_stations.sh STATION_EXE [EVENTS_PER_STATION [STATION_ARGS...]]
set -euo pipefail
exe=$1
n=${2:-25}
shift $(($# < 2 ? $# : 2))
root=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$root"' EXIT
source "$(dirname "$0")/station_files.sh"
for s in A B C D; do
    station_files "$s"
    printf '%s\r\n' "CTD DEPLOYED $s" "CTD AT DEPTH $s" "CTD RECOVERED $s" "BONGO $s" > "$root/$s/C/VarnelGPS/${s}Events.txt"
done
pids=()
for s in A B C D; do
    "$exe" --drives "$root" --name "$s" --events "$n" --interval-ms 5 "$@" > "$root/$s.out" &
    pids+=($!)
done
[ -z "${FREEZES:-}" ] || { bash "$(dirname "$0")/../../tools/freeze_lock_holder.sh" "$shared/EventNumber.txt.lock" \
    "$FREEZES" "$root/freezes" & freezer=$!; }
fail=0
for p in "${pids[@]}"; do wait "$p" || fail=1; done
[ -z "${freezer:-}" ] || { kill "$freezer" 2>/dev/null && wait "$freezer"; echo "random freezes: $(cat "$root/freezes" || echo 0)"; }
recorded=$(cat "$root"/?.out | grep -c ' recorded ' || true)
taken=$(cat "$root"/?.out | grep -c 'lock taken over' || true)
rows=$(sort -u "$shared/0701JDEvents.htm" 2>/dev/null | grep -c '^<TR ALIGN' || true)
log="$shared/0701JDEvents.csv"
lines=$(wc -l < "$log")
whole=$(awk -F, 'NF >= 128 && $1 == "0701JD" && /\r$/' "$log" | wc -l)
dups=$(cut -d, -f2 "$log" | sort -n | uniq -d | wc -l)
first=$(cut -d, -f2 "$log" | sort -n | sed -n 1p)
last=$(cut -d, -f2 "$log" | sort -n | tail -1)
echo "stations: 4, events recorded: $((4 * n)), shared log lines: $lines, whole lines: $whole," \
     "numbers drawn twice: $dups, numbers $first to $last, freezes taken over: $taken, HTML rows: $rows"
[ "$fail" -eq 0 ] || { echo "a station did not record all its events"; exit 1; }
[ "$recorded" -eq 4 ] || { echo "a station did not finish"; exit 1; }
[ "$lines" -eq $((4 * n)) ] || { echo "lost events: expected $((4 * n)) lines"; exit 1; }
[ "$whole" -eq "$lines" ] || { echo "torn lines in the shared log"; exit 1; }
[ "$dups" -eq 0 ] || { echo "event numbers drawn twice"; exit 1; }
[ $((last - first + 1)) -eq "$lines" ] || { echo "the numbers are not one contiguous run"; exit 1; }
freezes=$(printf '%s\n' "$@" | grep -A1 -x -- --freeze-at | tail -n +2 | tr , '\n' | grep -c . || true)
[ "$taken" -eq "$freezes" ] || { echo "$taken of $freezes frozen stations had their lock taken over"; exit 1; }
[[ " $* " != *" --html "* || "$rows" -eq "$lines" ]] || { echo "the shared HTML table lost rows"; exit 1; }
for s in A B C D; do
    role=$(($(wc -l < "$shared/0701JD$s.csv") - 1))
    [ "$role" -eq "$n" ] || { echo "role log of $s holds $role events"; exit 1; }
    # the numbers each station's grid showed are the numbers its files hold
    [ "$(grep -v -e ' recorded ' -e ' froze ' "$root/$s.out" | cut -d' ' -f2)" = "$(tail -n +2 "$root/$s/C/VarnelGPS/0701JDEvents.csv" | cut -d, -f2)" ] ||
        { echo "station $s showed other numbers than it saved"; exit 1; }
done
echo "4 stations: nothing lost, nothing torn, no number twice, no gap"
