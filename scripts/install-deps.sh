#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Dawnquill need.
# Only missing packages are installed; run as root or with sudo available.
set -euo pipefail

PACKAGES=(
    # build tools
    cmake ninja-build g++ pkg-config ccache
    # libraries
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-webengine-dev
    libcurl4-openssl-dev libpcre2-dev libicu-dev nlohmann-json3-dev
    libsqlite3-dev libjpeg62-turbo-dev libssl-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev openssl nodejs
    # the check of the application-menu entry
    desktop-file-utils
    # fonts that draw the Chinese captions, and a virtual display for screenshots
    fonts-wqy-zenhei fonts-arphic-uming xvfb xauth imagemagick
    # the start-up benchmark watches the X display for the window (Xlib)
    libx11-dev
    # public pinyin dictionary read by tools/gen_pinyin_table (only to regenerate data/)
    golang-github-mozillazg-go-pinyin-dev
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        # nodejs may come from outside Debian's packages; a working node is enough.
        if [[ $pkg == nodejs ]] && command -v node >/dev/null; then continue; fi
        missing+=("$pkg")
    fi
done

if ((${#missing[@]})); then
    SUDO=""
    if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
