# Sourced by run.sh and the end-to-end test: starts a JACK server of its own
# (dummy driver, no realtime) and the virtual pedal on it, and stops both on exit.
# Needs: BIN (the build's bin folder), FLASH_DIR, JACK_DEFAULT_SERVER.
# Optional: PEDAL_ARGS (array of extra corvanta-pedal options).

source "$(dirname "${BASH_SOURCE[0]}")/stop-process.sh"

JACK_PID=""
PEDAL_PID=""
PEDAL_OUT=""

# Each process gets STOP_LIMIT seconds and is then killed: a pedal stuck
# closing its JACK client or a jackd deaf to SIGTERM cannot hang the exit.
stop_jack_session() {
    stop_process "$PEDAL_PID"
    stop_process "$JACK_PID"
    [ -n "$PEDAL_OUT" ] && rm -f "$PEDAL_OUT"
    PEDAL_PID=""
    JACK_PID=""
    PEDAL_OUT=""
}

start_jack_session() {
    export JACK_NO_AUDIO_RESERVATION=1
    jackd --no-realtime -S -t 10000 -n "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p 256 >"${JACK_LOG:-/dev/null}" 2>&1 &
    JACK_PID=$!
    for _ in $(seq 50); do
        jack_lsp >/dev/null 2>&1 && break
        sleep 0.1
    done
    PEDAL_OUT=$(mktemp)
    "$BIN/corvanta-pedal" --flash-dir "$FLASH_DIR" "${PEDAL_ARGS[@]}" >"$PEDAL_OUT" &
    PEDAL_PID=$!
    for _ in $(seq 100); do
        grep -q '^ready: ' "$PEDAL_OUT" && return 0
        kill -0 "$PEDAL_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "the virtual pedal did not start" >&2
    return 1
}
