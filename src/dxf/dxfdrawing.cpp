// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfdrawing.h"

#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vistaro {

namespace {

constexpr double DegreesPerRadian = 180 / std::numbers::pi;

QPointF onCircle(QPointF centre, double radius, double degrees) {
    const double radians = degrees / DegreesPerRadian;
    return centre + radius * QPointF(std::cos(radians), std::sin(radians));
}

// The circle through both ends of a bulged edge, as an arc from `from` to `to`; none when the
// edge is straight or too short to bend.
std::optional<DxfArc> bulgeArc(QPointF from, QPointF to, double bulge) {
    const QPointF chord = to - from;
    const double length = std::hypot(chord.x(), chord.y());
    if (bulge == 0 || length == 0)
        return std::nullopt;
    // The centre lies on the chord's perpendicular bisector; a positive bulge turns left around
    // it, so the arc swells to the right of the chord.
    const QPointF left(-chord.y() / length, chord.x() / length);
    const QPointF centre =
        (from + to) / 2 + left * (length / 2 * (1 - bulge * bulge) / (2 * bulge));
    const QPointF start = from - centre;
    DxfArc arc{0, centre, std::hypot(start.x(), start.y()),
               std::atan2(start.y(), start.x()) * DegreesPerRadian,
               4 * std::atan(bulge) * DegreesPerRadian};
    if (!std::isfinite(arc.radius) || !std::isfinite(centre.x()) || !std::isfinite(centre.y()))
        return std::nullopt;
    return arc;
}

// The inner points of an arc, without its two ends.
void appendArcInterior(std::vector<QPointF>& points, const DxfArc& arc) {
    const std::vector<QPointF> along = arcPoints(arc);
    points.insert(points.end(), along.begin() + 1, along.end() - 1);
}

// The ends of an arc and the points where it crosses an axis through its centre.
void addArc(DxfBounds& bounds, const DxfArc& arc) {
    const double start =
        std::fmod(arc.sweepDeg < 0 ? arc.startDeg + arc.sweepDeg : arc.startDeg, 360);
    const double end = start + std::abs(arc.sweepDeg);
    bounds.add(onCircle(arc.centre, arc.radius, start));
    bounds.add(onCircle(arc.centre, arc.radius, end));
    const double firstAxis = std::ceil(start / 90) * 90;
    for (int quarter = 0; quarter < 4 && firstAxis + 90 * quarter < end; ++quarter)
        bounds.add(onCircle(arc.centre, arc.radius, firstAxis + 90 * quarter));
}

} // namespace

void DxfBounds::add(QPointF point) {
    minX = std::min(minX, point.x());
    minY = std::min(minY, point.y());
    maxX = std::max(maxX, point.x());
    maxY = std::max(maxY, point.y());
}

std::optional<double> metresPerInsUnit(int code) {
    // $INSUNITS 1 to 24; 0 is "unitless".
    static constexpr std::array<double, 25> Metres{0,
                                                   0.0254,                // inch
                                                   0.3048,                // foot
                                                   1609.344,              // mile
                                                   0.001,                 // millimetre
                                                   0.01,                  // centimetre
                                                   1,                     // metre
                                                   1000,                  // kilometre
                                                   2.54e-8,               // microinch
                                                   2.54e-5,               // mil
                                                   0.9144,                // yard
                                                   1e-10,                 // ångström
                                                   1e-9,                  // nanometre
                                                   1e-6,                  // micrometre
                                                   0.1,                   // decimetre
                                                   10,                    // decametre
                                                   100,                   // hectometre
                                                   1e9,                   // gigametre
                                                   149'597'870'700,       // astronomical unit
                                                   9.4607304725808e15,    // light year
                                                   3.0856775814913673e16, // parsec
                                                   1200.0 / 3937,         // US survey foot
                                                   100.0 / 3937,          // US survey inch
                                                   3600.0 / 3937,         // US survey yard
                                                   6'336'000.0 / 3937};   // US survey mile
    if (code <= 0 || code >= static_cast<int>(Metres.size()))
        return std::nullopt;
    return Metres[static_cast<std::size_t>(code)];
}

