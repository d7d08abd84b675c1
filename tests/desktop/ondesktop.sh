#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs COMMAND on a desktop of its own, as players have them: openbox on a
# headless X server, or weston's headless Wayland compositor, on a screen of
# WxH device pixels that Qt scales by SCALE. Exits 77 where the desktop's
# programs are not installed.
#   ondesktop.sh openbox|weston WxH SCALE COMMAND...
# NUMORA_TEST_DISPLAYS="130 131 ..." lists the X displays to try (else the X
# server picks a free one); NUMORA_TEST_SOCKET names the Wayland socket.
set -u
desktop=$1 size=$2 scale=$3
shift 3
skip() { echo "skipped: $*"; exit 77; }
need() { for tool; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done; }
fail() {
    echo "failed: $*"
    for pid in $pids; do kill -0 "$pid" 2>/dev/null || echo "(process $pid has ended)"; done
    cat "$run"/*.log 2>/dev/null
    exit 1
}

run=$(mktemp -d) || exit 1
pids=
display=
# Ends the servers and waits for them, so that their display is free again.
cleanup() { for pid in $pids; do kill "$pid" 2>/dev/null; done; wait; rm -rf "$run"; }
trap cleanup EXIT INT TERM
waitfor() { # waitfor SECONDS COMMAND...: until COMMAND succeeds
    tries=$(($1 * 10)); shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1)); [ "$tries" -gt 0 ] || return 1; sleep 0.1
    done
}

case $desktop in
openbox)
    need Xvfb openbox xprop xwininfo xdotool import numlockx
    for n in ${NUMORA_TEST_DISPLAYS:-}; do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${size}x24" -dpi 96 -nolisten tcp 2>"$run/xvfb.log" &
        pids=$!
        # Ours once its lock names it and it answers; another run may have
        # taken the display first, and this server then ends.
        tries=300
        while kill -0 "$pids" 2>/dev/null && [ $((tries -= 1)) -gt 0 ]; do
            if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" = "$pids" ] && DISPLAY=:$n xprop -root >/dev/null 2>&1; then
                display=:$n
                break 2
            fi
            sleep 0.1
        done
        kill "$pids" 2>/dev/null
        pids=
    done
    if [ -z "$pids" ]; then
        Xvfb -displayfd 3 -screen 0 "${size}x24" -dpi 96 -nolisten tcp 3>"$run/display" 2>"$run/xvfb.log" &
        pids=$!
        waitfor 30 test -s "$run/display" || fail "no X server"
        display=:$(cat "$run/display")
    fi
    export DISPLAY=$display
    waitfor 30 xprop -root || fail "the X server did not start"
    # Title bars as tall as a desktop scaled as a whole draws them (as GNOME's):
    # taller than the program can know before the window is framed.
    points=$(awk "BEGIN { print int(18 * $scale + 0.5) }")
    cat >"$run/rc.xml" <<EOF
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc"><theme>
  <font place="ActiveWindow"><size>$points</size></font><font place="InactiveWindow"><size>$points</size></font>
</theme></openbox_config>
EOF
    # It names its theme on the root window once it has loaded it, well into its
    # start. On a busy machine it has been seen to miss a fresh server once.
    for attempt in 1 2 3; do
        openbox --sm-disable --config-file "$run/rc.xml" >>"$run/openbox.log" 2>&1 &
        wm=$!
        waitfor 20 sh -c 'xprop -root _OB_THEME | grep -q =' && break
        kill "$wm" 2>/dev/null
        [ "$attempt" = 3 ] && fail "openbox did not start on $DISPLAY"
        sleep 1
    done
    pids="$pids $wm"
    export QT_QPA_PLATFORM=xcb
    ;;
weston)
    need weston weston-debug weston-screenshooter
    plugin=
    for f in /usr/lib*/qt6/plugins/platforms/libqwayland* /usr/lib/*/qt6/plugins/platforms/libqwayland*; do
        [ -e "$f" ] && plugin=$f
    done
    [ -n "$plugin" ] || skip "Qt's Wayland plugin (qt6-wayland) is not installed"
    socket=${NUMORA_TEST_SOCKET:-numora-test-$$}
    mkdir -m 700 "$run/xdg"
    export XDG_RUNTIME_DIR=$run/xdg
    weston --backend=headless-backend.so --use-pixman --debug --idle-time=0 --socket="$socket" \
        --width="${size%x*}" --height="${size#*x}" >"$run/weston.log" 2>&1 &
    pids=$!
    waitfor 30 test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston did not start"
    # Its desktop shell, panel and all, is up when the panel is in the scene.
    waitfor 30 sh -c "WAYLAND_DISPLAY=$socket weston-debug scene-graph | grep -q 'panel for output'" ||
        fail "weston's desktop shell did not start"
    unset DISPLAY
    export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
    ;;
*)
    echo "usage: $0 openbox|weston WxH SCALE COMMAND..." >&2
    exit 2
    ;;
esac

export NUMORA_DESKTOP=$desktop QT_SCALE_FACTOR=$scale QT_LOGGING_RULES='qt.qpa.*=false'
cd "$run" && "$@"
