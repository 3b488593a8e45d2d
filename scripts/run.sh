#!/usr/bin/env bash
# Installs what is missing, builds, writes the sample catalogue into the build's
# drive folder when it is not there yet, and starts the program.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

vexorin_install_missing
vexorin_build -DVEXORIN_TESTS=OFF -DVEXORIN_BENCH=OFF

data="$VEXORIN_BUILD/drive/C/Vexorin/DATA"
if [ ! -e "$data/PartsNo.MDB" ]; then
    mkdir -p "$data"
    "$VEXORIN_BUILD/bin/vexorin-catalog" sample "$data"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" = "" ]; then
    echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "To run the program in a virtual X server, use:" >&2
    echo "  xvfb-run -a $VEXORIN_BUILD/bin/vexorin" >&2
    exit 1
fi
exec "$VEXORIN_BUILD/bin/vexorin"
