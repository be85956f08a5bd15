#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the build, the tests and the program need; does nothing when
# all of them are present. Sourced by the other scripts.
set -euo pipefail

VISTARO_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-pdf-dev qt6-svg-dev libgl-dev
    libgeos-dev                     # polygon geometry of the site plan (GEOS, its C API)
    qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools   # lupdate and lrelease, translations
    qt6-qpa-plugins qt6-image-formats-plugins libqt6svg6
    libdxflib-dev                   # reads and writes DXF drawings
    libembree-dev                   # casts the rays of the camera view (Embree 3)
    fonts-liberation xvfb xauth
    fonts-opendin                   # the number plate's characters in the preview and test chart
    librsvg2-bin                    # renders the bitmap icons from the SVG
    desktop-file-utils appstream    # validate the desktop entry and the metainfo
    shared-mime-info                # registers the site files' MIME type in a test
    dpkg-dev file                   # cpack's dependency list of the .deb
    lintian reuse                   # check the .deb, and every file's copyright and license
    python3-ezdxf                   # audits the DXF export as another CAD reader would
    clang libclang-rt-14-dev
)

vistaro_install_deps() {
    local missing=()
    local pkg
    for pkg in "${VISTARO_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# vistaro_build [preset]: configures and builds one preset of CMakePresets.json (default unless
# named): default in build/, asan in build-asan/, fuzz in build-fuzz/.
vistaro_build() {
    local preset=${1:-default}
    cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"
}
