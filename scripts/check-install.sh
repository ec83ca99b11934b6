#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks what a desktop reads from there:
# the menu entry and the AppStream file pass their validators, every icon has its size, and the
# installed program answers --version and --help with no display and no data folder touched.
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_FOLDER}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
id=org.soveli.Soveli

cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/soveli" || { echo "not installed: bin/soveli"; exit 1; }

for size in 16 22 24 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    # A PNG keeps its width and height as 32-bit numbers at bytes 16 and 20.
    dims=$(od --endian=big -An -tu4 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')
    expect="$size $size"
    [ "$dims" = "$expect" ] || { echo "icon $icon: header '$dims', expected '$expect'"; exit 1; }
done

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "$tool missing: run scripts/install-deps.sh"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml"

home="$prefix/home"
mkdir -p "$home"
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME HOME="$home" \
        "$prefix/bin/soveli" "$@"
}
run --version | grep -q '^soveli [0-9]'
run --help | grep -q -- '--export-ics'
[ -z "$(ls -A "$home")" ] || { echo "--help or --version wrote into the home folder"; exit 1; }
echo "installed files valid"
