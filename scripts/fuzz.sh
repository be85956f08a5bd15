#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# fuzz.sh [seconds]: builds the fuzz targets (build-fuzz/) and runs each for the given time
# (60 s unless given) on its corpus in build-fuzz/, which grows from run to run; the seeds in
# tests/fuzz/ are never written. Findings are kept in
# build-fuzz/tests/fuzz/work/<target>/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
source scripts/deps.sh
vistaro_install_deps
vistaro_build fuzz
VISTARO_FUZZ_SECONDS=$seconds ctest --preset fuzz
