#!/usr/bin/env bash
# Builds and starts Corvanta. Without a real pedal it starts the virtual
# pedal on a JACK server of its own and a local update server first, and
# stops them when the window closes.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
BIN="$PWD/build/bin"

# A real USB MIDI device shows as an ALSA raw MIDI device.
real_pedal_present() {
    compgen -G '/dev/snd/midiC*D*' >/dev/null
}

if [ "${CORVANTA_DEMO:-auto}" = "0" ] || { [ "${CORVANTA_DEMO:-auto}" = "auto" ] && real_pedal_present; }; then
    exec "$BIN/corvanta"
fi

source scripts/jack-session.sh
source scripts/demo-server.sh
DEMO_DIR="$PWD/demo"
export JACK_DEFAULT_SERVER="corvanta-demo-$$"
export CORVANTA_MIDI_API=jack
FLASH_DIR="$PWD/demo/pedal"
PEDAL_ARGS=(--name "Corvanta Pedal" --demo-songs --timing realistic)
trap 'stop_jack_session; stop_demo_server' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
start_jack_session
start_demo_server
echo "The demo pedal from a terminal: CORVANTA_MIDI_API=jack JACK_DEFAULT_SERVER=$JACK_DEFAULT_SERVER $BIN/corvanta-cli list"
"$BIN/corvanta"
