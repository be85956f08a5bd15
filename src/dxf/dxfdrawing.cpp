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

// The extremes of an ellipse along x and y and its ends.
void addEllipse(DxfBounds& bounds, const DxfEllipse& ellipse) {
    const auto at = [&](double degrees) {
        const double radians = degrees / DegreesPerRadian;
        return ellipse.centre + ellipse.u * std::cos(radians) + ellipse.v * std::sin(radians);
    };
    const double start = ellipse.startDeg;
    const double end = start + ellipse.sweepDeg;
    bounds.add(at(start));
    bounds.add(at(end));
    // x' = -ux sin t + vx cos t is 0 where tan t = vx / ux, and half a turn on.
    for (const double axis : {std::atan2(ellipse.v.x(), ellipse.u.x()) * DegreesPerRadian,
                              std::atan2(ellipse.v.y(), ellipse.u.y()) * DegreesPerRadian}) {
        const double first = start + std::fmod(std::fmod(axis - start, 180) + 180, 180);
        for (int half = 0; half < 3 && first + 180 * half <= end; ++half)
            bounds.add(at(first + 180 * half));
    }
}

bool usable(QPointF point) {
    return std::abs(point.x()) <= MaxDxfCoordinate && std::abs(point.y()) <= MaxDxfCoordinate;
}

bool allUsable(const std::vector<QPointF>& points) {
    return std::all_of(points.begin(), points.end(), [](QPointF p) { return usable(p); });
}

// The scale of a map that keeps every angle (mirrored or not); none for one that stretches.
std::optional<double> similarityScale(const DxfTransform& place) {
    const double x = std::hypot(place.xx, place.xy);
    const double y = std::hypot(place.yx, place.yy);
    constexpr double Tolerance = 1e-9;
    if (std::abs(x - y) > Tolerance * std::max(x, y) ||
        std::abs(place.xx * place.yx + place.xy * place.yy) > Tolerance * x * y)
        return std::nullopt;
    return x;
}

double normalisedDegrees(double degrees) {
    const double turned = std::fmod(degrees, 360);
    return turned < 0 ? turned + 360 : turned;
}

// An arc as the ellipse that the same points make.
DxfEllipse asEllipse(const DxfArc& arc) {
    return {arc.layer,    arc.centre,   {arc.radius, 0}, {0, arc.radius},
            arc.startDeg, arc.sweepDeg, arc.colour};
}

} // namespace

DxfTransform DxfTransform::then(const DxfTransform& outer) const {
    const QPointF x = outer.mapVector({xx, xy});
    const QPointF y = outer.mapVector({yx, yy});
    const QPointF origin = outer.map({dx, dy});
    return {x.x(), x.y(), y.x(), y.y(), origin.x(), origin.y()};
}

DxfTransform objectToPlan(double normalX, double normalY, double normalZ, double z) {
    const double length = std::sqrt(normalX * normalX + normalY * normalY + normalZ * normalZ);
    if (!std::isfinite(length) || length == 0 || !std::isfinite(z))
        return {};
    const double nx = normalX / length, ny = normalY / length, nz = normalZ / length;
    // The object's x axis: the world's y (near the poles) or z crossed with the normal.
    constexpr double Pole = 1.0 / 64;
    double ax = 0, ay = 0, az = 0;
    if (std::abs(nx) < Pole && std::abs(ny) < Pole) {
        ax = nz;
        az = -nx;
    } else {
        ax = -ny;
        ay = nx;
    }
    const double axLength = std::sqrt(ax * ax + ay * ay + az * az);
    ax /= axLength;
    ay /= axLength;
    az /= axLength;
    // Its y axis: the normal crossed with its x axis.
    const double by = nz * ax - nx * az;
    const double bx = ny * az - nz * ay;
    return {ax, ay, bx, by, z * nx, z * ny};
}

void addPlaced(DxfDrawing& into, const DxfLine& line, const DxfTransform& place) {
    DxfLine placed = line;
    placed.from = place.map(line.from);
    placed.to = place.map(line.to);
    if (usable(placed.from) && usable(placed.to))
        into.lines.push_back(placed);
}

void addPlaced(DxfDrawing& into, const DxfPolyline& polyline, const DxfTransform& place) {
    DxfPolyline placed = polyline;
    if (similarityScale(place)) {
        // A mirror turns each bulge the other way round.
        const double turn = place.determinant() < 0 ? -1 : 1;
        for (DxfVertex& vertex : placed.vertices)
            vertex = {place.map(vertex.point), vertex.bulge * turn};
    } else {
        placed.vertices.clear();
        placed.closed = false;
        for (const QPointF point : polylinePoints(polyline))
            placed.vertices.push_back({place.map(point), 0});
    }
    if (std::all_of(placed.vertices.begin(), placed.vertices.end(),
                    [](const DxfVertex& v) { return usable(v.point); }))
        into.polylines.push_back(std::move(placed));
}

