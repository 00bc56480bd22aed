#!/bin/busybox sh
# /init of the rig's virtual machine: loads the kernel's USB and sound
# modules with their default parameters, makes a USB MIDI gadget on the
# software controller dummy_hcd, waits for both sides' raw MIDI devices and
# runs the rig's tests. Its last line is "RIG-EXIT: <status of the tests>".
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
# The initramfs (with its /tmp) is writable already; no tmpfs over /tmp,
# which would hide executables the host built below its own /tmp.

finish() {
    echo "RIG-EXIT: $1"
    poweroff -f
}

for m in $(cat /rig/modules); do
    insmod "/rig/modules.d/$m.ko" || { echo "rig: cannot load module $m"; finish 90; }
done
mount -t configfs configfs /sys/kernel/config

gadget=/sys/kernel/config/usb_gadget/pedal
mkdir "$gadget" "$gadget/strings/0x409" "$gadget/configs/c.1" "$gadget/functions/midi.usb0"
echo 0x1d6b > "$gadget/idVendor"
echo 0x0104 > "$gadget/idProduct"
echo "Corvanta" > "$gadget/strings/0x409/manufacturer"
echo "$(cat /rig/product)" > "$gadget/strings/0x409/product"
echo "0001" > "$gadget/strings/0x409/serialnumber"
ln -s "$gadget/functions/midi.usb0" "$gadget/configs/c.1/"
udc=$(ls /sys/class/udc | head -n 1)
echo "$udc" > "$gadget/UDC" || finish 91

# The gadget's own card comes first, the host's card once enumerated.
waited=0
until [ -e /dev/snd/midiC1D0 ] && [ -e /dev/snd/seq ]; do
    [ $waited -ge 300 ] && { echo "rig: the USB MIDI device did not appear"; finish 92; }
    sleep 0.1
    waited=$((waited + 1))
done

cd /tmp
export HOME=/tmp LANG=C.UTF-8 RIG_UDC="$gadget/UDC" RIG_UDC_NAME="$udc" RIG_SONG=/rig/song.wav
"$(cat /rig/test-binary)" --gtest_color=no
finish $?
