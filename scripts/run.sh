#!/usr/bin/env bash
# Builds the program and starts it on the user's display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "soveli: no display found (DISPLAY is not set); start it from a desktop session." >&2
    exit 1
fi
"$root/scripts/build.sh" --target soveli
exec "$root/build/app/soveli"
