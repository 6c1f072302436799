#!/usr/bin/env bash
# Shared set-up for run.sh and test.sh: installs the Debian packages that are
# missing (a second run only asks dpkg), configures and builds.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VIREON_BUILD_DIR:-$top/build}

# Every package the build needs, each beside what asks for it:
#   cmake, ninja-build, g++           the CMake + Ninja build itself
#   pkg-config                        find_package(PkgConfig)
#   qtbase5-dev                       find_package(Qt5 Core Gui Widgets Network Sql PrintSupport Test)
#   libqt5svg5-dev                    find_package(Qt5 Svg)
#   qttools5-dev                      find_package(Qt5 LinguistTools) (Qt's CMake files for it)
#   qttools5-dev-tools                lrelease and lupdate, which LinguistTools runs
#   libqt5sql5-sqlite                 the stock QSQLITE driver the driver benchmark compares with
#   libsqlite3-dev                    find_package(SQLite3)
#   libssl-dev                        find_package(OpenSSL Crypto)
#   libjsoncpp-dev                    pkg_check_modules(JSONCPP jsoncpp)
#   fonts-noto-cjk                    a CJK family with a real bold for the interface and the report
#   fonts-font-awesome                the navigation icons' font
packages=(cmake ninja-build g++ pkg-config qtbase5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools
          libqt5sql5-sqlite libsqlite3-dev libssl-dev libjsoncpp-dev fonts-noto-cjk fonts-font-awesome)
# What the tests start besides the program's own tools (test.sh passes --tests; run.sh needs none):
#   poppler-utils                     pdfinfo, pdfimages, pdftoppm, pdftotext read the PDFs the program writes
#   libreoffice-calc-nogui            soffice --headless converts exported workbooks to CSV
test_packages=(poppler-utils libreoffice-calc-nogui)
if [ "${1:-}" = "--tests" ]; then
    packages+=("${test_packages[@]}")
fi
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
