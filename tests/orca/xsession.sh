#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Start (or reuse) a headless X display for driving GUI programs.
#
#   tools/xsession.sh [start] [:N] [WxHxD]   start Xvfb if not running; print DISPLAY and how to stop it
#   tools/xsession.sh stop [:N]              stop the Xvfb this script started (by its pid)
#   tools/xsession.sh status [:N]            say whether the display answers
#
# Defaults: display :99, screen 1024x768x24.  Use it as
#   eval "$(tools/xsession.sh start | grep ^export)"     # sets DISPLAY in the current shell
#
# Env: XSESSION_NUMLOCK=on|off (default on) - NumLock state set after start (see README: keypad keys).
# No window manager runs: windows have no frame or title bar, sit where the program puts them
# (a QMainWindow at 0,0 unless moved; dialogs centred on their parent); read titles with
# xdotool getwindowname or tools/windows.sh.
set -euo pipefail

cmd=start
case "${1:-}" in
    start|stop|status) cmd=$1; shift ;;
esac
disp=${1:-:99}
geom=${2:-1024x768x24}
num=${disp#:}
num=${num%%.*}
state_dir=${XSESSION_STATE_DIR:-/tmp}
pidfile="$state_dir/xvfb-$num.pid"
logfile="$state_dir/xvfb-$num.log"

alive() {   # display answers?
    DISPLAY=$disp xdpyinfo >/dev/null 2>&1
}

pid_alive() {  # running and not a zombie
    [[ -n ${1:-} && -r /proc/$1/status ]] || return 1
    ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null
}

ourpid() {  # pid from our pid file if that process is still an Xvfb
    [[ -f $pidfile ]] || return 1
    local p
    p=$(cat "$pidfile")
    pid_alive "$p" || return 1
    grep -q Xvfb "/proc/$p/cmdline" 2>/dev/null || return 1
    echo "$p"
}

case $cmd in
status)
    if alive; then
        echo "display $disp is up$(p=$(ourpid) && echo " (Xvfb pid $p)")"
        exit 0
    fi
    echo "display $disp is not running"
    exit 1
    ;;
stop)
    if p=$(ourpid); then
        kill "$p"
        for _ in $(seq 50); do pid_alive "$p" || break; sleep 0.1; done
        if pid_alive "$p"; then kill -9 "$p" || true; fi
        rm -f "$pidfile"
        echo "stopped Xvfb pid $p on $disp"
    else
        echo "no Xvfb started by this script on $disp (pid file $pidfile)" >&2
        exit 1
    fi
    exit 0
    ;;
esac

# start
if alive; then
    p=$(ourpid || true)
    echo "# display $disp already running${p:+ (Xvfb pid $p)}"
else
    # a stale lock from a dead server blocks the display number
    lock=/tmp/.X$num-lock
    if [[ -f $lock ]]; then
        lp=$(tr -d ' \n' < "$lock" || true)
        if ! pid_alive "$lp"; then
            rm -f "$lock" "/tmp/.X11-unix/X$num"
        fi
    fi
    # -nolisten tcp: local socket only; -noreset: survive last client exiting
    setsid Xvfb "$disp" -screen 0 "$geom" -nolisten tcp -noreset -dpi 96 >"$logfile" 2>&1 < /dev/null &
    p=$!
    echo "$p" > "$pidfile"
    for _ in $(seq 100); do
        alive && break
        if ! pid_alive "$p"; then
            echo "Xvfb failed to start; log:" >&2
            cat "$logfile" >&2
            exit 1
        fi
        sleep 0.05
    done
    alive || { echo "Xvfb did not answer within 5 s (pid $p, log $logfile)" >&2; exit 1; }
    echo "# started Xvfb pid $p on $disp ($geom), log $logfile"
fi

# NumLock: on by default so that keypad keys produce digits (KP_1..KP_9, KP_Decimal)
if command -v numlockx >/dev/null 2>&1; then
    DISPLAY=$disp numlockx "${XSESSION_NUMLOCK:-on}" || true
else
    echo "# warning: numlockx is missing, NumLock stays off (keypad digits then do nothing): run install-deps.sh" >&2
fi

p=$(ourpid || true)
echo "export DISPLAY=$disp"
if [[ -n $p ]]; then
    echo "# stop with: $(realpath "$0") stop $disp    (or: kill $p)"
fi
