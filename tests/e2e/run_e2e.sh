#!/usr/bin/env bash
# Runs the end-to-end tests against the standalone virtual pedal on a JACK
# server of their own, and stops both afterwards whatever the outcome.
# Usage: run_e2e.sh BIN_DIR TEST_BINARY [gtest options]
set -euo pipefail
BIN=$1
TEST_BINARY=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/jack-session.sh"

work=$(mktemp -d)
FLASH_DIR="$work/pedal"
JACK_LOG="$work/jackd.log"
export JACK_DEFAULT_SERVER="corvanta-e2e-$$"
export CORVANTA_MIDI_API=jack
PEDAL_ARGS=(--name "E2E Pedal" --model 10002 --firmware 1.2.3)
cleanup() {
    stop_jack_session
    rm -rf "$work"
}
trap cleanup EXIT
start_jack_session || { cat "$JACK_LOG" >&2; exit 1; }
status=0
"$TEST_BINARY" "$@" || status=$?
# On exit the pedal counts the song flash pages it was asked to program twice.
kill "$PEDAL_PID" && wait "$PEDAL_PID" || true
PEDAL_PID=""
if ! grep -qx 'nand-violations: 0' "$PEDAL_OUT"; then
    echo "the virtual pedal refused song flash writes: $(grep nand-violations "$PEDAL_OUT" || echo 'no count printed')" >&2
    status=1
fi
exit $status
