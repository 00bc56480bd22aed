# Sourced by run.sh and the end-to-end test: starts a JACK server of its own
# (dummy driver, no realtime) and the virtual pedal on it, and stops both on exit.
# Needs: BIN (the build's bin folder), FLASH_DIR, JACK_DEFAULT_SERVER.
# Optional: PEDAL_ARGS (array of extra corvanta-pedal options).

JACK_PID=""
PEDAL_PID=""
PEDAL_OUT=""

stop_jack_session() {
    [ -n "$PEDAL_PID" ] && kill "$PEDAL_PID" 2>/dev/null && wait "$PEDAL_PID" 2>/dev/null
    [ -n "$JACK_PID" ] && kill "$JACK_PID" 2>/dev/null && wait "$JACK_PID" 2>/dev/null
    [ -n "$PEDAL_OUT" ] && rm -f "$PEDAL_OUT"
    PEDAL_PID=""
    JACK_PID=""
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
