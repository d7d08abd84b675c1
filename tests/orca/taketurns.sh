#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# one-orca.sh: test runs that start Orca take turns, and skip (77) rather than
# fail when they cannot have Orca to themselves. With a lock of its own and a
# stand-in for Orca's process name, so that it never disturbs a real Orca.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for tool in flock pgrep; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
export NUMORA_ORCA_LOCK=$work/lock NUMORA_ORCA_NAME=fakeorca$$ NUMORA_ORCA_WAIT=20 NUMORA_ORCA_GRACE=1
failed=0

expect() { # expect WHAT STATUS SAYING COMMAND...: one-orca.sh COMMAND... ends with STATUS, saying that
    local what=$1 want=$2 saying=$3 got
    shift 3
    "$here/one-orca.sh" "$@" >"$work/out" 2>&1
    got=$?
    if [[ $got == "$want" ]] && { [[ -z $saying ]] || grep -q -- "$saying" "$work/out"; }; then
        echo "ok: $what"
    else
        echo "FAIL: $what: status $got, not $want saying '$saying'"
        sed 's/^/    /' "$work/out"
        failed=1
    fi
}

expect "a passing test passes" 0 "" true
expect "a failing test fails" 1 "" false

# The second run starts its test only after the first one's has ended.
"$here/one-orca.sh" bash -c "echo start >>$work/order; sleep 2; echo end >>$work/order" >/dev/null &
sleep 0.5
expect "a second run waits for the first" 0 "" bash -c "echo start >>$work/order; echo end >>$work/order"
wait
order=$(tr '\n' ' ' <"$work/order")
[[ $order == "start end start end " ]] || { echo "FAIL: the runs overlapped: $order"; failed=1; }

# What a test leaves running does not keep the next one waiting.
expect "a test that leaves a process behind" 0 "" bash -c "sleep 30 >/dev/null 2>&1 & echo \$! >$work/left"
pids+=("$(cat "$work/left")")
NUMORA_ORCA_WAIT=1 expect "the next test, meanwhile" 0 "" true

# A lock kept past the wait: skipped, the test not run.
(exec 8>>"$NUMORA_ORCA_LOCK" && flock 8 && exec sleep 30) >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
NUMORA_ORCA_WAIT=1 expect "a lock kept too long skips" 77 "kept .* for 1 s" touch "$work/ran"
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null

# An Orca no test started (the stand-in's name): skipped, the test not run.
cp "$(command -v sleep)" "$work/$NUMORA_ORCA_NAME"
"$work/$NUMORA_ORCA_NAME" 30 >/dev/null 2>&1 &
pids+=($!)
sleep 0.2
expect "another Orca of the user skips" 77 "no test started" touch "$work/ran"
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null
[[ ! -e $work/ran ]] || { echo "FAIL: a skipped test ran"; failed=1; }

# Ours refused because another started meanwhile: skipped, not failed.
expect "a refused Orca skips" 77 "started while the test ran" bash -c "echo 'Another screen reader process is already running'; exit 1"

exit $failed
