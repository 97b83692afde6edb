#!/usr/bin/env bash
# Installs the Debian 12 packages that build, run and test PressLane. Run as root.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
    # build
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-webengine-dev libqt6webenginecore6-bin libgl-dev
    libmpv-dev
    libx11-dev
    # release signatures of the update chain: verified with libsodium, made with minisign
    libsodium-dev minisign
    # tests
    libgtest-dev libgmock-dev libcpp-httplib-dev
    # the fuzz targets: clang with its libFuzzer runtime
    clang libclang-rt-14-dev
    # the certificate of the loopback https server
    libssl-dev
    # the peer of the download benchmark, and the update test's server probe
    curl
    # a real desktop for the windows: display, window manager with a tray, input, screenshots
    xvfb icewm xdotool wmctrl x11-utils imagemagick
    # reading what a window shows through the clipboard, as a user copying it would
    xclip
    # Korean text
    fonts-noto-cjk
    # the product server: mail to the operator's SMTP relay, and the SMTP sink of its test
    libcurl4-openssl-dev python3-aiosmtpd
    # the Windows build of the toolkit-free code and its adapters, and Wine to run its tests
    g++-mingw-w64-x86-64-posix wine64 wine
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
