#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds incrementally in build/ and starts the program in build/run,
# a folder laid out like the installed data folder: the catalogue files with the language files
# beside them (the language chooser opens in the working directory) and the datasheets in cd/.
# Without a display it runs the program on a virtual screen instead, saves its main window to
# build/screenshot.png and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh

headless=false
[ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && headless=true
if $headless; then
    vistaro_install_deps xdotool scrot
else
    vistaro_install_deps
fi
vistaro_build

# Links rather than copies, so that edits in data/ show at the next start.
run_dir=build/run
rm -rf "$run_dir"
mkdir -p "$run_dir"
shopt -s nullglob
for file in "$PWD"/data/Obbiettivi*.txt "$PWD"/data/lang/*.lng; do
    ln -s "$file" "$run_dir/"
done
[ -d data/cd ] && ln -s "$PWD/data/cd" "$run_dir/cd"

if $headless; then
    screenshot=build/screenshot.png
    xvfb-run -a -s "-screen 0 1280x1024x24" scripts/screenshot.sh "$run_dir" "$screenshot"
    echo "run.sh: no display, so Vistaro ran on a virtual screen and ended."
    echo "Its window is saved in $PWD/$screenshot"
    exit 0
fi
cd "$run_dir"
exec ../src/vistaro "$@"
