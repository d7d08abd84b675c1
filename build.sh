#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Numora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Numora's one entry point for people and CI.
#   ./build.sh play            install what is missing, build, start the game
#   ./build.sh test            install what is missing, build (the picture programs of art/ too),
#                              run every test headless
#   ./build.sh test --sanitize the same under AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-base-private-dev libgl-dev libxkbcommon-dev libxcb1-dev
          groff-base fonts-liberation2 desktop-file-utils appstream reuse
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          # the whole match under the Orca screen reader (tests/orca)
          python3 orca speech-dispatcher openbox xvfb xauth xdotool x11-utils x11-xserver-utils numlockx
          at-spi2-core dbus python3-pyatspi
          # the windows on real desktops (tests/desktop): openbox above, and Wayland
          weston qt6-wayland imagemagick)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
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
install_missing
case "$cmd" in
play)
    build build -DNUMORA_ART=OFF
    exec ./build/app/numora "$@"
    ;;
test)
    if [ "${1:-}" = "--sanitize" ]; then
        build build-sanitize -DNUMORA_SANITIZE=ON -DNUMORA_ART=ON
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        dir=build-sanitize
    else
        build build -DNUMORA_ART=ON
        dir=build
    fi
    export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 play|test [--sanitize]" >&2
    exit 2
    ;;
esac
