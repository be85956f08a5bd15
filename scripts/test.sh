#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that includes point down the layers, installs what is missing, then builds and runs
# every test three times: plainly (build/), under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/), and the fuzz targets for a short run each (build-fuzz/). All must pass; any
# sanitizer report fails its run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
vistaro_install_deps
export QT_QPA_PLATFORM=offscreen

summary=()
failed=0
if bash scripts/check-layers.sh; then
    summary+=("$(printf '%-8s %-7s' layers passed)")
else
    summary+=("$(printf '%-8s %-7s' layers FAILED)")
    failed=1
fi
for preset in default asan fuzz; do
    echo "=== ${preset}: build and test"
    started=$SECONDS
    if vistaro_build "$preset" && ctest --preset "$preset"; then
        result=passed
    else
        result=FAILED
        failed=1
    fi
    summary+=("$(printf '%-8s %-7s %4d s' "$preset" "$result" $((SECONDS - started)))")
done

echo "=== summary"
printf '%s\n' "${summary[@]}"
exit $failed
