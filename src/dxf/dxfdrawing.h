// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "site/site.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>
#include <vector>

namespace vistaro {

// The model space of a DXF drawing as read, in drawing units (see DxfDrawing::insUnits), x to
// the right and y up, with its block references expanded. Every entity names its layer by an
// index into DxfDrawing::layers, and its colour by the AutoCAD colour index: DxfByLayer for its
// layer's.

inline constexpr int DxfByBlock = 0;
inline constexpr int DxfByLayer = 256;

// A coordinate or radius farther from 0 than this is no drawing's, and its entity is dropped,
// as one with a number that is not finite.
inline constexpr double MaxDxfCoordinate = 1e12;

struct DxfLayer {
    QString name;
    int colour = 7; // AutoCAD colour index, 1 to 255 (7: black on white, white on black)
    bool on = true;
    bool frozen = false;

    bool operator==(const DxfLayer&) const = default;
};

struct DxfLine {
    int layer = 0;
    QPointF from;
    QPointF to;
    int colour = DxfByLayer;

    bool operator==(const DxfLine&) const = default;
};

// A polyline's corner; a bulge bends the edge to the next vertex into an arc: the tangent of a
// quarter of its angle, positive counter-clockwise.
struct DxfVertex {
    QPointF point;
    double bulge = 0;

    bool operator==(const DxfVertex&) const = default;
};

struct DxfPolyline {
    int layer = 0;
    std::vector<DxfVertex> vertices; // two or more
    bool closed = false;             // an edge joins the last vertex to the first
    int colour = DxfByLayer;

    bool operator==(const DxfPolyline&) const = default;
};

// Counter-clockwise from startDeg through sweepDeg (0 < sweepDeg <= 360), angles from +x.
struct DxfArc {
    int layer = 0;
    QPointF centre;
    double radius = 0;
    double startDeg = 0;
    double sweepDeg = 360;
    int colour = DxfByLayer;

    bool operator==(const DxfArc&) const = default;
};

struct DxfCircle {
    int layer = 0;
    QPointF centre;
    double radius = 0;
    int colour = DxfByLayer;

    bool operator==(const DxfCircle&) const = default;
};

// An ellipse or a piece of one: the points centre + u cos t + v sin t, t from startDeg through
// sweepDeg (0 < sweepDeg <= 360), so that any affine map of one is one again.
struct DxfEllipse {
    int layer = 0;
    QPointF centre;
    QPointF u;
    QPointF v;
    double startDeg = 0;
    double sweepDeg = 360;
    int colour = DxfByLayer;

    bool operator==(const DxfEllipse&) const = default;
};

// An area filled by the even-odd rule: a point is inside when a ray from it crosses its rings an
// odd number of times. Each ring has three points or more and returns to its first.
struct DxfFill {
    int layer = 0;
    std::vector<std::vector<QPointF>> rings;
    int colour = DxfByLayer;

    bool operator==(const DxfFill&) const = default;
};

// A POINT: drawn as a small mark of the same size at any zoom.
struct DxfPoint {
    int layer = 0;
    QPointF position;
    int colour = DxfByLayer;

    bool operator==(const DxfPoint&) const = default;
};

// Which point of a text its position is: along the base line, and up from it.
enum class DxfHAlign { Left, Centre, Right };
enum class DxfVAlign { Baseline, Bottom, Middle, Top };

// TEXT and MTEXT alike: the point it is aligned on, the height of a capital, the angle of the base
// line counter-clockwise from +x, and the plain text (lines broken by '\n').
struct DxfText {
    int layer = 0;
    QPointF position;
    double height = 0;
    double angleDeg = 0;
    QString text;
    DxfHAlign hAlign = DxfHAlign::Left;
    DxfVAlign vAlign = DxfVAlign::Baseline;
    double wrapWidth = 0; // an MTEXT's lines are wrapped to this width; 0 for no wrapping
    int colour = DxfByLayer;

    bool operator==(const DxfText&) const = default;
};

// The smallest upright box around what was read; empty when nothing was.
struct DxfBounds {
    double minX = std::numeric_limits<double>::infinity();
    double minY = std::numeric_limits<double>::infinity();
    double maxX = -std::numeric_limits<double>::infinity();
    double maxY = -std::numeric_limits<double>::infinity();

    bool isEmpty() const { return minX > maxX; }
    void add(QPointF point);

    bool operator==(const DxfBounds&) const = default;
};

// Entities of one kind that the drawing holds and the plan does not draw.
struct DxfNotDrawn {
    QString kind; // the entity's DXF name, such as "IMAGE"
    int count = 0;

    bool operator==(const DxfNotDrawn&) const = default;
};

struct DxfDrawing {
    std::vector<DxfLayer> layers;
    std::vector<DxfLine> lines;
    std::vector<DxfPolyline> polylines;
    std::vector<DxfArc> arcs;
    std::vector<DxfCircle> circles;
    std::vector<DxfText> texts;
    std::vector<DxfEllipse> ellipses;
    std::vector<DxfFill> fills;
    std::vector<DxfPoint> points;
    int insUnits = 0;     // the header's $INSUNITS; 0 when it states none
    int measurement = -1; // the header's $MEASUREMENT: 0 imperial, 1 metric, -1 unstated
    std::vector<DxfNotDrawn> notDrawn; // by kind, in the order first met
    DxfBounds bounds;                  // boundsOf() the drawing as read

