#!/usr/bin/env bash
# Boots Debian's own kernel in QEMU (TCG, one vCPU) with an initramfs of
# busybox, the USB and sound modules, the project's executables and their
# libraries, and runs corvanta_rig_tests there against a USB MIDI gadget.
# The kernel package is fetched once with apt-get download and kept in
# CACHE_DIR; it is extracted, never installed.
# Usage: run_rig.sh CACHE_DIR RIG_TEST_BINARY EXECUTABLE...
set -euo pipefail
CACHE=$1
TEST_BINARY=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
MODULES="configfs usb-common udc-core usbcore dummy_hcd libcomposite soundcore snd snd-seq-device snd-rawmidi
usb_f_midi snd-hwdep snd-usbmidi-lib snd-timer snd-pcm mc snd-usb-audio snd-seq snd-seq-midi-event snd-seq-midi"
BOOT_LIMIT=${CORVANTA_RIG_LIMIT:-240}
SONG_SECONDS=${CORVANTA_RIG_SONG_SECONDS:-8}

fail() {
    echo "rig: $*" >&2
    exit 1
}

for tool in qemu-system-x86_64 busybox cpio dpkg-deb sox; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/deps.sh installs it)"
done

# The newest linux-image-6.1.*-amd64 the mirror offers: vmlinuz and the modules.
fetch_kernel() {
    [ -f "$CACHE/vmlinuz" ] && [ -f "$CACHE/modules.d/snd-seq-midi.ko" ] && return 0
    local list download
    list=$(apt-cache pkgnames linux-image-6.1 | grep -E '^linux-image-6\.1\.[0-9.-]+-amd64$' | sort -rV || true)
    if [ -z "$list" ]; then
        apt-get update -qq || true
        list=$(apt-cache pkgnames linux-image-6.1 | grep -E '^linux-image-6\.1\.[0-9.-]+-amd64$' | sort -rV || true)
    fi
    [ -n "$list" ] || fail "the package mirror offers no linux-image-6.1.*-amd64"
    download="$work/download"
    mkdir -p "$download"
    for package in $(echo "$list" | head -n 3); do
        (cd "$download" && apt-get download -qq "$package" 2>/dev/null) && break
    done
    ls "$download"/*.deb >/dev/null 2>&1 || fail "apt-get download of the kernel package failed ($(echo $list | head -c 200))"
    dpkg-deb -x "$download"/*.deb "$download/x" || fail "cannot extract the kernel package"
    rm -rf "$CACHE" && mkdir -p "$CACHE/modules.d"
    cp "$download"/x/boot/vmlinuz-* "$CACHE/vmlinuz"
    for m in $MODULES; do
        found=$(find "$download/x/lib/modules" -name "$m.ko" | head -n 1)
        [ -n "$found" ] || fail "the kernel package has no module $m"
        cp "$found" "$CACHE/modules.d/"
    done
    rm -rf "$download"
}

# aseqdump of alsa-utils, a MIDI program that subscribes to the pedal's
# sequencer port as desktop programs do; fetched and kept like the kernel.
fetch_aseqdump() {
    [ -x "$CACHE/extra/aseqdump" ] && return 0
    local download="$work/alsa-utils"
    mkdir -p "$download" "$CACHE/extra"
    (cd "$download" && apt-get download -qq alsa-utils 2>/dev/null) || fail "apt-get download of alsa-utils failed"
    dpkg-deb -x "$download"/alsa-utils_*.deb "$download/x" || fail "cannot extract alsa-utils"
    cp "$download/x/usr/bin/aseqdump" "$CACHE/extra/"
    rm -rf "$download"
}

# Copies a file with the shared libraries it needs to the same paths in root.
add_with_libraries() {
    local file=$1 root=$2
    mkdir -p "$root$(dirname "$file")"
    cp -L "$file" "$root$file"
    ldd "$file" | grep -oE '/[^ ]+' | while read -r lib; do
        [ -e "$root$lib" ] && continue
        mkdir -p "$root$(dirname "$lib")"
        cp -L "$lib" "$root$lib"
    done
}

build_initramfs() {
    local root=$1
    shift
    mkdir -p "$root"/{bin,dev,proc,sys,tmp,rig}
    cp "$(command -v busybox)" "$root/bin/busybox"
    cp "$here/init.sh" "$root/init"
    chmod +x "$root/init"
    cp -r "$CACHE/modules.d" "$root/rig/"
    echo $MODULES > "$root/rig/modules"
    echo "Rig Pedal" > "$root/rig/product"
    echo "$TEST_BINARY" > "$root/rig/test-binary"
    for file in "$TEST_BINARY" "$@" "$CACHE/extra/aseqdump"; do
        add_with_libraries "$file" "$root"
    done
    ln -s "$CACHE/extra/aseqdump" "$root/bin/aseqdump"
    mkdir -p "$root/usr/share"
    cp -r /usr/share/alsa "$root/usr/share/"
    sox -n -r 48000 -b 24 -c 1 "$root/rig/song.wav" synth "$SONG_SECONDS" sine 220-880 vol 0.5
    (cd "$root" && find . | cpio -o -H newc --quiet) > "$work/initramfs"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fetch_kernel
fetch_aseqdump
build_initramfs "$work/root" "$@"

start=$(date +%s)
set +e
timeout "$BOOT_LIMIT" qemu-system-x86_64 -accel tcg -machine pc -cpu max -smp 1 -m 1024 \
    -kernel "$CACHE/vmlinuz" -initrd "$work/initramfs" -append "console=ttyS0 loglevel=3 panic=-1" \
    -nodefaults -display none -serial stdio -no-reboot </dev/null | tee "$work/console.log"
qemu_status=${PIPESTATUS[0]}
set -e
echo "rig: the virtual machine ran $(( $(date +%s) - start )) s"
[ "$qemu_status" -eq 124 ] && fail "the virtual machine did not finish within $BOOT_LIMIT s"
status=$(grep -a -oE 'RIG-EXIT: [0-9]+' "$work/console.log" | tail -n 1 | cut -d' ' -f2)
[ -n "$status" ] || fail "the virtual machine stopped before the tests ended (QEMU status $qemu_status)"
[ "$status" -eq 0 ] || fail "the tests in the virtual machine failed (status $status)"
