#!/usr/bin/env bash
# Starts the demo (virtual pedal with demo songs) under Xvfb and takes a
# screenshot of each page of the window into docs/. Needs the packages
# xvfb, imagemagick and xdotool besides the build's.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
for p in xvfb imagemagick xdotool; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
./scripts/build.sh
BIN="$PWD/build/bin"
mkdir -p docs

work=$(mktemp -d)
source scripts/jack-session.sh
export JACK_DEFAULT_SERVER="corvanta-shots-$$"
export CORVANTA_MIDI_API=jack
FLASH_DIR="$work/pedal"
PEDAL_ARGS=(--name "Corvanta Pedal" --demo-songs)
XVFB_PID=""
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    stop_jack_session
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 704x595x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
sleep 1
start_jack_session
(cd "$work" && QT_QPA_PLATFORM=xcb "$BIN/corvanta" >/dev/null 2>&1) &
APP_PID=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name "Corvanta V1.7" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not appear" >&2; exit 1; }
sleep 2
import -window root docs/song-page.png
xdotool mousemove 225 28 click 1   # the "Firmware Update" tab
sleep 1
import -window root docs/firmware-page.png
echo "docs/song-page.png docs/firmware-page.png"
