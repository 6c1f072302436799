#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on a loopback demo.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh"
build=${VIREON_BUILD_DIR:-$top/build}
export VIREON_LOOPBACK_ONLY=1
mkdir -p "$top/run/app/config"
# The demo never talks to the LAN: the instrument and the PC are loopback.
if [ ! -f "$top/run/app/config/SystemConfig.ini" ]; then
    cat > "$top/run/app/config/SystemConfig.ini" <<'INI'
[NetConfig]
HostAddress=127.0.0.2
LocalIpAddr=127.0.0.1
LocalMacAddr=00-00-00-00-00-00
HostPort=45454
INI
fi
cp -rn "$build/app/." "$top/run/app/"
cd "$top/run"
exec "$build/src/vireon" "$@"
