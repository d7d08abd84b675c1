#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Orca runs once per user: a second one refuses to start. This runs a test that
# starts Orca (COMMAND...) while holding a lock of the user's, so that test runs
# of two suites take turns instead of checking for each other and then both
# starting. It skips (77) rather than fails when it cannot have Orca to itself:
# the lock stays taken, an Orca that no test started runs, or one started while
# the test ran and ours was refused.
#
#   one-orca.sh COMMAND [ARGS...]     exit: COMMAND's, or 77
#
# Environment: NUMORA_ORCA_WAIT  seconds to wait for the lock (default 180)
#              NUMORA_ORCA_GRACE seconds to wait for another Orca to end (default 10)
#              NUMORA_ORCA_LOCK  the lock file (default /tmp/numora-orca-UID.lock)
#              NUMORA_ORCA_NAME  the reader's process name (default orca)
set -uo pipefail
skip=77
(($#)) || { echo "usage: one-orca.sh COMMAND [ARGS...]" >&2; exit 2; }
lock=${NUMORA_ORCA_LOCK:-/tmp/numora-orca-$(id -u).lock}
name=${NUMORA_ORCA_NAME:-orca}
for tool in flock pgrep; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit $skip; }
done
other_orca() { pgrep -u "$(id -u)" -x "$name" >/dev/null; }

exec 9>>"$lock" || { echo "SKIP: cannot open the lock $lock"; exit $skip; }
if ! flock -w "${NUMORA_ORCA_WAIT:-180}" 9; then
    echo "SKIP: another test's Orca kept $lock for ${NUMORA_ORCA_WAIT:-180} s"
    exit $skip
fi
# One that is just ending is given a few seconds.
for ((left = ${NUMORA_ORCA_GRACE:-10}; left > 0; --left)); do
    other_orca || break
    sleep 1
done
if other_orca; then
    echo "SKIP: an Orca that no test started runs for this user, and only one may"
    exit $skip
fi

# The command and all it starts run without the lock, so that nothing left
# behind by it keeps the next test waiting; this shell holds it until the end.
out=$(mktemp)
"$@" 9>&- >"$out" 2>&1
status=$?
cat "$out"
if ((status != 0 && status != skip)) \
    && { grep -q "Another screen reader process is already running" "$out" || other_orca; }; then
    echo "SKIP: another Orca of this user started while the test ran, and only one may"
    status=$skip
fi
rm -f "$out"
exit "$status"
