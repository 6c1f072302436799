#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh" --tests
build=${VIREON_BUILD_DIR:-$top/build}
export VIREON_LOOPBACK_ONLY=1
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
