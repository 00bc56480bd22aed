#!/usr/bin/env bash
# Installs the build into a scratch tree and checks what a desktop finds there,
# then builds the Debian package, unpacks it into a scratch root and starts
# the command line from it.
set -euo pipefail
BUILD="$1"
SCRATCH="$(mktemp -d)"
trap 'rm -rf "$SCRATCH"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

check_tree() {  # ROOT: an installed prefix
    local root="$1"
    for exe in corvanta corvanta-cli corvanta-pedal; do
        [ -x "$root/bin/$exe" ] || fail "$exe is not installed in $root/bin"
    done
    local desktop="$root/share/applications/example.corvanta.Corvanta.desktop"
    desktop-file-validate "$desktop" || fail "desktop entry does not validate"
    appstreamcli validate --no-net "$root/share/metainfo/example.corvanta.Corvanta.metainfo.xml" ||
        fail "metainfo does not validate"
    # The entry's icon name must resolve in the hicolor theme at every size.
    local icon
    icon="$(sed -n 's/^Icon=//p' "$desktop")"
    for size in 16 32 48 64 128 256; do
        local png="$root/share/icons/hicolor/${size}x${size}/apps/$icon.png"
        [ -f "$png" ] || fail "no $size px icon $png"
        file "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not $size x $size"
    done
    [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"
    for page in corvanta-cli corvanta-pedal; do
        man -l "$root/share/man/man1/$page.1" >/dev/null 2>&1 || fail "man page $page does not format"
    done
    "$root/bin/corvanta-cli" --help | grep -q "^Usage: corvanta-cli" || fail "corvanta-cli --help"
    for lang in de es fr ja pt_BR zh_CN; do
        [ -s "$root/share/corvanta/translations/corvanta_$lang.qm" ] || fail "no $lang translation"
    done
    LANGUAGE=de "$root/bin/corvanta-cli" --help | grep -q "^Aufruf: corvanta-cli" || fail "corvanta-cli --help in German"
}

cmake --install "$BUILD" --prefix "$SCRATCH/tree" >/dev/null
check_tree "$SCRATCH/tree"

(cd "$SCRATCH" && cpack --config "$BUILD/CPackConfig.cmake" -B "$SCRATCH/pkg" >/dev/null)
deb="$(ls "$SCRATCH"/pkg/corvanta_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for lib in libqt5widgets5 libqt5network5 librtmidi libsoxr0 libtinyxml2 zlib1g; do
    grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib"
done
dpkg-deb -x "$deb" "$SCRATCH/root"
check_tree "$SCRATCH/root/usr"
echo "package $(basename "$deb") checked"
