// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dxf/dxfdrawing.h"

#include <QIODevice>
#include <QString>
#include <functional>

namespace vistaro {

// Told how many bytes of how many are read so far, every 64 KiB and at the end; returning false
// cancels the reading. It runs on the reading thread.
using DxfProgress = std::function<bool(qint64 done, qint64 total)>;

// What a file may hold before it is refused.
struct DxfLimits {
    qint64 maxBytes = 256 * 1024 * 1024;
    int maxEntities = 2'000'000;    // read and drawn by block references, and the references
    qint64 maxVertices = 8'000'000; // of all polylines together
};

struct DxfReadResult {
    enum class Outcome { Read, Cancelled, Failed };
    Outcome outcome = Outcome::Failed;
    DxfDrawing drawing; // empty unless read
    QString error;      // why it failed, empty otherwise

    bool operator==(const DxfReadResult&) const = default;
};

// The model space of an ASCII DXF drawing, read through dxflib: layers, lines, polylines (2D
// POLYLINE and LWPOLYLINE; meshes are not drawn), arcs, circles, ellipses, splines, solids,
// traces, hatches, points, leaders, multileaders, TEXT and MTEXT, each mapped from its object
// coordinates to the plan, and block references and dimensions drawn from their blocks. Paper
// space is not read; other kinds are counted by name in DxfDrawing::notDrawn. A drawing cut short,
// an empty, binary or DWG file, something that is no DXF, or one beyond the limits fails with a
// message; a cancelled reading gives nothing else.
DxfReadResult readDxf(QIODevice& device, const DxfProgress& progress = {},
                      const DxfLimits& limits = {});

// As readDxf, from a file; the message names the file.
DxfReadResult readDxfFile(const QString& path, const DxfProgress& progress = {},
                          const DxfLimits& limits = {});

} // namespace vistaro
