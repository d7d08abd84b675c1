#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Numora's one entry point for people and CI.
#   ./build.sh play            install what the game needs, build the game alone, start it
#   ./build.sh test            install what the tests need too, build everything (the picture
#                              programs of art/ too), run every test headless
#   ./build.sh test --sanitize the same under AddressSanitizer + UndefinedBehaviorSanitizer
#   ./build.sh test --m32      the engine and numora-bench alone built for i386 (g++ -m32),
#                              their known answers run
set -euo pipefail
cd "$(dirname "$0")"

# What building and playing need: the compiler, Qt, its Linguist tools for the
# translations, Qt's own translations, Wayland's platform plugin, SQLite for the
# record of matches, libxcb to tell an X window manager which window owns a dialog.
play_packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
               qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-wayland libqt6sql6-sqlite
               libxcb1-dev)
# What the tests need besides.
test_packages=(qt6-base-private-dev groff-base fonts-liberation2 desktop-file-utils libglib2.0-bin appstream reuse
               # the pictures drawn again on other processors (art/), the engine on i386
               qemu-user gcc-multilib g++-multilib
               # the windows under a window manager and a Wayland compositor; the record's file
               openbox weston xvfb xauth imagemagick sqlite3
               # the whole match under the Orca screen reader (tests/orca)
               python3 orca speech-dispatcher xdotool x11-utils x11-xserver-utils numlockx
               at-spi2-core dbus python3-pyatspi util-linux procps)

install_missing() { # install_missing PACKAGE...
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    command -v apt-get >/dev/null || { echo "missing packages: ${missing[*]}" >&2; exit 1; }
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() { # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

cmd=${1:-play}; shift || true
case "$cmd" in
play)
    install_missing "${play_packages[@]}"
    build build -DNUMORA_TESTS=OFF -DNUMORA_ART=OFF
    exec ./build/app/numora "$@"
    ;;
test)
    install_missing "${play_packages[@]}" "${test_packages[@]}"
    export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    case "${1:-}" in
    --sanitize)
        build build-sanitize -DNUMORA_TESTS=ON -DNUMORA_SANITIZE=ON -DNUMORA_ART=ON
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        dir=build-sanitize
        ;;
    --m32)
        # The x87 unit, and no vector unit in the baseline: the known answers
        # must hold there as on amd64. (qemu-i386 -cpu pentium3 runs the bench
        # as a processor without SSE2.)
        if [ "$(uname -m)" != x86_64 ]; then
            echo "--m32 builds for i386 on an x86_64 machine only" >&2
            exit 2
        fi
        build build-m32 -DNUMORA_GAME=OFF -DNUMORA_TESTS=ON -DCMAKE_CXX_FLAGS=-m32
        dir=build-m32
        ;;
    "")
        build build -DNUMORA_TESTS=ON -DNUMORA_ART=ON
        dir=build
        ;;
    *)
        echo "usage: $0 play|test [--sanitize|--m32]" >&2
        exit 2
        ;;
    esac
    ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 play|test [--sanitize|--m32]" >&2
    exit 2
    ;;
esac
