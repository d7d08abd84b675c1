#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the game under the Orca screen reader on a headless X display and writes down everything
# Orca speaks. "start" brings up Xvfb, openbox, a D-Bus session bus, the AT-SPI bus,
# speech-dispatcher (whose only "synthesizer" appends LANG|TEXT to spoken.log) and Orca with a
# debug log, then (optionally) the game; "stop" ends all of it by the pids start recorded.
#
#   run-orca.sh start [GAME [ARGS...]]   start everything (and the game); prints export lines
#   run-orca.sh stop                     stop what start started (by pid, never by name)
#   run-orca.sh env                      print the export lines again (eval "$(run-orca.sh env)")
#
# Environment:
#   ORCA_DISPLAY   X display to create (default :86); start refuses one that is already in use
#   ORCA_RUN_DIR   state and output folder (default ${TMPDIR:-/tmp}/numora-orca-<display number>):
#                  spoken.log, orca-debug.out, game.log, ... (see README.md)
#   ORCA_WM        openbox (default) or none
#   ORCA_KEYECHO   0 switches Orca's key echo off (default: Orca's own default, on)
#   LANG, LANGUAGE passed on to the game and to Orca (Orca speaks the language of its locale)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
tools=$here                                     # xsession.sh lives here too
disp=${ORCA_DISPLAY:-:86}
num=${disp#:}; num=${num%%.*}
[[ $num =~ ^[0-9]+$ ]] || { echo "run-orca.sh: ORCA_DISPLAY must look like :86, not '$disp'" >&2; exit 2; }
RUN=${ORCA_RUN_DIR:-${TMPDIR:-/tmp}/numora-orca-$num}
STATE=$RUN/state
export XSESSION_STATE_DIR=$RUN                  # xsession.sh keeps its Xvfb pid file here

say() { echo "run-orca.sh: $*" >&2; }

# ---- processes are remembered as PID:STARTTIME, so that a reused pid is never stopped
starttime() {   # field 22 of /proc/PID/stat
    local s; s=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    s=${s##*) }
    # shellcheck disable=SC2086
    set -- $s
    echo "${20}"
}
ident() { local t; t=$(starttime "$1") || return 1; echo "$1:$t"; }
alive() { [[ -r /proc/$1/status ]] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null; }
stop_pid() {    # stop_pid PID: TERM, up to 3 s, then KILL
    local p=$1
    alive "$p" || return 0
    kill "$p" 2>/dev/null || return 0
    for _ in $(seq 30); do alive "$p" || return 0; sleep 0.1; done
    kill -9 "$p" 2>/dev/null || true
}
ours() {         # ours PID:STARTTIME: 0 if that process is still the one started
    [[ $(starttime "${1%%:*}" 2>/dev/null || true) == "${1#*:}" ]]
}
stop_ident() {  # stop_ident PID:STARTTIME [group]: the process if it is still the one started,
                # and with "group" also every process of its session (what it started); the
                # session's other members also when the process is gone, never when its pid
                # now belongs to another program
    local id=$1 p members=''
    [[ -n $id ]] || return 0
    p=${id%%:*}
    if [[ ${2:-} == group ]] && { ours "$id" || [[ ! -e /proc/$p ]]; }; then
        members=$(ps -o pid= -s "$p" 2>/dev/null || true)
    fi
    if ours "$id"; then stop_pid "$p"; fi
    for m in $members; do [[ $m != "$p" ]] && stop_pid "$m"; done
    return 0
}
record() { echo "$1=$2" >>"$STATE"; }

do_stop() {
    set +e
    [[ -f $STATE ]] || { say "nothing recorded in $STATE"; return 1; }
    local GAME='' ORCA='' SPD='' WM='' LAUNCHER='' BUS='' XVFB=0 members p
    # shellcheck disable=SC1090
    source "$STATE"
    stop_ident "$GAME" group
    stop_ident "$ORCA" group
    if [[ -n $SPD ]] && ours "$SPD"; then    # speech-dispatcher and its output module
        members=$(ps -o pid= --ppid "${SPD%%:*}" 2>/dev/null)
        stop_ident "$SPD"
        for p in $members; do stop_pid "$p"; done
    fi
    stop_ident "$WM"
    stop_ident "$LAUNCHER" group  # the launcher, the accessibility bus, the registry
    if [[ -n $BUS ]] && ours "$BUS"; then    # the session bus and whatever it started
        members="$(ps -o pid= --ppid "${BUS%%:*}" 2>/dev/null) $(ps -o pid= -s "${BUS%%:*}" 2>/dev/null)"
        for p in $members; do [[ $p != "${BUS%%:*}" ]] && stop_pid "$p"; done
        stop_ident "$BUS"
    fi
    if [[ $XVFB == 1 ]]; then "$tools/xsession.sh" stop "$disp" >/dev/null 2>&1; fi
    rm -f "$STATE" "$RUN/env"
    return 0
}

print_env() {
    [[ -f $RUN/env ]] || { say "not running (no $RUN/env)"; return 1; }
    cat "$RUN/env"
}

cmd=${1:-start}
case $cmd in
    stop) do_stop && echo "stopped"; exit $? ;;
    env) print_env; exit $? ;;
    start) shift ;;
    *) cmd=start ;;                 # run-orca.sh GAME ... = start GAME ...
