#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages Tessarin needs to build, run and test, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libgif-dev fonts-nanum
          libbenchmark-dev libxcb-damage0-dev pkg-config clang-14 libclang-rt-14-dev locales-all xvfb xauth
          lintian desktop-file-utils appstream at-spi2-core python3-pyatspi dbus)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
