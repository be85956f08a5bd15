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
// the right and y up. Every entity names its layer by an index into DxfDrawing::layers.

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

    bool operator==(const DxfPolyline&) const = default;
};

// Counter-clockwise from startDeg through sweepDeg (0 < sweepDeg <= 360), angles from +x.
struct DxfArc {
    int layer = 0;
    QPointF centre;
    double radius = 0;
    double startDeg = 0;
    double sweepDeg = 360;

    bool operator==(const DxfArc&) const = default;
};

struct DxfCircle {
    int layer = 0;
    QPointF centre;
    double radius = 0;

    bool operator==(const DxfCircle&) const = default;
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
    int insUnits = 0;     // the header's $INSUNITS; 0 when it states none
    int measurement = -1; // the header's $MEASUREMENT: 0 imperial, 1 metric, -1 unstated
    std::vector<DxfNotDrawn> notDrawn; // by kind, in the order first met
    int skippedInserts = 0;            // block references in model space, not drawn
    DxfBounds bounds;                  // boundsOf() the drawing as read

    bool operator==(const DxfDrawing&) const = default;
};

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

// The box around every entity: arcs and bulges by their true extent, texts by their insertion
// point.
DxfBounds boundsOf(const DxfDrawing& drawing);

// How many entities each layer holds, by layer index.
std::vector<int> entitiesPerLayer(const DxfDrawing& drawing);

// The lines, polylines, arcs and circles of the named layers (names compared as CAD compares
// them, ignoring case) as walls on the plan: a point (x, y) of the drawing lies at
// (x, y) x metresPerUnit + offset. A wall follows one entity; a closed one returns to its start.
std::vector<SiteWall> wallsFromLayers(const DxfDrawing& drawing, const QStringList& layers,
                                      double metresPerUnit, PlanPoint offset);

} // namespace vistaro