    bool operator==(const DxfDrawing&) const = default;
};

// An affine map of the plane: (x, y) goes to (xx x + yx y + dx, xy x + yy y + dy).
struct DxfTransform {
    double xx = 1;
    double xy = 0;
    double yx = 0;
    double yy = 1;
    double dx = 0;
    double dy = 0;

    QPointF map(QPointF point) const { return mapVector(point) + QPointF(dx, dy); }
    QPointF mapVector(QPointF v) const {
        return {xx * v.x() + yx * v.y(), xy * v.x() + yy * v.y()};
    }
    double determinant() const { return xx * yy - xy * yx; }
    // This map, then `outer`.
    DxfTransform then(const DxfTransform& outer) const;

    bool operator==(const DxfTransform&) const = default;
};

// From an entity's object coordinates, (x, y) at height z, to the plan: the world's x and y of
// the point, the plane's axes found from its normal (the extrusion) by the arbitrary axis
// algorithm. A normal of (0, 0, 1) maps nothing, (0, 0, -1) turns x over; a zero or not finite
// normal counts as (0, 0, 1).
DxfTransform objectToPlan(double normalX, double normalY, double normalZ, double z);

// Adds an entity to `into` as `place` maps it: arcs and circles that `place` stretches become
// ellipses, bulged polylines it stretches become straight edges, a text keeps its height across
// its base line. An entity with a point that ends beyond MaxDxfCoordinate is dropped.
void addPlaced(DxfDrawing& into, const DxfLine& line, const DxfTransform& place);
void addPlaced(DxfDrawing& into, const DxfPolyline& polyline, const DxfTransform& place);
void addPlaced(DxfDrawing& into, const DxfArc& arc, const DxfTransform& place);
void addPlaced(DxfDrawing& into, const DxfCircle& circle, const DxfTransform& place);
void addPlaced(DxfDrawing& into, const DxfText& text, const DxfTransform& place);
void addPlaced(DxfDrawing& into, const DxfEllipse& ellipse, const DxfTransform& place);
void addPlaced(DxfDrawing& into, const DxfFill& fill, const DxfTransform& place);
void addPlaced(DxfDrawing& into, const DxfPoint& point, const DxfTransform& place);

// The length of one drawing unit in metres for a $INSUNITS code; none for 0 (no unit) and for
// codes that name no length, so that the user is asked.
std::optional<double> metresPerInsUnit(int code);

// Arcs become polylines with a vertex at least every MaxArcStepDeg degrees: on a 10 m radius the
// chord strays 10 mm from the arc at most.
inline constexpr double MaxArcStepDeg = 5;

// The points along an arc from its start to its end, both included.
std::vector<QPointF> arcPoints(QPointF centre, double radius, double startDeg, double sweepDeg);
std::vector<QPointF> arcPoints(const DxfArc& arc);
// A circle as a closed ring: the last point repeats the first.
std::vector<QPointF> circlePoints(const DxfCircle& circle);
// A polyline's points with its bulges bent into arcs; a closed one ends on its first point.
std::vector<QPointF> polylinePoints(const DxfPolyline& polyline);
// The points along an ellipse, at least every MaxArcStepDeg degrees of t, both ends included.
std::vector<QPointF> ellipsePoints(const DxfEllipse& ellipse);

// A NURBS curve of this degree through its control points, each with its weight, over its knots
// (control points + degree + 1 of them, never falling), evaluated by de Boor's algorithm at
// SplineStepsPerSpan points of each span. Weights may be left empty (all 1). Without a valid set
// of knots or weights, the control points joined by straight lines.
inline constexpr int SplineStepsPerSpan = 16;
std::vector<QPointF> splinePoints(int degree, const std::vector<QPointF>& control,
                                  const std::vector<double>& weights,
                                  const std::vector<double>& knots);

// The box around every entity: arcs, ellipses and bulges by their true extent, texts by their
// insertion point.
DxfBounds boundsOf(const DxfDrawing& drawing);

// How many entities each layer holds, by layer index.
std::vector<int> entitiesPerLayer(const DxfDrawing& drawing);

// The lines, polylines, arcs, circles, ellipses and the outlines of fills of the named layers
// (names compared as CAD compares them, ignoring case) as walls on the plan: a point (x, y) of the
// drawing lies at (x, y) x metresPerUnit + offset. A wall follows one entity; a closed one returns
// to its start.
std::vector<SiteWall> wallsFromLayers(const DxfDrawing& drawing, const QStringList& layers,
                                      double metresPerUnit, PlanPoint offset);

// The closed outlines of the named layers on the plan, as wallsFromLayers places them: closed
// polylines, circles, whole ellipses and the rings of fills, each without its last point (its
// first again); the open entities, and outlines of fewer than three corners, only counted.
struct DxfOutlines {
    std::vector<std::vector<PlanPoint>> closed;
    int open = 0;
};
DxfOutlines outlinesFromLayers(const DxfDrawing& drawing, const QStringList& layers,
                               double metresPerUnit, PlanPoint offset);

} // namespace vistaro
