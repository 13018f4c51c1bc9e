#!/usr/bin/env bash
# Installs the Debian packages Stowlet needs to build, test and run, skipping those
# already present. Run as root (or with sudo available).
set -euo pipefail

packages=(
    cmake g++ make pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libcanberra-dev
    libxcb1-dev
    libgtest-dev
    xvfb xauth x11-apps x11-utils xdotool imagemagick
    desktop-file-utils
    fonts-dejavu-core fonts-urw-base35
    dpkg-dev lintian appstream desktop-file-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
