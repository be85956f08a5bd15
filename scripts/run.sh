#!/usr/bin/env bash
# Installs what is missing, builds incrementally in build/ and starts the program in its data
# folder, where the catalogue and the language files are.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
vistaro_install_deps
vistaro_build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start it from a desktop session, or run it under xvfb-run." >&2
    exit 1
fi
cd data
exec ../build/src/vistaro "$@"