void addPlaced(DxfDrawing& into, const DxfArc& arc, const DxfTransform& place) {
    const std::optional<double> scale = similarityScale(place);
    if (!scale) {
        addPlaced(into, asEllipse(arc), place);
        return;
    }
    // A turn adds its angle; a mirror maps the angle a to turn - a, so the arc runs from the
    // mirror of its end.
    const double turn = std::atan2(place.xy, place.xx) * DegreesPerRadian;
    DxfArc placed = arc;
    placed.centre = place.map(arc.centre);
    placed.radius = arc.radius * *scale;
    placed.startDeg = normalisedDegrees(place.determinant() < 0 ? turn - arc.startDeg - arc.sweepDeg
                                                                : turn + arc.startDeg);
    if (usable(placed.centre) && std::abs(placed.radius) <= MaxDxfCoordinate && placed.radius > 0)
        into.arcs.push_back(placed);
}

void addPlaced(DxfDrawing& into, const DxfCircle& circle, const DxfTransform& place) {
    const std::optional<double> scale = similarityScale(place);
    if (!scale) {
        addPlaced(into,
                  asEllipse({circle.layer, circle.centre, circle.radius, 0, 360, circle.colour}),
                  place);
        return;
    }
    DxfCircle placed = circle;
    placed.centre = place.map(circle.centre);
    placed.radius = circle.radius * *scale;
    if (usable(placed.centre) && placed.radius <= MaxDxfCoordinate && placed.radius > 0)
        into.circles.push_back(placed);
}

void addPlaced(DxfDrawing& into, const DxfText& text, const DxfTransform& place) {
    const double radians = text.angleDeg / DegreesPerRadian;
    const QPointF along = place.mapVector({std::cos(radians), std::sin(radians)});
    const double length = std::hypot(along.x(), along.y());
    // The height across the base line: the parallelogram of the mapped axes over its base.
    const double stretch = std::abs(place.determinant()) / length;
    DxfText placed = text;
    placed.position = place.map(text.position);
    placed.angleDeg = std::atan2(along.y(), along.x()) * DegreesPerRadian;
    placed.height = text.height * stretch;
    placed.wrapWidth = text.wrapWidth * stretch;
    if (usable(placed.position) && std::isfinite(placed.angleDeg) &&
        std::abs(placed.height) <= MaxDxfCoordinate &&
        std::abs(placed.wrapWidth) <= MaxDxfCoordinate)
        into.texts.push_back(std::move(placed));
}

void addPlaced(DxfDrawing& into, const DxfEllipse& ellipse, const DxfTransform& place) {
    DxfEllipse placed = ellipse;
    placed.centre = place.map(ellipse.centre);
    placed.u = place.mapVector(ellipse.u);
    placed.v = place.mapVector(ellipse.v);
    if (usable(placed.centre) && usable(placed.u) && usable(placed.v))
        into.ellipses.push_back(placed);
}

void addPlaced(DxfDrawing& into, const DxfFill& fill, const DxfTransform& place) {
    DxfFill placed = fill;
    for (std::vector<QPointF>& ring : placed.rings) {
        for (QPointF& point : ring)
            point = place.map(point);
        if (!allUsable(ring))
            return;
    }
    into.fills.push_back(std::move(placed));
}

void addPlaced(DxfDrawing& into, const DxfPoint& point, const DxfTransform& place) {
    DxfPoint placed = point;
    placed.position = place.map(point.position);
    if (usable(placed.position))
        into.points.push_back(placed);
}

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

std::vector<QPointF> ellipsePoints(const DxfEllipse& ellipse) {
    std::vector<QPointF> points = arcPoints({}, 1, ellipse.startDeg, ellipse.sweepDeg);
    for (QPointF& point : points)
        point = ellipse.centre + ellipse.u * point.x() + ellipse.v * point.y();
    return points;
}

