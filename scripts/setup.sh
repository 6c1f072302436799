#!/usr/bin/env bash
# Shared set-up for run.sh and test.sh: installs the Debian packages that are
# missing (a second run only asks dpkg), configures and builds.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VIREON_BUILD_DIR:-$top/build}

packages=(cmake ninja-build g++ pkg-config qtbase5-dev qttools5-dev-tools libqt5sql5-sqlite libqt5svg5-dev
          libsqlite3-dev libssl-dev libjsoncpp-dev fonts-noto-cjk fonts-font-awesome)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -- -j"$(nproc)"
