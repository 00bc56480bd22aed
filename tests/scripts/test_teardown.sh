#!/usr/bin/env bash
# The demo's teardown returns and leaves nothing running, also when the
# virtual pedal, jackd and the update server ignore SIGTERM.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/jack-session.sh"
source "$here/../../scripts/demo-server.sh"
export STOP_LIMIT=1

stubborn() { bash -c 'trap "" TERM; while :; do sleep 0.2; done' & }
polite() { bash -c 'while :; do sleep 0.2; done' & }

stubborn; PEDAL_PID=$!
stubborn; JACK_PID=$!
polite; SERVER_PID=$!
pids="$PEDAL_PID $JACK_PID $SERVER_PID"
PEDAL_OUT=$(mktemp)
out=$PEDAL_OUT

stop_jack_session 2>/dev/null
stop_demo_server

for pid in $pids; do
    if process_running "$pid"; then
        echo "FAIL: process $pid still runs" >&2
        exit 1
    fi
done
[ ! -e "$out" ] || { echo "FAIL: $out left behind" >&2; exit 1; }
[ -z "$PEDAL_PID$JACK_PID$SERVER_PID" ] || { echo "FAIL: ids not cleared" >&2; exit 1; }
stop_jack_session  # a second stop is harmless
echo "PASS"
