#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Usage: scripts/screenshot.sh RUN_DIR OUTPUT.png, on an X display (run.sh runs it under
# xvfb-run). Starts the program in RUN_DIR with settings of its own, which name a language
# file there so that the main window opens rather than the first-run language chooser, and
# which leave the user's own settings alone. Saves the window to OUTPUT and ends the program.
set -euo pipefail
run_dir=$(cd "$1" && pwd)
output=$2
program=$(cd "$(dirname "$0")/.." && pwd)/build/src/vistaro

config=$(mktemp -d)
pid=
cleanup() {
    local status=$?
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$config"
    exit "$status"
}
trap cleanup EXIT

# An English language file if there is one, else the first; none leaves the first run.
shopt -s nullglob
languages=("$run_dir"/*.lng)
language=
for file in "${languages[@]}"; do
    case "${file##*/}" in [Ee]n*) language=$file && break ;; esac
done
[ -z "$language" ] && [ ${#languages[@]} -gt 0 ] && language=${languages[0]}
if [ -n "$language" ]; then
    # Declare the separator that the locale uses, as a user would answer the question.
    decimal=.
    other=,
    if [ "$(locale decimal_point 2>/dev/null)" = "," ]; then
        decimal=,
        other=.
    fi
    mkdir -p "$config/vistaro"
    printf '%s\r\n%s\r\n%s\r\n/media/cdrom/\r\n' "$decimal" "$other" "$language" \
        >"$config/vistaro/lens.ini"
    title=Vistaro
else
    echo "screenshot.sh: no language file in $run_dir; the language chooser opens instead." >&2
    title=Language
fi

mkdir -m 700 "$config/runtime"
(cd "$run_dir" && XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$config/runtime QT_QPA_PLATFORM=xcb \
    exec "$program") &
pid=$!

window=
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" || true
        pid=
        echo "screenshot.sh: vistaro ended before its window appeared." >&2
        exit 1
    fi
    sleep 0.2
done
# The start-up timer applies the language file half a second after the window shows.
sleep 2

if [ -n "$window" ]; then
    eval "$(xdotool getwindowgeometry --shell "$window")"
    scrot --overwrite --autoselect "$X,$Y,$WIDTH,$HEIGHT" "$output"
else
    echo "screenshot.sh: no window titled $title appeared; saving the whole screen." >&2
    scrot --overwrite "$output"
fi
