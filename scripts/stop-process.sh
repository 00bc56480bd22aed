# Sourced by the session scripts: stops a child process within a time limit.

# True while the process runs (an exited child not yet waited for does not).
process_running() {
    [ -r "/proc/$1/status" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null
}

# stop_process PID: SIGTERM, up to STOP_LIMIT seconds (default 5) for the
# process to end, then SIGKILL. Always returns, at once for an empty PID.
stop_process() {
    local pid=$1 limit=${STOP_LIMIT:-5} i
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    for ((i = 0; i < limit * 10; i++)); do
        process_running "$pid" || break
        sleep 0.1
    done
    if process_running "$pid"; then
        echo "process $pid did not stop within ${limit}s; killed" >&2
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}
