#!/usr/bin/env bash
# Stops the station that holds a shared file's lock, at random moments, for 2 s each
# (SIGSTOP of the process named in the lock file, then SIGCONT), for measurements of
# stations that freeze while drawing. Writes the count of freezes done to COUNT_FILE.
# usage: freeze_lock_holder.sh LOCK_FILE FREEZES COUNT_FILE
lock=$1 freezes=$2 out=$3 pid=
trap '[ -n "$pid" ] && kill -CONT "$pid" 2>/dev/null; exit 0' EXIT TERM
for ((i = 0; i < freezes;)); do
    sleep "0.$((RANDOM % 9 + 1))"
    pid=$(sed -n 's/.* pid \([0-9]*\) .*/\1/p' "$lock" 2>/dev/null || true)
    [ -n "$pid" ] && kill -STOP "$pid" 2>/dev/null || continue
    sleep 2
    kill -CONT "$pid"
    pid=
    i=$((i + 1))
    echo "$i" > "$out"
done
