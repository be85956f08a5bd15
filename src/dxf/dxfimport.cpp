// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dxf/dxfimport.h"

#include "dxf/dxffeed.h"
#include "dxf/dxftext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <functional>
#include <istream>
#include <numbers>
#include <optional>
#include <streambuf>
#include <string_view>
#include <unordered_map>

namespace vistaro {

namespace {

// An MTEXT's text beyond this is no plan's label.
constexpr std::size_t MaxMTextBytes = 64 * 1024;
constexpr double DegreesPerRadian = 180 / std::numbers::pi;
// References within references deeper than this are no drawing's; they are not drawn.
constexpr std::size_t MaxBlockNesting = 256;
// A text's horizontal alignments in the order of their DXF codes.
constexpr std::array HAligns{DxfHAlign::Left, DxfHAlign::Centre, DxfHAlign::Right};

bool usable(double value) {
    return std::isfinite(value) && std::abs(value) <= MaxDxfCoordinate;
}

bool usable(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return usable(v); });
}

// Sweeps run counter-clockwise from start to end, a whole turn when they meet.
double sweepDegrees(double start, double end) {
    const double sweep = std::fmod(end - start, 360);
    return sweep <= 0 ? sweep + 360 : sweep;
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The kinds of entity drawn, and ATTDEF, which a block's references never show.
constexpr std::array<std::string_view, 21> DrawnKinds{
    "LINE",  "LWPOLYLINE", "POLYLINE", "VERTEX",    "SEQEND",      "ARC",     "CIRCLE",
    "TEXT",  "MTEXT",      "INSERT",   "ELLIPSE",   "SPLINE",      "SOLID",   "TRACE",
    "POINT", "LEADER",     "HATCH",    "DIMENSION", "MULTILEADER", "MLEADER", "ATTDEF"};
// Group 0 values that start or end a section or a block rather than an entity.
constexpr std::array<std::string_view, 5> Structure{"SECTION", "ENDSEC", "BLOCK", "ENDBLK", "EOF"};

template <std::size_t Size>
bool among(const std::array<std::string_view, Size>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Entities not drawn, by kind in the order first met.
class Tally {
public:
    void add(const QString& kind, int count) {
        const auto [known, added] = m_index.try_emplace(kind, kinds.size());
        if (added)
            kinds.push_back({kind, 0});
        kinds[known->second].count += count;
    }

    std::vector<DxfNotDrawn> kinds;

private:
    std::unordered_map<QString, std::size_t> m_index;
};

// A block reference as read: how its block goes into the space that holds it. A dimension's
// block goes in as it is drawn.
struct Insert {
    std::string block; // its name in upper case, as CAD compares them
    int layer = 0;
    int colour = DxfByLayer;
    DxfTransform toSpace; // the reference's object coordinates to its space
    QPointF at;
    double scaleX = 1;
    double scaleY = 1;
    double angleDeg = 0;
    int columns = 1;
    int rows = 1;
    double columnSpacing = 0;
    double rowSpacing = 0;
    bool asDrawn = false;
};

// Model space or a block definition: its entities in its own coordinates (layer indices into
// the drawing's), its references to other blocks and the entities it holds that are not drawn.
struct Space {
    DxfDrawing entities;
    QPointF base;
    std::vector<Insert> inserts;
    Tally notDrawn;
    bool paper = false;

    // What one placement of it adds, counted once it is whole: entities (and references and
    // kinds not drawn, which take their time too) and the points of polylines and fills.
    qint64 weight = 0;
    qint64 points = 0;

    void weigh() {
        const DxfDrawing& e = entities;
        weight = static_cast<qint64>(e.lines.size() + e.polylines.size() + e.arcs.size() +
                                     e.circles.size() + e.texts.size() + e.ellipses.size() +
                                     e.fills.size() + e.points.size() + inserts.size() +
                                     notDrawn.kinds.size());
        points = 0;
        for (const DxfPolyline& polyline : e.polylines)
            points += static_cast<qint64>(polyline.vertices.size());
        for (const DxfFill& fill : e.fills)
            for (const std::vector<QPointF>& ring : fill.rings)
                points += static_cast<qint64>(ring.size());
    }
};

// The map from a block's coordinates to its reference's space for the cell in `column` and
// `row` of its array: the base point to the origin, scaled, turned, moved to the insertion point
// and along the turned axes to the cell.
DxfTransform cellToSpace(const Insert& insert, QPointF base, int column, int row) {
    if (insert.asDrawn)
        return {};
    const double radians = insert.angleDeg / DegreesPerRadian;
    const double cos = std::cos(radians);
    const double sin = std::sin(radians);
    const QPointF offset(column * insert.columnSpacing, row * insert.rowSpacing);
    DxfTransform local{
        cos * insert.scaleX, sin * insert.scaleX, -sin * insert.scaleY, cos * insert.scaleY, 0, 0};
    const QPointF shift = insert.at + DxfTransform{cos, sin, -sin, cos, 0, 0}.mapVector(offset) -
                          local.mapVector(base);
    local.dx = shift.x();
    local.dy = shift.y();
    return local.then(insert.toSpace);
}

// The corners of a polygon as a ring that returns to its first; empty when it has fewer than
// three.
std::vector<QPointF> closedRing(std::vector<QPointF> points) {
    if (!points.empty() && points.back() != points.front())
        points.push_back(points.front());
    if (points.size() < 4)
        points.clear();
    return points;
}

QPointF point2(const std::vector<double>& xyz) {
    return xyz.size() >= 2 ? QPointF(xyz[0], xyz[1]) : QPointF(qQNaN(), qQNaN());
}

// The points along one edge of a hatch's boundary, in the order the boundary runs.
std::vector<QPointF> hatchEdgePoints(const DL_HatchEdgeData& edge) {
    switch (edge.type) {
    case 0: { // a polyline, its vertices (x, y[, bulge])
        DxfPolyline polyline{0, {}, true};
        for (const std::vector<double>& vertex : edge.vertices)
            polyline.vertices.push_back({point2(vertex), vertex.size() >= 3 ? vertex[2] : 0});
        return polylinePoints(polyline);
    }
    case 1:
        return {{edge.x1, edge.y1}, {edge.x2, edge.y2}};
    case 2:
    case 3: {
        // Angles in radians; a clockwise edge gives them mirrored, and runs from -start to -end.
        const double start = edge.angle1 * DegreesPerRadian;
        const double sweep =
            sweepDegrees(start, edge.angle2 * DegreesPerRadian) * (edge.ccw ? 1 : -1);
        const QPointF major = edge.type == 2 ? QPointF(edge.radius, 0) : QPointF(edge.mx, edge.my);
        const double ratio = edge.type == 2 ? 1 : edge.ratio;
        return ellipsePoints({0,
                              {edge.cx, edge.cy},
                              major,
                              QPointF(-major.y(), major.x()) * ratio,
                              edge.ccw ? start : -start,
                              sweep});
    }
    case 4: {
        std::vector<QPointF> control;
        for (const std::vector<double>& point : edge.controlPoints)
            control.push_back(point2(point));
        if (control.empty()) {
            for (const std::vector<double>& point : edge.fitPoints)
                control.push_back(point2(point));
            return control;
        }
        return splinePoints(static_cast<int>(edge.degree), control, edge.weights, edge.knots);
    }
    default:
        return {};
    }
}

// Takes dxflib's entities into a DxfDrawing: model space with the blocks it refers to expanded.
class Reader : public DL_CreationAdapter {
public:
    Reader(DxfFeed& feed, const DxfLimits& limits) : m_feed(feed), m_limits(limits) {
        m_feed.listen([this](unsigned int code, std::string_view value) { group(code, value); });
    }

    DxfDrawing drawing;

    // Each group just before dxflib reads it: what dxflib reads of an entity it passes on when
    // the next one starts. The groups give what it does not read: a dimension's block, a
    // multileader's lines, the kinds it does not know.
    void group(unsigned int code, std::string_view value) {
        if (code == 0) {
            endPending();
            endRawEntity();
            m_raw = {};
            m_raw.kind = value;
            return;
        }
        if (m_raw.kind == "SECTION" && code == 2)
            m_section = value;
        else if (code == 8)
            m_raw.layer = value;
        else if (code == 62)
            m_raw.colour = dxflibInt(value);
        else if (code == 67)
            m_raw.paper = dxflibInt(value) != 0;
        else if (code == 2 && m_raw.kind == "DIMENSION")
            m_raw.block = value;
        else if (m_raw.kind == "MULTILEADER" || m_raw.kind == "MLEADER")
            multiLeaderGroup(code, value);
    }

    void setVariableInt(const std::string& key, int value, int) override {
        if (key == "$INSUNITS")
            drawing.insUnits = value;
        else if (key == "$MEASUREMENT" && (value == 0 || value == 1))
            drawing.measurement = value;
    }

    void addLayer(const DL_LayerData& data) override {
        DxfLayer& layer = drawing.layers[static_cast<std::size_t>(layerIndex(data.name))];
        const int colour = attributes.getColor();
        layer.colour = colour == 0 || std::abs(colour) > 255 ? 7 : std::abs(colour);
        layer.on = colour >= 0 && !data.off;
        layer.frozen = data.flags & 1;
    }

    void addBlock(const DL_BlockData& data) override {
        const std::string name = upper(data.name);
        const auto [block, added] = m_blocks.try_emplace(name);
        // A name defined twice keeps its first definition.
        m_block = added ? &block->second : &m_ignored;
        m_block->base = usable({data.bpx, data.bpy}) ? QPointF(data.bpx, data.bpy) : QPointF();
        m_block->paper = name.starts_with("*PAPER_SPACE");
    }

    void endBlock() override {
        m_block = nullptr;
        m_ignored = {};
    }

    void addInsert(const DL_InsertData& data) override {
        Space* space = counted();
        if (!space || !usable({data.ipx, data.ipy, data.sx, data.sy, data.colSp, data.rowSp}) ||
            data.sx == 0 || data.sy == 0 || !std::isfinite(data.angle))
            return;
        space->inserts.push_back({upper(data.name), layer(), colour(), ocs(data.ipz),
                                  QPointF(data.ipx, data.ipy), data.sx, data.sy, data.angle,
                                  std::max(1, data.cols), std::max(1, data.rows), data.colSp,
                                  data.rowSp, false});
    }

    void addDimAlign(const DL_DimensionData&, const DL_DimAlignedData&) override { addDimension(); }
    void addDimLinear(const DL_DimensionData&, const DL_DimLinearData&) override { addDimension(); }
    void addDimRadial(const DL_DimensionData&, const DL_DimRadialData&) override { addDimension(); }
    void addDimDiametric(const DL_DimensionData&, const DL_DimDiametricData&) override {
        addDimension();
    }
    void addDimAngular(const DL_DimensionData&, const DL_DimAngular2LData&) override {
        addDimension();
    }
    void addDimAngular3P(const DL_DimensionData&, const DL_DimAngular3PData&) override {
        addDimension();
    }
    void addDimOrdinate(const DL_DimensionData&, const DL_DimOrdinateData&) override {
        addDimension();
    }

    void addLine(const DL_LineData& data) override {
        if (Space* space = counted(); space && usable({data.x1, data.y1, data.x2, data.y2}))
            space->entities.lines.push_back(
                {layer(), {data.x1, data.y1}, {data.x2, data.y2}, colour()});
    }

    void addArc(const DL_ArcData& data) override {
        Space* space = counted();
        if (!space || !usable({data.cx, data.cy}) || !round(data.radius) ||
            !std::isfinite(data.angle1) || !std::isfinite(data.angle2))
            return;
        addPlaced(space->entities,
                  DxfArc{layer(),
                         {data.cx, data.cy},
                         data.radius,
                         data.angle1,
                         sweepDegrees(data.angle1, data.angle2),
                         colour()},
                  ocs(data.cz));
    }

    void addCircle(const DL_CircleData& data) override {
        if (Space* space = counted(); space && usable({data.cx, data.cy}) && round(data.radius))
            addPlaced(space->entities,
                      DxfCircle{layer(), {data.cx, data.cy}, data.radius, colour()}, ocs(data.cz));
    }

    void addEllipse(const DL_EllipseData& data) override {
        Space* space = counted();
        if (!space || !usable({data.cx, data.cy, data.mx, data.my, data.mz, data.ratio}) ||
            !(data.ratio > 0) || !std::isfinite(data.angle1) || !std::isfinite(data.angle2))
            return;
        // In world coordinates: the minor axis is the normal crossed with the major one, both
        // seen from above.
        const double* normal = getExtrusion()->getDirection();
        const double length = std::hypot(normal[0], normal[1], normal[2]);
        if (!(length > 0) || !std::isfinite(length))
            return;
        const double nx = normal[0] / length, ny = normal[1] / length, nz = normal[2] / length;
        const QPointF minor(ny * data.mz - nz * data.my, nz * data.mx - nx * data.mz);
        const double start = data.angle1 * DegreesPerRadian;
        addPlaced(space->entities,
                  DxfEllipse{layer(),
                             {data.cx, data.cy},
                             {data.mx, data.my},
                             minor * data.ratio,
                             std::fmod(start, 360),
                             sweepDegrees(start, data.angle2 * DegreesPerRadian),
                             colour()},
                  {});
    }

    void addPolyline(const DL_PolylineData& data) override {
        endPolyline();
        Space* space = counted();
        if (!space)
            return;
        // Meshes and polyface meshes are 3D surfaces, not lines of a plan.
        constexpr int Closed = 1, Polyline3D = 8, Mesh = 16, PolyfaceMesh = 64;
        if (data.flags & (Mesh | PolyfaceMesh)) {
            space->notDrawn.add(QStringLiteral("POLYLINE"), 1);
            return;
        }
        m_polyline = DxfPolyline{layer(), {}, (data.flags & Closed) != 0, colour()};
        m_polylineSpace = space;
        // A 3D polyline's vertices are in world coordinates.
        m_polylinePlace = data.flags & Polyline3D ? DxfTransform{} : ocs(data.elevation);
    }

    void addVertex(const DL_VertexData& data) override {
        if (++m_vertices > m_limits.maxVertices)
            m_feed.halt(DxfHalt::TooManyVertices);
        if (!m_polyline)
            return;
        if (!usable({data.x, data.y}) || !std::isfinite(data.bulge)) {
            m_polylineBroken = true;
            return;
        }
        m_polyline->vertices.push_back({{data.x, data.y}, data.bulge});
    }

    void endEntity() override { endPolyline(); }
    void endSequence() override { endPolyline(); }

    void addSpline(const DL_SplineData& data) override {
        endPending();
        if (Space* space = counted())
            m_spline =
                Spline{space, layer(), colour(), static_cast<int>(data.degree), {}, {}, {}, {}};
    }

    void addControlPoint(const DL_ControlPointData& data) override {
        if (m_spline) {
            m_spline->control.emplace_back(data.x, data.y);
            m_spline->weights.push_back(data.w);
        }
    }

    void addFitPoint(const DL_FitPointData& data) override {
        if (m_spline)
            m_spline->fit.emplace_back(data.x, data.y);
    }

    void addKnot(const DL_KnotData& data) override {
        if (m_spline)
            m_spline->knots.push_back(data.k);
    }

    void addLeader(const DL_LeaderData&) override {
        endPending();
        if (Space* space = counted())
            m_leader = Outline{space, layer(), colour(), {}};
    }

    void addLeaderVertex(const DL_LeaderVertexData& data) override {
        if (m_leader)
            m_leader->points.emplace_back(data.x, data.y);
    }

    void addHatch(const DL_HatchData& data) override {
        endPending();
        if (Space* space = counted())
            m_hatch = Hatch{space, layer(), colour(), data.solid, ocs(0), {}};
    }

    void addHatchLoop(const DL_HatchLoopData&) override {
        if (m_hatch)
            m_hatch->rings.emplace_back();
    }

    void addHatchEdge(const DL_HatchEdgeData& data) override {
        if (!m_hatch || m_hatch->rings.empty())
            return;
        std::vector<QPointF>& ring = m_hatch->rings.back();
        const std::vector<QPointF> points = hatchEdgePoints(data);
        if (!spendVertices(static_cast<qint64>(points.size())))
            return;
        const bool joined = !ring.empty() && !points.empty() && ring.back() == points.front();
        ring.insert(ring.end(), points.begin() + (joined ? 1 : 0), points.end());
    }

    void addSolid(const DL_SolidData& data) override { addQuadrilateral(data); }
    void addTrace(const DL_TraceData& data) override { addQuadrilateral(data); }

    void addPoint(const DL_PointData& data) override {
        if (Space* space = counted(); space && usable({data.x, data.y}))
            space->entities.points.push_back({layer(), {data.x, data.y}, colour()});
    }

    void addText(const DL_TextData& data) override {
        if (Space* space = counted())
            keepText(space->entities, textOf(data), ocs(data.ipz));
    }

    void addMTextChunk(const std::string& text) override {
        if (m_mtext.size() < MaxMTextBytes)
            m_mtext += text;
    }

    void addMText(const DL_MTextData& data) override {
        m_mtext += data.text;
        m_mtext.resize(std::min(m_mtext.size(), MaxMTextBytes));
        // Its insertion point is in world coordinates, whatever its extrusion.
        if (Space* space = counted())
            keepText(space->entities, mtextOf(data, plainMText(m_mtext)), {});
        m_mtext.clear();
    }

    void endPolyline() {
        if (m_polyline && !m_polylineBroken && m_polyline->vertices.size() >= 2)
            addPlaced(m_polylineSpace->entities, *m_polyline, m_polylinePlace);
        m_polyline.reset();
        m_polylineBroken = false;
    }

    // After dxflib's last entity: the references of model space expanded into it.
    void finish() {
        endPolyline();
        endPending();
        endRawEntity();
        if (m_feed.halted() != DxfHalt::None)
            return;
        m_layerZero = m_byKey.value(QStringLiteral("0"), -1);
        for (auto& [name, block] : m_blocks)
            block.weigh();
        std::vector<const Space*> open;
        for (const Insert& insert : m_model.inserts)
            if (!expand(insert, {}, -1, 7, open))
                return;
        DxfDrawing& model = m_model.entities;
        drawing.lines = std::move(model.lines);
        drawing.polylines = std::move(model.polylines);
        drawing.arcs = std::move(model.arcs);
        drawing.circles = std::move(model.circles);
        drawing.texts = std::move(model.texts);
        drawing.ellipses = std::move(model.ellipses);
        drawing.fills = std::move(model.fills);
        drawing.points = std::move(model.points);
        drawing.notDrawn = std::move(m_model.notDrawn.kinds);
    }

private:
    // An entity dxflib does not pass on whole, as its groups go by.
    struct RawEntity {
        std::string kind;
        std::string layer = "0";
        int colour = DxfByLayer;
        bool paper = false;
        std::string block; // a DIMENSION's
        // A multileader's lines, and the leader being read.
        std::vector<std::vector<QPointF>> lines;
        struct {
            QPointF end;
            QPointF dogleg;
            double doglegLength = 0;
        } leader;
        std::size_t firstLine = 0; // the leader's
        bool inLeader = false;
        bool inLine = false;
        double x = 0;
    };

    // Entities that dxflib hands over in parts, kept until the next one starts.
    struct Spline {
        Space* space = nullptr;
        int layer = 0;
        int colour = DxfByLayer;
        int degree = 0;
        std::vector<QPointF> control;
        std::vector<double> weights;
        std::vector<double> knots;
        std::vector<QPointF> fit;
    };
    struct Outline {
        Space* space = nullptr;
        int layer = 0;
        int colour = DxfByLayer;
        std::vector<QPointF> points;
    };
    struct Hatch {
        Space* space = nullptr;
        int layer = 0;
        int colour = DxfByLayer;
        bool solid = false;
        DxfTransform place;
        std::vector<std::vector<QPointF>> rings;
    };

    // Counts an entity against the limit; the space it goes into, none for paper space.
    Space* counted() {
        if (++m_entities > m_limits.maxEntities)
            m_feed.halt(DxfHalt::TooManyEntities);
        return m_feed.halted() == DxfHalt::None ? space(attributes.isInPaperSpace()) : nullptr;
    }

    Space* space(bool paper) {
        Space* space = m_block ? m_block : &m_model;
        return paper || space->paper ? nullptr : space;
    }

    static bool round(double radius) { return usable(radius) && radius > 0; }

    DxfTransform ocs(double z) {
        const double* normal = getExtrusion()->getDirection();
        return objectToPlan(normal[0], normal[1], normal[2], z);
    }

    int colour() { return entityColour(attributes.getColor()); }

    // In model space, a colour taken from the block has no block to take it from.
    int entityColour(int colour) const {
        if (colour < 0 || colour > DxfByLayer)
            return DxfByLayer;
        return colour == DxfByBlock && !m_block ? 7 : colour;
    }

    void addDimension() {
        if (Space* space = counted(); space && !m_lastDimensionBlock.empty()) {
            Insert insert;
            insert.block = upper(m_lastDimensionBlock);
            insert.layer = layer();
            insert.colour = colour();
            insert.asDrawn = true;
            space->inserts.push_back(std::move(insert));
        }
    }

    void addQuadrilateral(const DL_TraceData& data) {
        Space* space = counted();
        if (!space || !usable({data.x[0], data.y[0], data.x[1], data.y[1], data.x[2], data.y[2],
                               data.x[3], data.y[3]}))
            return;
        // The third and fourth corners come in the order of a Z.
        std::vector<QPointF> ring = closedRing({{data.x[0], data.y[0]},
                                                {data.x[1], data.y[1]},
                                                {data.x[3], data.y[3]},
                                                {data.x[2], data.y[2]}});
        if (!ring.empty())
            addPlaced(space->entities, DxfFill{layer(), {std::move(ring)}, colour()},
                      ocs(data.z[0]));
    }

    // A multileader's leaders each end at a point, where a dogleg may go on; its lines run from
    // their arrows to that point.
    void multiLeaderGroup(unsigned int code, std::string_view value) {
        RawEntity& raw = m_raw;
        const double number = std::strtod(std::string(value).c_str(), nullptr);
        if (code == 302 && value == "LEADER{") {
            raw.inLeader = true;
            raw.leader = {};
            raw.firstLine = raw.lines.size();
        } else if (code == 303 && raw.inLeader) {
            raw.inLeader = false;
            endLeader();
        } else if (code == 304 && value == "LEADER_LINE{" && raw.inLeader) {
            raw.inLine = true;
            raw.lines.emplace_back();
        } else if (code == 305) {
            raw.inLine = false;
        } else if (raw.inLeader && (code == 10 || code == 11)) {
            raw.x = number;
        } else if (raw.inLeader && code == 20) {
            (raw.inLine ? raw.lines.back().emplace_back() : raw.leader.end) = {raw.x, number};
        } else if (raw.inLeader && !raw.inLine && code == 21) {
            raw.leader.dogleg = {raw.x, number};
        } else if (raw.inLeader && !raw.inLine && code == 40) {
            raw.leader.doglegLength = number;
        }
    }

    void endLeader() {
        RawEntity& raw = m_raw;
        const QPointF end = raw.leader.end;
        for (std::size_t i = raw.firstLine; i < raw.lines.size(); ++i)
            raw.lines[i].push_back(end);
        if (raw.leader.doglegLength > 0)
            raw.lines.push_back({end, end + raw.leader.dogleg * raw.leader.doglegLength});
    }

    // The end of an entity that dxflib does not pass on: a multileader's lines kept, a kind not
    // drawn counted.
    void endRawEntity() {
        if (m_raw.kind == "DIMENSION")
            m_lastDimensionBlock = m_raw.block;
        if ((m_section != "ENTITIES" && m_section != "BLOCKS") || among(Structure, m_raw.kind) ||
            m_raw.kind.empty())
            return;
        const bool multiLeader = m_raw.kind == "MULTILEADER" || m_raw.kind == "MLEADER";
        if (among(DrawnKinds, m_raw.kind) && !multiLeader)
            return;
        if (++m_entities > m_limits.maxEntities)
            m_feed.halt(DxfHalt::TooManyEntities);
        Space* into = m_feed.halted() == DxfHalt::None ? space(m_raw.paper) : nullptr;
        if (!into)
            return;
        if (!multiLeader) {
            into->notDrawn.add(QString::fromLatin1(m_raw.kind), 1);
            return;
        }
        const int layer = layerIndex(m_raw.layer);
        for (const std::vector<QPointF>& line : m_raw.lines)
            if (line.size() >= 2)
                addPlaced(into->entities,
                          DxfPolyline{layer, toVertices(line), false, entityColour(m_raw.colour)},
                          {});
    }

    static std::vector<DxfVertex> toVertices(const std::vector<QPointF>& points) {
        std::vector<DxfVertex> vertices;
        vertices.reserve(points.size());
        for (const QPointF point : points)
            vertices.push_back({point, 0});
        return vertices;
    }

    // Counts points against the limit of polyline vertices; false beyond it.
    bool spendVertices(qint64 count) {
        m_vertices += count;
        if (m_vertices > m_limits.maxVertices)
            m_feed.halt(DxfHalt::TooManyVertices);
        return m_feed.halted() == DxfHalt::None;
    }

    void addOutline(const Outline& outline) {
        if (outline.points.size() >= 2)
            addPlaced(outline.space->entities,
                      DxfPolyline{outline.layer, toVertices(outline.points), false, outline.colour},
                      {});
    }

    // Splines, leaders and hatches, whole once the next entity starts.
    void endPending() {
        if (m_spline) {
            const Spline& spline = *m_spline;
            // Counted before they are worked out: each control point brings a span at most.
            if (spendVertices(static_cast<qint64>(spline.control.size()) * SplineStepsPerSpan +
                              static_cast<qint64>(spline.fit.size())))
                addOutline({spline.space, spline.layer, spline.colour,
                            spline.control.empty() ? spline.fit
                                                   : splinePoints(spline.degree, spline.control,
                                                                  spline.weights, spline.knots)});
            m_spline.reset();
        }
        if (m_leader) {
            if (spendVertices(static_cast<qint64>(m_leader->points.size())))
                addOutline(*m_leader);
            m_leader.reset();
        }
        if (m_hatch) {
            Hatch& hatch = *m_hatch;
            DxfFill fill{hatch.layer, {}, hatch.colour};
            for (std::vector<QPointF>& ring : hatch.rings)
                if (std::vector<QPointF> closed = closedRing(std::move(ring)); !closed.empty())
                    fill.rings.push_back(std::move(closed));
            // A pattern's lines are not drawn: its boundary shows where it lies.
            if (hatch.solid && !fill.rings.empty())
                addPlaced(hatch.space->entities, fill, hatch.place);
            else if (!hatch.solid)
                for (const std::vector<QPointF>& ring : fill.rings)
                    addPlaced(hatch.space->entities,
                              DxfPolyline{hatch.layer, toVertices(ring), false, hatch.colour},
                              hatch.place);
            m_hatch.reset();
        }
    }

    // Draws a reference's block into model space, each cell of its array, and the references it
    // holds in turn; a block already open on the way here is not entered again. False once the
    // drawing grows beyond the limit.
    bool expand(const Insert& insert, const DxfTransform& outer, int layerAbove, int colourAbove,
                std::vector<const Space*>& open) {
        const auto found = m_blocks.find(insert.block);
        if (found == m_blocks.end())
            return true;
        const Space& block = found->second;
        if (std::find(open.begin(), open.end(), &block) != open.end() ||
            open.size() >= MaxBlockNesting)
            return true;
        const int layer = inherited(insert.layer, layerAbove);
        const int colour = insert.colour == DxfByBlock ? colourAbove : insert.colour;
        // What the block's entities of colour BYBLOCK take.
        const int byBlock =
            colour == DxfByLayer ? drawing.layers[static_cast<std::size_t>(layer)].colour : colour;
        open.push_back(&block);
        for (int row = 0; row < insert.rows; ++row)
            for (int column = 0; column < insert.columns; ++column) {
                m_entities += block.weight + 1;
                if (m_entities > m_limits.maxEntities || !spendVertices(block.points)) {
                    if (m_feed.halted() == DxfHalt::None)
                        m_feed.halt(DxfHalt::TooManyEntities);
                    return false;
                }
                const DxfTransform place = cellToSpace(insert, block.base, column, row).then(outer);
                const DxfDrawing& from = block.entities;
                placeAll(from.lines, place, layer, byBlock);
                placeAll(from.polylines, place, layer, byBlock);
                placeAll(from.arcs, place, layer, byBlock);
                placeAll(from.circles, place, layer, byBlock);
                placeAll(from.texts, place, layer, byBlock);
                placeAll(from.ellipses, place, layer, byBlock);
                placeAll(from.fills, place, layer, byBlock);
                placeAll(from.points, place, layer, byBlock);
                for (const DxfNotDrawn& kind : block.notDrawn.kinds)
                    m_model.notDrawn.add(kind.kind, kind.count);
                for (const Insert& inner : block.inserts)
                    if (!expand(inner, place, layer, byBlock, open))
                        return false;
            }
        open.pop_back();
        return true;
    }

    template <typename Entity>
    void placeAll(const std::vector<Entity>& entities, const DxfTransform& place, int layer,
                  int byBlock) {
        for (Entity entity : entities) {
            entity.layer = inherited(entity.layer, layer);
            if (entity.colour == DxfByBlock)
                entity.colour = byBlock;
            addPlaced(m_model.entities, entity, place);
        }
    }

    // A block's entities on layer 0 take the layer of the reference that draws them.
    int inherited(int layer, int layerAbove) const {
        return layer == m_layerZero && layerAbove >= 0 ? layerAbove : layer;
    }

    static double degreesOf(QPointF direction) {
        return std::atan2(direction.y(), direction.x()) * DegreesPerRadian;
    }

    // A TEXT aligned otherwise than left on its base line hangs on its second point; one aligned
    // or fitted between its two points runs from the first to the second. In its object
    // coordinates.
    DxfText textOf(const DL_TextData& data) {
        constexpr int Aligned = 3, MiddleCentre = 4, Fit = 5;
        const int h =
            data.hJustification >= 0 && data.hJustification <= Fit ? data.hJustification : 0;
        const int v =
            data.vJustification >= 0 && data.vJustification <= 3 ? data.vJustification : 0;
        DxfText text{layer(),
                     {data.ipx, data.ipy},
                     data.height,
                     data.angle * DegreesPerRadian,
                     plainText(data.text)};
        if ((h == 0 && v == 0) || !usable(data.apx) || !usable(data.apy))
            return text;
        const QPointF second(data.apx, data.apy);
        if (h == Aligned || h == Fit) {
            if (second != text.position)
                text.angleDeg = degreesOf(second - text.position);
            return text;
        }
        text.position = second;
        if (h == MiddleCentre) {
            text.hAlign = DxfHAlign::Centre;
            text.vAlign = DxfVAlign::Middle;
            return text;
        }
        static constexpr std::array VAligns{DxfVAlign::Baseline, DxfVAlign::Bottom,
                                            DxfVAlign::Middle, DxfVAlign::Top};
        text.hAlign = HAligns.at(static_cast<std::size_t>(h));
        text.vAlign = VAligns.at(static_cast<std::size_t>(v));
        return text;
    }

    // An MTEXT's insertion point and direction are in world coordinates, whatever its
    // extrusion; its direction, where it has one, overrides its angle. Attached by one of nine
    // points: 1 top left, 2 top centre, ... 9 bottom right.
    DxfText mtextOf(const DL_MTextData& data, const QString& plain) {
        const bool directed = std::isfinite(data.dirx) && std::isfinite(data.diry) &&
                              (data.dirx != 0 || data.diry != 0);
        const int corner =
            data.attachmentPoint >= 1 && data.attachmentPoint <= 9 ? data.attachmentPoint - 1 : 0;
        static constexpr std::array VAligns{DxfVAlign::Top, DxfVAlign::Middle, DxfVAlign::Bottom};
        return {layer(),
                {data.ipx, data.ipy},
                data.height,
                directed ? degreesOf({data.dirx, data.diry}) : data.angle * DegreesPerRadian,
                plain,
                HAligns.at(static_cast<std::size_t>(corner % 3)),
                VAligns.at(static_cast<std::size_t>(corner / 3)),
                usable(data.width) && data.width > 0 ? data.width : 0};
    }

    void keepText(DxfDrawing& into, DxfText text, const DxfTransform& place) {
        if (!usable(text.position.x()) || !usable(text.position.y()) || !usable(text.height) ||
            !std::isfinite(text.angleDeg))
            return;
        text.colour = colour();
        addPlaced(into, text, place);
    }

    int layer() { return layerIndex(attributes.getLayer()); }

    // CAD compares layer names ignoring case; the first spelling met names the layer.
    int layerIndex(const std::string& name) {
        if (const auto known = m_byName.find(name); known != m_byName.end())
            return known->second;
        const QString text = fromDxfString(name);
        const QString key = text.toUpper();
        int index = m_byKey.value(key, -1);
        if (index < 0) {
            index = static_cast<int>(drawing.layers.size());
            drawing.layers.push_back({text});
            m_byKey.insert(key, index);
        }
        m_byName.emplace(name, index);
        return index;
    }

    DxfFeed& m_feed;
    const DxfLimits& m_limits;
    Space m_model;
    std::unordered_map<std::string, Space> m_blocks; // by name; its nodes stay where they are
    Space* m_block = nullptr;                        // the block being read
    Space m_ignored;                                 // a second definition of a block's name
    std::string m_section;
    RawEntity m_raw;
    std::string m_lastDimensionBlock;
    int m_layerZero = -1;
    qint64 m_entities = 0;
    qint64 m_vertices = 0;
    std::optional<DxfPolyline> m_polyline;
    Space* m_polylineSpace = nullptr;
    DxfTransform m_polylinePlace;
    bool m_polylineBroken = false;
    std::optional<Spline> m_spline;
    std::optional<Outline> m_leader;
    std::optional<Hatch> m_hatch;
    std::string m_mtext;
    std::unordered_map<std::string, int> m_byName;
    QHash<QString, int> m_byKey;
};

DxfReadResult failed(const QString& why) {
    return {DxfReadResult::Outcome::Failed, {}, why};
}

// What the first bytes tell before dxflib reads any.
std::optional<QString> refusedAtSight(QIODevice& device, const DxfLimits& limits) {
    if (device.size() == 0)
        return QCoreApplication::translate("Dxf", "The file is empty.");
    if (device.size() > limits.maxBytes)
        return QCoreApplication::translate("Dxf", "The file is larger than %1 MiB.")
            .arg(limits.maxBytes / (1024 * 1024));
    const QByteArray start = device.peek(32);
    if (start.startsWith("AutoCAD Binary DXF"))
        return QCoreApplication::translate(
            "Dxf", "This is a binary DXF file; save the drawing as ASCII DXF.");
    if (start.startsWith("AC10") || start.startsWith("AC1."))
        return QCoreApplication::translate("Dxf", "This is a DWG drawing; save it as a DXF file.");
    return std::nullopt;
}

QString haltMessage(const DxfFeed& feed, QIODevice& device, const DxfLimits& limits) {
    switch (feed.halted()) {
    case DxfHalt::ReadError:
        return device.errorString();
    case DxfHalt::LongLine:
        return QCoreApplication::translate("Dxf", "Line %1 is too long for a DXF drawing.")
            .arg(feed.line());
    case DxfHalt::LargeCount:
        return QCoreApplication::translate(
                   "Dxf", "Line %1 announces %2 points, more than the file can hold.")
            .arg(feed.line())
            .arg(feed.announced());
    case DxfHalt::NoNumber:
        return QCoreApplication::translate("Dxf", "Line %1 holds no number.").arg(feed.line());
    case DxfHalt::TooManyEntities:
        return QCoreApplication::translate("Dxf", "The drawing has more than %1 entities.")
            .arg(limits.maxEntities);
    case DxfHalt::TooManyVertices:
        return QCoreApplication::translate("Dxf", "The drawing has more than %1 polyline vertices.")
            .arg(limits.maxVertices);
    case DxfHalt::None:
    case DxfHalt::Cancelled:
        break;
    }
    return {};
}

} // namespace

DxfReadResult readDxf(QIODevice& device, const DxfProgress& progress, const DxfLimits& limits) {
    if (const std::optional<QString> refused = refusedAtSight(device, limits))
        return failed(*refused);
    DxfFeed feed(device, progress);
    Reader reader(feed, limits);
    try {
        std::istream stream(&feed);
        DL_Dxf dxf;
        dxf.in(stream, &reader);
        reader.finish();
    } catch (const std::bad_alloc&) {
        return failed(QCoreApplication::translate("Dxf", "There is not enough memory to read "
                                                         "the drawing."));
    } catch (...) {
        return failed(QCoreApplication::translate("Dxf", "The drawing is damaged."));
    }
    if (feed.halted() == DxfHalt::Cancelled)
        return {DxfReadResult::Outcome::Cancelled, {}, {}};
    if (feed.halted() != DxfHalt::None)
        return failed(haltMessage(feed, device, limits));
    if (!feed.sawSection())
        return failed(QCoreApplication::translate("Dxf", "This is not a DXF drawing."));
    if (!feed.sawEnd())
        return failed(QCoreApplication::translate(
            "Dxf", "The drawing ends early: the file may be cut short."));
    reader.drawing.bounds = boundsOf(reader.drawing);
    return {DxfReadResult::Outcome::Read, std::move(reader.drawing), {}};
}

DxfReadResult readDxfFile(const QString& path, const DxfProgress& progress,
                          const DxfLimits& limits) {
    const auto named = [&path](const QString& why) {
        return QCoreApplication::translate("Dxf", "Could not open \"%1\": %2")
            .arg(QDir::toNativeSeparators(path), why);
    };
    if (QFileInfo(path).isDir())
        return failed(named(QCoreApplication::translate("Dxf", "it is a folder.")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(named(file.errorString()));
    DxfReadResult result = readDxf(file, progress, limits);
    if (result.outcome == DxfReadResult::Outcome::Failed)
        result.error = named(result.error);
    return result;
}

} // namespace vistaro
