#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Vistaro developers
# SPDX-License-Identifier: GPL-3.0-or-later

# runfuzzer.sh <fuzzer> <seed folder> <work folder>: fuzzes a working copy of the seeds, so the
# repository is never written, for VISTARO_FUZZ_SECONDS (15 unless set). libFuzzer exits
# non-zero on a crash, a sanitizer report, a leak, an input slower than 5 s or 2 GB of memory.
set -euo pipefail
fuzzer=$1
seeds=$2
work=$3
mkdir -p "$work/corpus" "$work/artifacts"
for seed in "$seeds"/*; do
    [ -e "$work/corpus/$(basename "$seed")" ] || cp "$seed" "$work/corpus/"
done
exec "$fuzzer" -max_total_time="${VISTARO_FUZZ_SECONDS:-15}" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$work/artifacts/" "$work/corpus"
