#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when an #include under src/ points up a layer or sideways into another folder of the
# same layer, naming the file and the include. The layer order lives here and nowhere else:
# one line a layer, from the bottom; folders on one line are independent of each other.
set -euo pipefail
cd "$(dirname "$0")/.."

LAYERS=(
    "platform"
    "catalogue"
    "calc"
    "state"
    "optics geometry"
    "site"
    "match lang report dxf"
    "preview"
    "coverage finder siteplan"
    "app"
)

declare -A rank
for i in "${!LAYERS[@]}"; do
    for folder in ${LAYERS[$i]}; do
        rank[$folder]=$i
    done
done

failed=0
fail() {
    echo "check-layers: $1" >&2
    failed=1
}

for dir in src/*/; do
    folder=$(basename "$dir")
    [ -n "${rank[$folder]+set}" ] || fail "src/$folder/ is in no layer: add it to LAYERS in $0"
done

# Quoted includes of the form "folder/file"; angle-bracket includes are libraries.
while IFS=: read -r file line text; do
    from=${file#src/}
    from=${from%%/*}
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
    to=${target%%/*}
    [ "$to" != "$target" ] || continue # a file of the same folder, named without a folder
    [ "$to" = "$from" ] && continue
    [ -n "${rank[$from]+set}" ] || continue # already reported above
    if [ -z "${rank[$to]+set}" ]; then
        fail "$file:$line includes \"$target\": $to/ is in no layer"
    elif ((rank[$to] > rank[$from])); then
        fail "$file:$line includes \"$target\": $to/ is a layer above $from/"
    elif ((rank[$to] == rank[$from])); then
        fail "$file:$line includes \"$target\": $to/ and $from/ share a layer and stay independent"
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src)

if ((failed)); then
    exit 1
fi
echo "check-layers: every include under src/ points down"
