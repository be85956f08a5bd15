#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the benchmarks (Release, in build-bench/) and prints the table
# of measurements against their baselines. Exits with 2 when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
vistaro_install_deps
cmake --preset bench >/dev/null
cmake --build --preset bench
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
exec build-bench/bench/vistaro_bench