std::vector<QPointF> arcPoints(QPointF centre, double radius, double startDeg, double sweepDeg) {
    // fmin also turns a NaN into a full turn, so that the count stays bounded.
    const double turned = std::fmin(std::abs(sweepDeg), 360);
    const int steps = std::max(1, static_cast<int>(std::ceil(turned / MaxArcStepDeg)));
    std::vector<QPointF> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i)
        points.push_back(onCircle(centre, radius, startDeg + sweepDeg * i / steps));
    return points;
}

std::vector<QPointF> arcPoints(const DxfArc& arc) {
    return arcPoints(arc.centre, arc.radius, arc.startDeg, arc.sweepDeg);
}

std::vector<QPointF> circlePoints(const DxfCircle& circle) {
    std::vector<QPointF> points = arcPoints(circle.centre, circle.radius, 0, 360);
    points.back() = points.front();
    return points;
}

std::vector<QPointF> polylinePoints(const DxfPolyline& polyline) {
    std::vector<QPointF> points;
    const std::size_t count = polyline.vertices.size();
    const std::size_t edges = polyline.closed ? count : count - 1;
    if (count == 0)
        return points;
    points.push_back(polyline.vertices.front().point);
    for (std::size_t i = 0; i < edges; ++i) {
        const DxfVertex& from = polyline.vertices[i];
        const QPointF to = polyline.vertices[(i + 1) % count].point;
        if (const std::optional<DxfArc> arc = bulgeArc(from.point, to, from.bulge))
            appendArcInterior(points, *arc);
        points.push_back(to);
    }
    return points;
}

DxfBounds boundsOf(const DxfDrawing& drawing) {
    DxfBounds bounds;
    for (const DxfLine& line : drawing.lines) {
        bounds.add(line.from);
        bounds.add(line.to);
    }
    for (const DxfPolyline& polyline : drawing.polylines) {
        const std::size_t count = polyline.vertices.size();
        for (std::size_t i = 0; i < count; ++i) {
            const DxfVertex& from = polyline.vertices[i];
            bounds.add(from.point);
            if (i + 1 == count && !polyline.closed)
                break;
            const QPointF to = polyline.vertices[(i + 1) % count].point;
            if (const std::optional<DxfArc> arc = bulgeArc(from.point, to, from.bulge))
                addArc(bounds, *arc);
        }
    }
    for (const DxfArc& arc : drawing.arcs)
        addArc(bounds, arc);
    for (const DxfCircle& circle : drawing.circles)
        addArc(bounds, {circle.layer, circle.centre, circle.radius, 0, 360});
    for (const DxfText& text : drawing.texts)
        bounds.add(text.position);
    return bounds;
}

std::vector<int> entitiesPerLayer(const DxfDrawing& drawing) {
    std::vector<int> counts(drawing.layers.size(), 0);
    const auto count = [&counts](const auto& entities) {
        for (const auto& entity : entities)
            ++counts.at(static_cast<std::size_t>(entity.layer));
    };
    count(drawing.lines);
    count(drawing.polylines);
    count(drawing.arcs);
    count(drawing.circles);
    count(drawing.texts);
    return counts;
}

std::vector<SiteWall> wallsFromLayers(const DxfDrawing& drawing, const QStringList& layers,
                                      double metresPerUnit, PlanPoint offset) {
    QSet<int> chosen;
    for (std::size_t i = 0; i < drawing.layers.size(); ++i)
        if (layers.contains(drawing.layers[i].name, Qt::CaseInsensitive))
            chosen.insert(static_cast<int>(i));
    std::vector<SiteWall> walls;
    const auto add = [&](const std::vector<QPointF>& points) {
        if (std::all_of(points.begin(), points.end(), [&](QPointF p) { return p == points[0]; }))
            return;
        SiteWall wall;
        wall.points.reserve(points.size());
        for (const QPointF point : points)
            wall.points.push_back(
                {point.x() * metresPerUnit + offset.x, point.y() * metresPerUnit + offset.y});
        walls.push_back(std::move(wall));
    };
    for (const DxfLine& line : drawing.lines)
        if (chosen.contains(line.layer))
            add({line.from, line.to});
    for (const DxfPolyline& polyline : drawing.polylines)
        if (chosen.contains(polyline.layer))
            add(polylinePoints(polyline));
    for (const DxfArc& arc : drawing.arcs)
        if (chosen.contains(arc.layer))
            add(arcPoints(arc));
    for (const DxfCircle& circle : drawing.circles)
        if (chosen.contains(circle.layer))
            add(circlePoints(circle));
    return walls;
}

} // namespace vistaro
