#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Refreshes the .ts files of every subsystem that has an i18n/ folder from its sources, keeping
# the translations already made; then translate the new entries (Qt Linguist, or by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for i18n in src/*/i18n; do
    folder=$(dirname "$i18n")
    "$lupdate" -silent -locations none -I src "$folder" -ts "$i18n"/*.ts
done
