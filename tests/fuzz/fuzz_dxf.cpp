// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes: reading ends (no crash, no hang), from memory as from the file; a drawing read has
// its entities on its layers in colours of the index, finite, inside its bounds (the centres of
// arcs and ellipses aside); the kinds not drawn named once each; walls finite.
#include "dxf/dxfimport.h"
#include "fuzzinput.h"

#include <QBuffer>
#include <QSet>
#include <cmath>

using namespace vistaro;
using vistaro::fuzz::require;

namespace {

bool finite(QPointF point) {
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

bool inside(const DxfBounds& bounds, QPointF point) {
    return point.x() >= bounds.minX && point.x() <= bounds.maxX && point.y() >= bounds.minY &&
           point.y() <= bounds.maxY;
}

void requireWhole(const DxfDrawing& drawing) {
    const auto onLayer = [&](const auto& entity) {
        return entity.layer >= 0 && entity.layer < static_cast<int>(drawing.layers.size()) &&
               entity.colour >= 1 && entity.colour <= DxfByLayer;
    };
    const auto placed = [&](QPointF point) {
        return finite(point) && inside(drawing.bounds, point);
    };
    for (const DxfLine& line : drawing.lines)
        require(onLayer(line) && placed(line.from) && placed(line.to));
    for (const DxfPolyline& polyline : drawing.polylines) {
        require(onLayer(polyline) && polyline.vertices.size() >= 2);
        for (const DxfVertex& vertex : polyline.vertices)
            require(placed(vertex.point) && std::isfinite(vertex.bulge));
    }
    // An arc's centre is not drawn: it may lie outside the drawing's bounds.
    for (const DxfArc& arc : drawing.arcs)
        require(onLayer(arc) && finite(arc.centre) && arc.radius > 0 && std::isfinite(arc.radius) &&
                arc.sweepDeg > 0 && arc.sweepDeg <= 360);
    for (const DxfCircle& circle : drawing.circles)
        require(onLayer(circle) && placed(circle.centre) && circle.radius > 0);
    for (const DxfText& text : drawing.texts)
        require(onLayer(text) && placed(text.position) && std::isfinite(text.height) &&
                std::isfinite(text.angleDeg));
    for (const DxfEllipse& ellipse : drawing.ellipses) {
        require(onLayer(ellipse) && finite(ellipse.centre) && ellipse.sweepDeg > 0 &&
                ellipse.sweepDeg <= 360);
        for (const QPointF point : ellipsePoints(ellipse))
            require(placed(point));
    }
    for (const DxfFill& fill : drawing.fills) {
        require(onLayer(fill) && !fill.rings.empty());
        for (const std::vector<QPointF>& ring : fill.rings) {
            require(ring.size() >= 4 && ring.front() == ring.back());
            for (const QPointF point : ring)
                require(placed(point));
        }
    }
    for (const DxfPoint& point : drawing.points)
        require(onLayer(point) && placed(point.position));
    QSet<QString> kinds;
    for (const DxfNotDrawn& kind : drawing.notDrawn) {
        require(kind.count > 0 && !kinds.contains(kind.kind));
        kinds.insert(kind.kind);
    }
    QStringList layers;
    for (const DxfLayer& layer : drawing.layers)
        layers << layer.name;
    for (const SiteWall& wall : wallsFromLayers(drawing, layers, 0.001, {}))
        for (const PlanPoint point : wall.points)
            require(std::isfinite(point.x) && std::isfinite(point.y));
}

} // namespace

void vistaro::fuzz::check(const QByteArray& input, const QString& path) {
    QByteArray bytes = input;
    QBuffer buffer(&bytes);
    require(buffer.open(QIODevice::ReadOnly));
    const DxfReadResult read = readDxf(buffer);
    require(read.outcome != DxfReadResult::Outcome::Cancelled);
    require((read.outcome == DxfReadResult::Outcome::Read) == read.error.isEmpty());
    if (read.outcome == DxfReadResult::Outcome::Read)
        requireWhole(read.drawing);
    const DxfReadResult fromFile = readDxfFile(path);
    require(fromFile.outcome == read.outcome && fromFile.drawing == read.drawing);
    // Small limits: refused at the limit, never more read.
    buffer.seek(0);
    const DxfReadResult limited = readDxf(buffer, {}, {1 << 20, 20, 50});
    require(limited.outcome == read.outcome ||
            limited.error.startsWith(QStringLiteral("The drawing has more")));
}
