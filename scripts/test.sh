#!/usr/bin/env bash
# Installs what is missing, builds incrementally in build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
vistaro_install_deps
vistaro_build
export QT_QPA_PLATFORM=offscreen
ctest --preset default
