#!/usr/bin/env bash
# Starts the demo (virtual pedal with demo songs, the local update server)
# under Xvfb and takes pictures of the window into docs/: the song page with
# a song selected, an export in progress with its bar and Cancel, and the
# firmware page with a listed file and the versions. Without a window manager
# the title bar is drawn above each picture from the window's own title.
# Needs the packages xvfb, imagemagick and xdotool besides the build's.
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
source scripts/demo-server.sh
DEMO_DIR="$work/demo"
export JACK_DEFAULT_SERVER="corvanta-shots-$$"
export CORVANTA_MIDI_API=jack
FLASH_DIR="$work/pedal"
PEDAL_ARGS=(--name "Corvanta Pedal" --demo-songs --timing realistic)
XVFB_PID=""
APP_PID=""
cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    stop_demo_server
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
start_demo_server
(cd "$work" && QT_QPA_PLATFORM=xcb "$BIN/corvanta" >/dev/null 2>&1) &
APP_PID=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name "Corvanta V1.7 - \(Connected" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "the window did not find the demo pedal" >&2; exit 1; }
sleep 2

# The screen with the window's title above it.
shot() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -background '#d8d8d8' -gravity north -splice 0x26 -fill black \
        -font "$(fc-match -f "%{file}" sans)" -pointsize 14 -annotate +0+5 "$(xdotool getwindowname "$window")" "docs/$1"
}

xdotool mousemove 60 104 click 1   # the first song of the list
sleep 1
shot song-page.png
xdotool mousemove 488 140 click 1  # Export
sleep 2
xdotool type --delay 20 "$work/song.wav"
xdotool key Return
sleep 4
shot export.png
for _ in $(seq 120); do
    xdotool search --name "^Message$" >/dev/null 2>&1 && break
    sleep 0.5
done
xdotool key Return                 # the result box
sleep 1
xdotool mousemove 225 28 click 1   # the "Firmware Update" tab
sleep 1
shot firmware-page.png
echo "docs/song-page.png docs/export.png docs/firmware-page.png"