esac

# ---- start
for tool in Xvfb xdotool xdpyinfo dbus-daemon dbus-send orca speech-dispatcher; do
    command -v "$tool" >/dev/null || { say "$tool is missing (see README.md: apt-get install ...)"; exit 2; }
done
launcher=${ORCA_ATSPI_LAUNCHER:-}
for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [[ -z $launcher && -x $l ]] && launcher=$l
done
[[ -n $launcher ]] || { say "at-spi-bus-launcher not found (apt-get install at-spi2-core)"; exit 2; }
wm=${ORCA_WM:-openbox}
[[ $wm == none ]] || command -v openbox >/dev/null || { say "openbox is missing (apt-get install openbox, or ORCA_WM=none)"; exit 2; }

mkdir -p "$RUN"
RUN=$(cd "$RUN" && pwd)
case $RUN in *[\ \'\"\\\$\`]*) say "ORCA_RUN_DIR must not contain spaces, quotes, \\, \$ or \` ($RUN)"; exit 2 ;; esac
STATE=$RUN/state XSESSION_STATE_DIR=$RUN
if [[ -f $STATE ]]; then
    say "already started ($STATE); run-orca.sh stop first"; exit 1
fi
if DISPLAY=$disp xdpyinfo >/dev/null 2>&1; then
    say "display $disp is already in use; choose another ORCA_DISPLAY"; exit 1
fi

: >"$STATE"
start_failed() {
    local rc=$?
    if (( rc )); then say "start failed (status $rc); stopping what was started"; do_stop; fi
}
trap start_failed EXIT

desk=$RUN/desktop                # the virtual desktop's HOME, runtime folder and Orca settings
rm -rf "$desk"
mkdir -p "$desk/home" "$desk/run" "$desk/orca"
chmod 700 "$desk/run"
export HOME=$desk/home XDG_CONFIG_HOME=$desk/home/.config XDG_DATA_HOME=$desk/home/.local/share \
       XDG_CACHE_HOME=$desk/home/.cache XDG_RUNTIME_DIR=$desk/run
export DISPLAY=$disp
rm -f "$RUN/spoken.log" "$RUN/orca-debug.out" "$RUN/transcript.txt"
: >"$RUN/spoken.log"

# 1. the X display (NumLock on), and a window manager for activation, Alt+Tab, Alt+F4
"$tools/xsession.sh" start "$disp" >"$RUN/xsession.out" 2>&1 || { cat "$RUN/xsession.out" >&2; exit 1; }
record XVFB 1
if [[ $wm == openbox ]]; then
    openbox --sm-disable </dev/null >"$RUN/openbox.log" 2>&1 &
    record WM "$(ident $!)"; disown
    sleep 1
fi

# 2. a D-Bus session bus of its own
out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$out")
export DBUS_SESSION_BUS_ADDRESS
record BUS "$(ident "$(sed -n 2p <<<"$out")")"

# 3. the AT-SPI bus, with IsEnabled true as on a desktop where a screen reader is on
setsid "$launcher" --launch-immediately --a11y=1 </dev/null >"$RUN/launcher.log" 2>&1 &
record LAUNCHER "$(ident $!)"; disown
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
    sleep 0.05
done

# 4. speech-dispatcher whose one output module writes what it is given to speak, a line each
sdconf=$XDG_CONFIG_HOME/speech-dispatcher
mkdir -p "$sdconf/modules"
cat >"$sdconf/speechd.conf" <<EOF
LogLevel 3
LogDir "$RUN"
DefaultVolume 100
SymbolsPreproc "char"
SymbolsPreprocFile "gender-neutral.dic"
SymbolsPreprocFile "font-variants.dic"
SymbolsPreprocFile "symbols.dic"
SymbolsPreprocFile "emojis.dic"
SymbolsPreprocFile "orca.dic"
SymbolsPreprocFile "orca-chars.dic"
AudioOutputMethod "libao"
AddModule "textlog" "sd_generic" "textlog.conf"
DefaultModule textlog
EOF
langs="en de fr es it pt ru"
{
    printf '%s\n' "GenericExecuteSynth \"printf '%s|%s\\\\n' \\'\$LANGUAGE\\' \\'\$DATA\\' >> $RUN/spoken.log\""
    echo 'GenericCmdDependency "printf"'
    for l in $langs; do
        echo "AddVoice \"$l\" \"male1\" \"$l\""
        echo "GenericLanguage \"$l\" \"$l\" \"utf-8\""
    done
    echo 'GenericDefaultCharset "utf-8"'
} >"$sdconf/modules/textlog.conf"
for l in $langs; do echo "LanguageDefaultModule \"$l\" \"textlog\""; done >>"$sdconf/speechd.conf"
speech-dispatcher -s -t 0 -C "$sdconf" -L "$RUN" </dev/null >"$RUN/speechd.out" 2>&1 &
record SPD "$(ident $!)"; disown
sock=$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock
for _ in $(seq 100); do [[ -S $sock ]] && break; sleep 0.05; done
[[ -S $sock ]] || { say "speech-dispatcher did not open $sock (log $RUN/speechd.out)"; exit 1; }

# 5. Orca: its own preferences folder (empty = Orca's defaults), a debug log made line-buffered
#    by pyhook/sitecustomize.py, our speech-dispatcher only (no second one spawned behind our back)
orcaprefs=$desk/orca
if [[ ${ORCA_KEYECHO:-1} == 0 ]]; then
    cat >"$orcaprefs/user-settings.conf" <<'EOF'
{"general": {"enableKeyEcho": false}, "keybindings": {}, "profiles": {"default": {"profile": ["Default", "default"], "enableKeyEcho": false}}, "pronunciations": {}}
EOF
fi
: >"$RUN/orca-debug.out"
ORCA_DEBUG_LINEBUF=$RUN/orca-debug.out PYTHONPATH=$here/pyhook${PYTHONPATH:+:$PYTHONPATH} \
SPEECHD_ADDRESS=unix_socket:$sock SPEECHD_CMD=$(command -v false) \
    setsid orca -u "$orcaprefs" --debug-file="$RUN/orca-debug.out" </dev/null >"$RUN/orca.log" 2>&1 &
orcapid=$!
record ORCA "$(ident $orcapid)"; disown
for _ in $(seq 200); do
    grep -q "SPEECH OUTPUT" "$RUN/orca-debug.out" 2>/dev/null && break
    alive "$orcapid" || { say "Orca ended at start; log $RUN/orca.log"; exit 1; }
    sleep 0.1
done
grep -q "SPEECH OUTPUT" "$RUN/orca-debug.out" || { say "Orca said nothing within 20 s (log $RUN/orca.log)"; exit 1; }

# 6. the game
gamepid=
if (( $# )); then
    setsid "$@" >"$RUN/game.log" 2>&1 </dev/null &
    gamepid=$!
    record GAME "$(ident $gamepid)"; disown
    wid=
    for _ in $(seq 150); do
        wid=$(xdotool search --onlyvisible --pid "$gamepid" 2>/dev/null | head -1 || true)
        [[ -n $wid ]] && break
        alive "$gamepid" || { say "the game ended at start; log $RUN/game.log"; exit 1; }
        sleep 0.1
    done
    [[ -n $wid ]] || { say "no game window within 15 s (log $RUN/game.log)"; exit 1; }
    xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || xdotool windowfocus --sync "$wid" >/dev/null 2>&1 || true
fi

cat >"$RUN/env" <<EOF
export DISPLAY=$DISPLAY DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS
export ORCA_DISPLAY=$disp ORCA_RUN_DIR=$RUN ORCA_PID=$orcapid GAME_PID=$gamepid
EOF
trap - EXIT
cat "$RUN/env"
echo "# spoken: $RUN/spoken.log (LANG|TEXT)   Orca's log: grep 'SPEECH OUTPUT' $RUN/orca-debug.out"
echo "# keys: $here/step.sh LABEL KEY...      stop: $here/run-orca.sh stop"
