# Sourced by run.sh: builds the demo's update server folder (a catalogue,
# one firmware for the demo pedal's model made by corvanta-fwpack, and the
# program's version file), serves it on 127.0.0.1 with Python's http.server
# and points the program's settings at it. Needs BIN and DEMO_DIR.

source "$(dirname "${BASH_SOURCE[0]}")/stop-process.sh"

SERVER_PID=""

stop_demo_server() {
    stop_process "$SERVER_PID"
    SERVER_PID=""
}

start_demo_server() {
    local root="$DEMO_DIR/server" work="$DEMO_DIR/firmware-src" port=8765
    mkdir -p "$root/velmo_update/Firmware/10002" "$root/Corvanta" "$work"
    cat >"$root/velmo_update/Firmware/path.xml" <<'XML'
<?xml version="1.0"?>
<root><dir name="10002"><file>korvel_v1.0.1</file></dir></root>
XML
    echo "version=1.7" >"$root/Corvanta/ExeInfo.txt"
    # Firmware 1.0.1: the information block's sector of flash 0, version 1.0.1.
    printf '[FLASH 1]\nTYPE=0\nStart Address=0x2000\nEnd Address=0x2800\nSector Size=2048\n' >"$work/layout.ini"
    python3 - "$work/image.bin" <<'PY'
import struct, sys
image = bytearray(b"\xff" * 2048)
image[0x180:0x18C] = struct.pack("<iii", 0x010001, 10002, 0)
open(sys.argv[1], "wb").write(image)
PY
    "$BIN/corvanta-fwpack" --out "$root/velmo_update/Firmware/10002/korvel_v1.0.1.dat" --model 10002 \
        --section "$work/layout.ini" "$work/image.bin"
    python3 -m http.server "$port" --bind 127.0.0.1 --directory "$root" >/dev/null 2>&1 &
    SERVER_PID=$!
    for _ in $(seq 50); do
        python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/Corvanta/ExeInfo.txt')" \
            2>/dev/null && break
        sleep 0.1
    done
    # The program reads its base URL from the settings file next to it.
    python3 - "$BIN/Config.ini" "http://127.0.0.1:$port" <<'PY'
import configparser, sys
ini = configparser.ConfigParser(interpolation=None)
ini.optionxform = str
ini.read(sys.argv[1])
if not ini.has_section("Config"):
    ini.add_section("Config")
ini.set("Config", "UpdateServer", sys.argv[2])
with open(sys.argv[1], "w") as f:
    ini.write(f, space_around_delimiters=False)
PY
}