std::vector<QPointF> splinePoints(int degree, const std::vector<QPointF>& control,
                                  const std::vector<double>& weights,
                                  const std::vector<double>& knots) {
    const std::size_t count = control.size();
    const auto order = static_cast<std::size_t>(degree) + 1;
    const bool valid =
        degree >= 1 && count >= order && knots.size() == count + order &&
        std::all_of(knots.begin(), knots.end(), [](double k) { return std::isfinite(k); }) &&
        std::is_sorted(knots.begin(), knots.end()) && knots[count] > knots[order - 1] &&
        (weights.empty() ||
         (weights.size() == count && std::all_of(weights.begin(), weights.end(), [](double w) {
              return std::isfinite(w) && w > 0;
          })));
    if (!valid)
        return control;
    // Homogeneous points (w x, w y, w), so that a rational curve is a plain one of them.
    struct Weighted {
        double x, y, w;
    };
    std::vector<Weighted> work(order);
    const auto at = [&](std::size_t span, double t) {
        for (std::size_t j = 0; j < order; ++j) {
            const std::size_t i = span - degree + j;
            const double w = weights.empty() ? 1 : weights[i];
            work[j] = {control[i].x() * w, control[i].y() * w, w};
        }
        for (std::size_t r = 1; r < order; ++r)
            for (std::size_t j = degree; j >= r; --j) {
                const std::size_t i = span - degree + j;
                const double a = (t - knots[i]) / (knots[i + order - r] - knots[i]);
                work[j] = {(1 - a) * work[j - 1].x + a * work[j].x,
                           (1 - a) * work[j - 1].y + a * work[j].y,
                           (1 - a) * work[j - 1].w + a * work[j].w};
            }
        const Weighted& p = work[static_cast<std::size_t>(degree)];
        return QPointF(p.x / p.w, p.y / p.w);
    };
    std::vector<QPointF> points;
    for (std::size_t span = order - 1; span < count; ++span) {
        if (knots[span + 1] <= knots[span])
            continue;
        if (points.empty())
            points.push_back(at(span, knots[span]));
        for (int step = 1; step <= SplineStepsPerSpan; ++step)
            points.push_back(at(span, knots[span] + (knots[span + 1] - knots[span]) * step /
                                                        SplineStepsPerSpan));
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
    // Its extremes, and the points it is drawn through, which rounding may put a hair beyond.
    for (const DxfEllipse& ellipse : drawing.ellipses) {
        addEllipse(bounds, ellipse);
        for (const QPointF point : ellipsePoints(ellipse))
            bounds.add(point);
    }
    for (const DxfFill& fill : drawing.fills)
        for (const std::vector<QPointF>& ring : fill.rings)
            for (const QPointF point : ring)
                bounds.add(point);
    for (const DxfPoint& point : drawing.points)
        bounds.add(point.position);
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
    count(drawing.ellipses);
    count(drawing.fills);
    count(drawing.points);
    return counts;
}

namespace {

// Calls `visit(points, closed)` with the points on the plan of each entity of the named layers
// that has more than one point, and whether it returns to its start.
template <typename Visit>
void eachOutline(const DxfDrawing& drawing, const QStringList& layers, double metresPerUnit,
                 PlanPoint offset, Visit visit) {
    QSet<int> chosen;
    for (std::size_t i = 0; i < drawing.layers.size(); ++i)
        if (layers.contains(drawing.layers[i].name, Qt::CaseInsensitive))
            chosen.insert(static_cast<int>(i));
    const auto add = [&](const std::vector<QPointF>& points, bool closed) {
        if (std::all_of(points.begin(), points.end(), [&](QPointF p) { return p == points[0]; }))
            return;
        std::vector<PlanPoint> onPlan;
        onPlan.reserve(points.size());
        for (const QPointF point : points)
            onPlan.push_back(
                {point.x() * metresPerUnit + offset.x, point.y() * metresPerUnit + offset.y});
        visit(std::move(onPlan), closed);
    };
    constexpr double Turn = 360;
    for (const DxfLine& line : drawing.lines)
        if (chosen.contains(line.layer))
            add({line.from, line.to}, false);
    for (const DxfPolyline& polyline : drawing.polylines)
        if (chosen.contains(polyline.layer))
            add(polylinePoints(polyline), polyline.closed);
    for (const DxfArc& arc : drawing.arcs)
        if (chosen.contains(arc.layer))
            add(arcPoints(arc), arc.sweepDeg >= Turn);
    for (const DxfCircle& circle : drawing.circles)
        if (chosen.contains(circle.layer))
            add(circlePoints(circle), true);
    for (const DxfEllipse& ellipse : drawing.ellipses)
        if (chosen.contains(ellipse.layer))
            add(ellipsePoints(ellipse), ellipse.sweepDeg >= Turn);
    for (const DxfFill& fill : drawing.fills)
        if (chosen.contains(fill.layer))
            for (const std::vector<QPointF>& ring : fill.rings)
                add(ring, true);
}

} // namespace

std::vector<SiteWall> wallsFromLayers(const DxfDrawing& drawing, const QStringList& layers,
                                      double metresPerUnit, PlanPoint offset) {
    std::vector<SiteWall> walls;
    eachOutline(
        drawing, layers, metresPerUnit, offset,
        [&walls](std::vector<PlanPoint> points, bool) { walls.emplace_back(std::move(points)); });
    return walls;
}

DxfOutlines outlinesFromLayers(const DxfDrawing& drawing, const QStringList& layers,
                               double metresPerUnit, PlanPoint offset) {
    DxfOutlines outlines;
    eachOutline(drawing, layers, metresPerUnit, offset,
                [&outlines](std::vector<PlanPoint> points, bool closed) {
                    if (closed && points.front() == points.back())
                        points.pop_back();
                    if (closed && points.size() >= 3)
                        outlines.closed.push_back(std::move(points));
                    else
                        ++outlines.open;
                });
    return outlines;
}

} // namespace vistaro
