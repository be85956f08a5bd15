#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# mutate.sh [fault list] [pattern]: do the tests catch small faults? Applies each fault of the
# list (scripts/faults.txt unless given) on its own to the source tree, builds build-mutate/
# incrementally (shared libraries, so that a fault relinks one library), runs the tests (packaging aside), restores the file and says whether a test
# failed. Ends with the caught share. With a pattern (grep -E), only the faults whose file or
# name matches run. A developer's tool: it rewrites source files while it runs, so leave the
# tree alone until it ends; the file is restored even when it is interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."
list=${1:-scripts/faults.txt}
pattern=${2:-}
export QT_QPA_PLATFORM=offscreen

work=$(mktemp -d)
target=""
restore() {
    if [ -n "$target" ]; then
        cp "$work/original" "$target"
        target=""
    fi
}
trap 'restore; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM HUP

# fault.py split <list> <dir>: one folder per fault (file, find, into, name);
# fault.py apply <folder>: replaces the one occurrence of find; fails unless there is exactly one.
cat >"$work/fault.py" <<'PYTHON'
import pathlib, sys

def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")

if sys.argv[1] == "split":
    faults, current, name = [], {}, ""
    for line in pathlib.Path(sys.argv[2]).read_text().splitlines() + [""]:
        if line.startswith("#"):
            name = line.lstrip("# ").strip() or name
        elif line.strip() == "":
            if current:
                faults.append(dict(current, name=current.get("name", name)))
            current, name = {}, ""
        else:
            key, _, value = line.partition(":")
            current[key.strip()] = unescape(value[1:] if value.startswith(" ") else value)
    for number, fault in enumerate(faults, 1):
        folder = pathlib.Path(sys.argv[3]) / f"{number:03}"
        folder.mkdir()
        for key in ("file", "find", "into", "name"):
            (folder / key).write_text(fault.get(key, ""))
else:
    folder = pathlib.Path(sys.argv[2])
    path = pathlib.Path((folder / "file").read_text())
    text, find = path.read_text(), (folder / "find").read_text()
    if not find or text.count(find) != 1:
        sys.exit(1)
    path.write_text(text.replace(find, (folder / "into").read_text()))
PYTHON
mkdir "$work/faults"
python3 "$work/fault.py" split "$list" "$work/faults"

[ -f build-mutate/build.ninja ] || cmake --preset mutate >/dev/null
if ! cmake --build build-mutate >"$work/log" 2>&1; then
    cat "$work/log"
    echo "mutate.sh: the tree does not build as it is" >&2
    exit 1
fi

# caught_by <build folder>: a test registered in that folder fails. The tests of the fault's own
# folder run first: they catch most faults in a few seconds.
caught_by() {
    [ -d "$1" ] && ! ctest --test-dir "$1" -j2 --timeout 60 --stop-on-failure -E '^packaging_' \
        >"$work/log" 2>&1
}

caught=0
failed=""
survived=0
stale=0
unbuilt=0
for fault in "$work"/faults/*; do
    file=$(cat "$fault/file")
    name=$(cat "$fault/name")
    if [ -n "$pattern" ] && ! grep -qE "$pattern" <<<"$file $name"; then
        continue
    fi
    cp "$file" "$work/original"
    target=$file
    if ! python3 "$work/fault.py" apply "$fault"; then
        restore
        stale=$((stale + 1))
        printf '%-9s %s: %s (the text is not there exactly once)\n' stale "$file" "$name"
        continue
    fi
    if ! cmake --build build-mutate >"$work/log" 2>&1; then
        outcome="no build"
        unbuilt=$((unbuilt + 1))
    elif ! caught_by "build-mutate/tests/$(cut -d/ -f2 <<<"$file")" && ! caught_by build-mutate; then
        outcome=SURVIVED
        survived=$((survived + 1))
    else
        # The tests that failed, so that a flaky one shows up.
        outcome="caught"
        failed=$(sed -n 's/^[[:space:]]*[0-9][0-9]* - \([^ ]*\) (.*/\1/p' "$work/log" | paste -sd, -)
        caught=$((caught + 1))
    fi
    restore
    printf '%-9s %s: %s%s\n' "$outcome" "$file" "$name" "${failed:+ ($failed)}"
    failed=""
done

cmake --build build-mutate >/dev/null 2>&1 || true
tried=$((caught + survived))
echo "caught $caught of $tried faults ($((tried ? caught * 100 / tried : 0))%)," \
    "$unbuilt did not build, $stale stale"
[ "$stale" -eq 0 ] && [ "$unbuilt" -eq 0 ]
