#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on a loopback demo:
# a fake instrument on 127.0.0.2 plays the analyser (it answers the connect
# command and uploads a demo database on a data fetch), and the program runs
# in ./run with a populated demo database.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/setup.sh"
build=${VIREON_BUILD_DIR:-$top/build}
export VIREON_LOOPBACK_ONLY=1
run="$top/run"
mkdir -p "$run/app/config" "$run/instrument"

# The demo never talks to the LAN: the instrument and the PC are loopback.
# Written before the program starts, so its defaults never take over.
if [ ! -f "$run/app/config/SystemConfig.ini" ]; then
    cat > "$run/app/config/SystemConfig.ini" <<'INI'
[NetConfig]
HostAddress=127.0.0.2
LocalIpAddr=127.0.0.1
LocalMacAddr=00-00-00-00-00-00
HostPort=45454
INI
fi
# Translations and log texts as the build staged them (never the settings).
cp -r "$build/app/." "$run/app/"

# A history to browse, and a larger one the fake instrument uploads on a fetch.
demodb="$build/tools/demodb/demodb"
if [ ! -f "$run/app/AppDatabase.db" ]; then
    "$demodb" --out "$run/app/AppDatabase.db" --runs 12 --seed 7
fi
if [ ! -f "$run/instrument/AppDatabase.db" ]; then
    "$demodb" --out "$run/instrument/AppDatabase.db" --runs 30 --seed 11
fi

fake_log="$run/instrument/fake_instrument.log"
"$build/tools/fake_instrument/fake_instrument" --address 127.0.0.2 --port 45454 \
    --upload "$run/instrument/AppDatabase.db" --upload-name AppDatabase.db >"$fake_log" 2>&1 &
fake_pid=$!
update_pid=
stop_fake() {
    for pid in "$fake_pid" $update_pid; do
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
}
trap stop_fake EXIT
for _ in $(seq 1 100); do
    grep -q '^READY' "$fake_log" 2>/dev/null && break
    if ! kill -0 "$fake_pid" 2>/dev/null; then
        echo "The fake instrument did not start:" >&2
        cat "$fake_log" >&2
        exit 1
    fi
    sleep 0.05
done

# A fake update server on 127.0.0.1:8080 offers a newer version with a demo
# updater script, so the update notice, the download and its check can be
# seen. When the port is taken the program runs on without it.
update_log="$run/update_server.log"
"$build/tools/fake_update_server/fake_update_server" --address 127.0.0.1 --port 8080 >"$update_log" 2>&1 &
update_pid=$!
for _ in $(seq 1 100); do
    grep -q '^READY' "$update_log" 2>/dev/null && break
    if ! kill -0 "$update_pid" 2>/dev/null; then
        echo "The fake update server did not start, so no update will be offered:" >&2
        cat "$update_log" >&2
        update_pid=
        break
    fi
    sleep 0.05
done

cd "$run"
status=0
"$build/src/vireon" "$@" || status=$?
exit "$status"
