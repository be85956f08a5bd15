#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when an #include under src/ points into a folder that its own folder may not use, naming
# the file and the include. The graph lives here and nowhere else: each folder lists the folders
# it may include, and nothing more, so two folders that do not need each other cannot start to.
# Every folder it may use lies below it: the graph has no cycle (checked below too).
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A uses=(
    [platform]=""
    [geometry]=""
    [catalogue]="platform"
    [calc]="platform"
    [state]="calc catalogue"
    [optics]="calc platform"
    [site]="geometry optics calc platform"
    [render]="site geometry optics calc platform"
    [report]="platform"
    [dxf]="site optics platform"
    [match]="state catalogue calc platform"
    [lang]="state catalogue platform"
    [preview]="report optics platform"
    [camerareport]="preview report site optics platform"
    [coverage]="camerareport preview report site optics platform"
    [finder]="match state catalogue calc optics platform"
    [siteplan]="camerareport preview dxf report render site geometry optics calc platform"
    [app]="coverage finder siteplan camerareport match lang preview report dxf render site optics state catalogue calc platform"
)

failed=0
fail() {
    echo "check-layers: $1" >&2
    failed=1
}

for dir in src/*/; do
    folder=$(basename "$dir")
    [ -n "${uses[$folder]+set}" ] || fail "src/$folder/ is in no line of uses in $0"
done

# No cycle: a folder may not reach itself through the folders it uses.
reaches() { # reaches FROM TO SEEN...
    local from=$1 to=$2 next
    shift 2
    for next in ${uses[$from]}; do
        [ "$next" = "$to" ] && return 0
        [[ " $* " == *" $next "* ]] && continue
        reaches "$next" "$to" "$@" "$next" && return 0
    done
    return 1
}
for folder in "${!uses[@]}"; do
    for next in ${uses[$folder]}; do
        [ -n "${uses[$next]+set}" ] || fail "$folder uses $next, which has no line of its own"
    done
    if reaches "$folder" "$folder"; then
        fail "$folder reaches itself through the folders it uses"
    fi
done

# Quoted includes of the form "folder/file"; angle-bracket includes are libraries.
while IFS=: read -r file line text; do
    from=${file#src/}
    from=${from%%/*}
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$text")
    to=${target%%/*}
    [ "$to" != "$target" ] || continue # a file of the same folder, named without a folder
    [ "$to" = "$from" ] && continue
    [ -n "${uses[$from]+set}" ] || continue # already reported above
    if [[ " ${uses[$from]} " != *" $to "* ]]; then
        fail "$file:$line includes \"$target\": $from/ may use only: ${uses[$from]:-nothing}"
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src)

if ((failed)); then
    exit 1
fi
echo "check-layers: every include under src/ follows the graph"
