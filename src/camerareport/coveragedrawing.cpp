// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "camerareport/coveragedrawing.h"

#include "optics/coverageformat.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vistaro {

namespace {

constexpr QRgb Ink = 0xff202020;
constexpr QRgb Ground = 0xff8a8a8a;
constexpr QRgb ViewFill = 0x5056b4e9;
constexpr QRgb SharpFill = 0x28009e73;
constexpr QRgb SharpInk = 0xff00694c;

QColor bandColour(Level level) {
    return QColor::fromRgba(levelColour(level));
}

// A band in its level's colour under its level's hatching.
void fillBand(QPainter& painter, Level level, const QPainterPath& band) {
    painter.setBrush(bandColour(level));
    painter.drawPath(band);
    painter.setBrush(QBrush(bandColour(level).darker(200), levelHatch(level)));
    painter.drawPath(band);
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The panel of each end, one above the other.
std::vector<QRectF> panels(const QRectF& area, std::size_t count) {
    std::vector<QRectF> rects;
    const double height = area.height() / double(std::max<std::size_t>(count, 1));
    for (std::size_t i = 0; i < count; ++i)
        rects.emplace_back(area.left(), area.top() + double(i) * height, area.width(), height);
    return rects;
}

void drawText(QPainter& painter, const QPointF& at, const QString& text,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop) {
    const QFontMetricsF metrics(painter.font());
    QRectF box(at, QSizeF(metrics.horizontalAdvance(text) + 2, metrics.height()));
    if (align & Qt::AlignHCenter)
        box.moveLeft(at.x() - box.width() / 2);
    else if (align & Qt::AlignRight)
        box.moveRight(at.x());
    if (align & Qt::AlignVCenter)
        box.moveTop(at.y() - box.height() / 2);
    else if (align & Qt::AlignBottom)
        box.moveBottom(at.y());
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawPanelName(QPainter& painter, const QRectF& panel, const QString& name) {
    if (name.isEmpty())
        return;
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    painter.setPen(QColor::fromRgba(Ink));
    drawText(painter, panel.topLeft() + QPointF(4, 2), name);
    painter.restore();
}

void drawNothing(QPainter& painter, const QRectF& panel) {
    painter.setPen(QColor::fromRgba(Ink));
    painter.drawText(panel, Qt::AlignCenter, QStringLiteral("-"));
}

void drawScale(QPainter& painter, const QPointF& at, double metres, double pixelsPerMetre,
               Units units) {
    const double length = metres * pixelsPerMetre;
    painter.setPen(QPen(QColor::fromRgba(Ink), 0));
    painter.drawLine(at, at + QPointF(length, 0));
    for (const double x : {0.0, length})
        painter.drawLine(at + QPointF(x, -4), at + QPointF(x, 0));
    drawText(painter, at + QPointF(length + 4, 0), CoverageText::length(metres, units),
             Qt::AlignLeft | Qt::AlignVCenter);
}

// How far the lowest level reaches: where the bands end.
double lowestReach(const ViewEnd& end) {
    return end.result.levelDistanceM.empty() ? 0 : end.result.levelDistanceM[0].value_or(0);
}

// A lens that is not rectilinear is drawn as a sector, bands cut at distances from the camera;
// its field may pass 180°, so the sector stops just short of all around.
bool isSector(const ViewEnd& end) {
    return end.result.projection != Projection::Rectilinear;
}

double drawnHalfAngle(const ViewEnd& end) {
    return std::min(radians(*end.result.angleHDeg / 2), std::numbers::pi * 0.999);
}

// How far the field of `end`, out to `reach` metres, spreads across the axis to each side, and
// how far behind the camera it reaches (a sector of more than 180°).
struct ConeExtent {
    double across = 0;
    double behind = 0;
};

ConeExtent coneExtent(const ViewEnd& end, double reach) {
    const double half = drawnHalfAngle(end);
    if (!isSector(end))
        return {reach * std::tan(half), 0};
    return {reach * (half < std::numbers::pi / 2 ? std::sin(half) : 1),
            std::max(0.0, -reach * std::cos(half))};
}

// The band of the field from the camera out to `metres`, in the view's metres.
QPainterPath bandShape(const ViewEnd& end, double metres) {
    const double half = drawnHalfAngle(end);
    QPainterPath path(QPointF(0, 0));
    if (isSector(end)) {
        const double degrees = half * 180 / std::numbers::pi;
        path.arcTo(QRectF(-metres, -metres, 2 * metres, 2 * metres), -degrees, 2 * degrees);
    } else {
        path.lineTo(metres, -metres * std::tan(half));
        path.lineTo(metres, metres * std::tan(half));
    }
    path.closeSubpath();
    return path;
}

// The level colours with their names, wrapped onto as many lines as the width needs.
double legendEntryWidth(const QFontMetricsF& metrics, const LevelSet& set, Level level) {
    return metrics.height() * 0.7 + 3 +
           metrics.horizontalAdvance(CoverageText::levelName(set, level)) + 12;
}

double legendHeight(const QFontMetricsF& metrics, double width, const LevelSet& set) {
    double x = 0;
    int lines = 1;
    for (Level level = 0; level < set.size(); ++level) {
        const double entry = legendEntryWidth(metrics, set, level);
        if (x > 0 && x + entry > width) {
            ++lines;
            x = 0;
        }
        x += entry;
    }
    return lines * metrics.height() * 1.2;
}

void drawLegend(QPainter& painter, const QRectF& area, const LevelSet& set) {
    const QFontMetricsF metrics(painter.font());
    const double swatch = metrics.height() * 0.7;
    QPointF at(area.left(), area.top() + metrics.height() * 0.6);
    for (Level level = 0; level < set.size(); ++level) {
        const double entry = legendEntryWidth(metrics, set, level);
        if (at.x() > area.left() && at.x() + entry > area.right())
            at = QPointF(area.left(), at.y() + metrics.height() * 1.2);
        painter.setPen(Qt::NoPen);
        QPainterPath square;
        square.addRect(QRectF(at.x(), at.y() - swatch / 2, swatch, swatch));
        fillBand(painter, level, square);
        painter.setPen(QColor::fromRgba(Ink));
        drawText(painter, at + QPointF(swatch + 3, 0), CoverageText::levelName(set, level),
                 Qt::AlignLeft | Qt::AlignVCenter);
        at.rx() += entry;
    }
}

// The top view's parts: a panel for each end, the scale bar under them, the legend at the
// bottom; and one scale for every end, so that a zoom's two cones compare at sight.
struct TopLayout {
    std::vector<QRectF> panels;
    QRectF scaleBar;
    QRectF legend;
    double pixelsPerMetre = 0; // none when no end can be drawn
};

bool coneDrawable(const ViewEnd& end) {
    return end.result.angleHDeg && lowestReach(end) > 0;
}

// How far the top view of `end` reaches along its axis: somewhat past the farther of the aim and
// the wanted level's reach, so that both fill the drawing; the lower levels' bands, reaching
// farther, run off its edge. Without either, as far as the lowest level reaches.
double coneReach(const ViewEnd& end, Level wanted) {
    const std::vector<std::optional<double>>& reach = end.result.levelDistanceM;
    const double band = wanted < reach.size() ? reach[wanted].value_or(0) : 0;
    const double shown = std::max(band, end.distanceM.value_or(0));
    return (shown > 0 ? shown : lowestReach(end)) * 1.15;
}

// Where the cone of a panel goes: a row of labels above it, the marks under it and, on the
// right, the arrow of the bands that go on.
QRectF coneRoom(const QRectF& panel, const QFontMetricsF& metrics) {
    const double line = metrics.height();
    return panel.adjusted(8, line + 4, -(8 + line * 1.5), -(line + 10));
}

// The camera on the left of the cone's room (right of what a field past 180° sees behind it),
// half way up.
QTransform coneTransform(const QRectF& panel, const QFontMetricsF& metrics, double pixelsPerMetre,
                         const ViewEnd& end, Level wanted) {
    const double behind = coneExtent(end, coneReach(end, wanted)).behind;
    const QRectF room = coneRoom(panel, metrics);
    return {pixelsPerMetre,   0, 0, pixelsPerMetre, room.left() + behind * pixelsPerMetre,
            room.center().y()};
}

TopLayout topLayout(const QRectF& area, const QFontMetricsF& metrics, const ViewModel& model) {
    TopLayout layout;
    const double legendTall = legendHeight(metrics, area.width() - 8, model.levelSet);
    layout.legend =
        QRectF(area.left() + 4, area.bottom() - legendTall - 2, area.width() - 8, legendTall);
    const double barTall = metrics.height() + 8;
    layout.scaleBar = QRectF(area.left(), layout.legend.top() - barTall, area.width(), barTall);
    layout.panels = panels(QRectF(area.topLeft(), QPointF(area.right(), layout.scaleBar.top())),
                           model.ends.size());
    for (std::size_t i = 0; i < model.ends.size(); ++i) {
        const ViewEnd& end = model.ends[i];
        if (!coneDrawable(end))
            continue;
        const double reach = coneReach(end, model.level);
        const ConeExtent extent = coneExtent(end, reach);
        const QRectF room = coneRoom(layout.panels[i], metrics);
        const double fit =
            std::min(room.width() / (reach + extent.behind), room.height() / (2 * extent.across));
        layout.pixelsPerMetre =
            layout.pixelsPerMetre > 0 ? std::min(layout.pixelsPerMetre, fit) : fit;
    }
    return layout;
}

// The row under the cone where its marks stand: just under the widest part of the cone in view.
double markRow(const QRectF& panel, const QFontMetricsF& metrics, const ViewEnd& end,
               const ViewModel& model, const QTransform& toPixels) {
    const double across = coneExtent(end, coneReach(end, model.level)).across;
    return std::min(toPixels.map(QPointF(0, across)).y(), coneRoom(panel, metrics).bottom()) + 3;
}

// The marks under the cone of `end`, each band end in the view and the cut where the bands go
// on, their texts placed in turn where they overlap none placed before.
std::vector<CoverageDrawing::Mark> coneMarks(const QRectF& panel, const QFontMetricsF& metrics,
                                             const ViewEnd& end, const ViewModel& model,
                                             const QTransform& toPixels) {
    const double viewReach = coneReach(end, model.level);
    const std::vector<std::optional<double>>& reach = end.result.levelDistanceM;
    const double top = markRow(panel, metrics, end, model, toPixels) + 5;
    std::vector<CoverageDrawing::Mark> marks;
    std::vector<QRectF> taken;
    const auto place = [&](double metres, const QString& text, QRectF box) {
        box.moveLeft(std::clamp(box.left(), panel.left() + 2, panel.right() - 2 - box.width()));
        const bool free = std::none_of(taken.begin(), taken.end(), [&box](const QRectF& other) {
            return other.adjusted(-4, 0, 4, 0).intersects(box);
        });
        if (free)
            taken.push_back(box);
        marks.push_back({metres, free ? text : QString(), box});
    };
    // Beside the cut, past its tick: where the lower bands go on.
    bool cutPlaced = !(lowestReach(end) > viewReach);
    const auto placeCut = [&] {
        if (cutPlaced)
            return;
        cutPlaced = true;
        const QString text = CoverageDrawing::tr("continues") + QStringLiteral(" \u2192");
        const double cut = toPixels.map(QPointF(viewReach, 0)).x();
        place(viewReach, text,
              QRectF(cut + 4, top, metrics.horizontalAdvance(text) + 2, metrics.height()));
    };
    // The wanted level's band first, its far end then its near one, then the cut, then the
    // levels outwards from it.
    std::vector<Level> order;
    for (Level level = 0; level < reach.size(); ++level)
        order.push_back(level);
    const auto distance = [&model](Level level) {
        const Level wanted = model.level;
        return level > wanted ? 2 * (level - wanted) - 1 : 2 * (wanted - level);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](Level one, Level other) { return distance(one) < distance(other); });
    for (const Level level : order) {
        if (distance(level) > 1)
            placeCut();
        const double metres = reach[level].value_or(0);
        if (!(metres > 0) || metres > viewReach)
            continue;
        const QString text = CoverageText::reach(metres, model.units);
        const double width = metrics.horizontalAdvance(text) + 2;
        const double x = toPixels.map(QPointF(metres, 0)).x();
        place(metres, text, QRectF(x - width / 2, top, width, metrics.height()));
    }
    placeCut();
    return marks;
}

// A ruler under the cone with a tick at each band end and at the cut, and an arrow on the axis
// where the bands go on past the view.
void paintMarks(QPainter& painter, const QRectF& panel, const ViewEnd& end, const ViewModel& model,
                const QTransform& toPixels) {
    const QFontMetricsF metrics(painter.font());
    const double viewReach = coneReach(end, model.level);
    const double row = markRow(panel, metrics, end, model, toPixels);
    const double camera = toPixels.map(QPointF(0, 0)).x();
    const double cut = toPixels.map(QPointF(std::min(viewReach, lowestReach(end)), 0)).x();
    painter.setPen(QPen(QColor::fromRgba(Ink), 0));
    painter.drawLine(QPointF(camera, row), QPointF(cut, row));
    for (const CoverageDrawing::Mark& mark : coneMarks(panel, metrics, end, model, toPixels)) {
        const double x = toPixels.map(QPointF(mark.metres, 0)).x();
        painter.drawLine(QPointF(x, row - 3), QPointF(x, row + 3));
        if (!mark.text.isEmpty())
            painter.drawText(mark.box, Qt::AlignCenter, mark.text);
    }
    if (lowestReach(end) > viewReach) {
        const QPointF from(cut, toPixels.dy());
        const QPointF tip = from + QPointF(metrics.height() * 1.3, 0);
        painter.setPen(QPen(QColor::fromRgba(Ink), 2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(from, tip);
        painter.setBrush(QColor::fromRgba(Ink));
        painter.drawPolygon(
            QPolygonF{tip + QPointF(2, 0), tip + QPointF(-5, -4), tip + QPointF(-5, 4)});
    }
}

// The top view of one end, `toPixels` taking metres along and across the axis: the cone, widest
// band first so the nearer ones lie on top, cut where the view ends.
void paintCone(QPainter& painter, const QRectF& panel, const ViewEnd& end,
               const QTransform& toPixels, const ViewModel& model) {
    const Units units = model.units;
    const double halfTan = std::tan(drawnHalfAngle(end));
    const double pixelsPerMetre = toPixels.m11();
    const auto edge = [&](double metres, double side) {
        return toPixels.map(QPointF(metres, side * metres * halfTan));
    };
    const QFontMetricsF metrics(painter.font());
    const double viewReach = coneReach(end, model.level);
    const double cut = toPixels.map(QPointF(viewReach, 0)).x();
    const QRectF room = coneRoom(panel, metrics);
    const std::vector<std::optional<double>>& reach = end.result.levelDistanceM;
    painter.save();
    painter.setClipRect(QRectF(QPointF(panel.left(), room.top()), QPointF(cut, room.bottom())));
    for (Level level = 0; level < reach.size(); ++level) {
        const double metres = reach[level].value_or(0);
        painter.setPen(Qt::NoPen);
        fillBand(painter, level, toPixels.map(bandShape(end, metres)));
    }
    painter.restore();
    // Each band's name where it has room in the view, from the highest level outwards.
    double nearer = 0;
    for (Level level = reach.size(); level-- > 0;) {
        const double farther = std::min(reach[level].value_or(0), viewReach);
        const QString name = CoverageText::levelName(model.levelSet, level);
        const double width = (farther - nearer) * pixelsPerMetre;
        const double middle = (nearer + farther) / 2;
        const double height = 2 * coneExtent(end, middle).across * pixelsPerMetre;
        if (width > metrics.horizontalAdvance(name) + 6 && height > metrics.height() + 2) {
            painter.setPen(QColor::fromRgba(Ink));
            drawText(painter, edge(middle, 0), name, Qt::AlignCenter);
        }
        nearer = farther;
    }
    paintMarks(painter, panel, end, model, toPixels);
    // The scene line where the field meets the plane at the distance: never, at 180° or more.
    if (end.distanceM && end.result.sceneWidthM && halfTan > 0) {
        const double d = *end.distanceM;
        QPen scene(QColor::fromRgba(Ink), 2);
        scene.setCapStyle(Qt::FlatCap);
        painter.setPen(scene);
        painter.drawLine(edge(d, -1), edge(d, 1));
        // Its width, then where the person stands, in the row over the cone.
        const QString width = CoverageText::length(end.result.sceneWidthM, units);
        const QPointF label = edge(d, -1) + QPointF(4, 0);
        const QPointF at(label.x(), std::max(label.y(), panel.top() + metrics.height()));
        drawText(painter, at, width, Qt::AlignLeft | Qt::AlignBottom);
        drawText(painter, at + QPointF(metrics.horizontalAdvance(width + QLatin1Char(' ')), 0),
                 CoverageDrawing::tr("at %1").arg(CoverageText::length(d, units)),
                 Qt::AlignLeft | Qt::AlignBottom);
    } else if (end.distanceM && isSector(end)) {
        // The aim distance as an arc across the field.
        const double d = *end.distanceM;
        const double degrees = drawnHalfAngle(end) * 180 / std::numbers::pi;
        const QRectF circle = toPixels.mapRect(QRectF(-d, -d, 2 * d, 2 * d));
        QPainterPath arc;
        arc.arcMoveTo(circle, -degrees);
        arc.arcTo(circle, -degrees, 2 * degrees);
        painter.setPen(QPen(QColor::fromRgba(Ink), 2, Qt::DashLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(arc);
        // Off the axis, where the bands' names are.
        const double off = std::numbers::pi / 4;
        drawText(painter, toPixels.map(QPointF(d * std::cos(off), d * std::sin(off))),
                 CoverageDrawing::tr("at %1").arg(CoverageText::length(d, units)));
    }
}

// The side view of one end: x along the ground from the foot of the pole, y up from the
// ground, both to one scale; heights are multiplied by `heightFactor` where the view would
// otherwise be too flat to read.
struct SideLayout {
    QRectF plot;
    QTransform toPixels;
    double rightM = 0; // the ground shown, from the pole
    int heightFactor = 1;
};

// The smallest round factor that makes heights `tall` pixels high fill a third of `room`: 1
// where they already do. Factors step by 2.5 at most, so the heights still fit.
int heightFactor(double tall, double room) {
    constexpr std::array<int, 10> Factors{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    const auto enough = std::find_if(Factors.begin(), Factors.end(),
                                     [&](int factor) { return factor * tall * 3 >= room; });
    return enough == Factors.end() ? Factors.back() : *enough;
}

bool sideDrawable(const ViewEnd& end, const ViewModel& model) {
    return end.result.tiltDeg && end.result.angleVDeg && end.distanceM && model.mountHeightM;
}

// None when the panel leaves no room for the plot.
std::optional<SideLayout> sideLayout(const QRectF& panel, const QFontMetricsF& metrics,
                                     const ViewEnd& end, const ViewModel& model) {
    const CoverageResult& r = end.result;
    const double line = metrics.height();
    const double base = std::max(*end.distanceM, r.ground.nearM.value_or(0));
    double extentX = base * 1.25;
    if (r.ground.farM && *r.ground.farM <= base * 3)
        extentX = std::max(extentX, *r.ground.farM * 1.08);
    const double extentY = std::max(*model.mountHeightM, model.targetHeightM.value_or(0)) * 1.3;
    SideLayout layout;
    layout.plot = panel.adjusted(line * 3.2, line * 1.3, -line * 0.6, -line * 2.4);
    const double pixelsPerMetre =
        std::min(layout.plot.width() / extentX, layout.plot.height() / extentY);
    if (!(pixelsPerMetre > 0) || !std::isfinite(pixelsPerMetre))
        return std::nullopt;
    layout.rightM = layout.plot.width() / pixelsPerMetre;
    layout.heightFactor = heightFactor(extentY * pixelsPerMetre, layout.plot.height());
    layout.toPixels = QTransform(pixelsPerMetre, 0, 0, -pixelsPerMetre * layout.heightFactor,
                                 layout.plot.left(), layout.plot.bottom());
    return layout;
}

// A person from `foot` up to `top`, as wide as a person `heightFactor` times shorter.
void paintPerson(QPainter& painter, const QPointF& foot, const QPointF& top, int heightFactor) {
    const double tall = foot.y() - top.y();
    const double wide = tall / heightFactor;
    const double head = std::max(3.0, tall * 0.13);
    const double headWide = std::max(3.0, wide * 0.13);
    painter.setPen(
        QPen(QColor::fromRgba(Ink), std::max(1.5, wide * 0.05), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QPointF neck = top + QPointF(0, head);
    const QPointF hip = foot - QPointF(0, tall * 0.45);
    painter.drawEllipse(QRectF(top.x() - headWide / 2, top.y(), headWide, head));
    painter.drawLine(neck, hip);
    painter.drawLine(hip, foot + QPointF(-wide * 0.12, 0));
    painter.drawLine(hip, foot + QPointF(wide * 0.12, 0));
    painter.drawLine(neck + QPointF(0, tall * 0.1), neck + QPointF(-wide * 0.14, tall * 0.35));
    painter.drawLine(neck + QPointF(0, tall * 0.1), neck + QPointF(wide * 0.14, tall * 0.35));
}

// Where the picture is sharp, shaded from the ground to the top of the plot: the depth of field's
// limits are distances along the axis, drawn where they lie over the ground.
void paintSharpZone(QPainter& painter, const SideLayout& layout, const DepthOfField& depth,
                    double tilt) {
    const double toGround = std::cos(tilt);
    const double nearX = depth.nearM * toGround;
    const double farX = std::min(depth.farM.value_or(layout.rightM) * toGround, layout.rightM);
    if (!(farX > nearX))
        return;
    const QRectF& plot = layout.plot;
    const double left = layout.toPixels.map(QPointF(nearX, 0)).x();
    const double right = layout.toPixels.map(QPointF(farX, 0)).x();
    const QRectF zone(QPointF(left, plot.top()), QPointF(right, plot.bottom()));
    painter.fillRect(zone, QColor::fromRgba(SharpFill));
    painter.setPen(QColor::fromRgba(SharpInk));
    drawText(painter, QPointF(zone.center().x(), plot.top()), CoverageDrawing::tr("sharp"),
             Qt::AlignHCenter | Qt::AlignTop);
}

void paintSide(QPainter& painter, const QRectF& panel, const ViewEnd& end, const ViewModel& model,
               const SideLayout& layout) {
    const CoverageResult& r = end.result;
    const Units units = model.units;
    const double d = *end.distanceM;
    const double mount = *model.mountHeightM;
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const QRectF& plot = layout.plot;
    const auto at = [&layout](double x, double y) { return layout.toPixels.map(QPointF(x, y)); };
    const double right = layout.rightM;
    const bool farShown = r.ground.farM && *r.ground.farM <= right;
    const double tilt = radians(*r.tiltDeg);
    const double half = radians(*r.angleVDeg) / 2;
    const QPointF camera = at(0, mount);
    // A field past 180° has edges beyond the vertical: drawn at it, where they leave the plot.
    const auto rayEnd = [&](double angle) {
        const double steepest = radians(89.9);
        return at(right, mount - right * std::tan(std::clamp(angle, -steepest, steepest)));
    };

    painter.save();
    painter.setClipRect(plot.adjusted(-2, -line, 2, 2));
    if (r.depth)
        paintSharpZone(painter, layout, *r.depth, tilt);
    QPolygonF view{camera};
    if (r.ground.nearM) {
        view << at(*r.ground.nearM, 0);
        if (farShown)
            view << at(*r.ground.farM, 0);
        else
            view << at(right, 0) << rayEnd(tilt - half);
    } else {
        view << rayEnd(tilt + half) << rayEnd(tilt - half);
    }
    painter.setPen(QPen(QColor::fromRgb(ViewFill).darker(130), 0));
    painter.setBrush(QColor::fromRgba(ViewFill));
    painter.drawPolygon(view);
    // The axis up to the person, or to the ground where it meets it nearer.
    const double axisEnd = tilt > 0 ? std::min(d, mount / std::tan(tilt)) : d;
    painter.setPen(QPen(QColor::fromRgba(Ink), 0, Qt::DashLine));
    painter.drawLine(camera, at(axisEnd, mount - axisEnd * std::tan(tilt)));
    painter.restore();

    painter.setPen(QPen(QColor::fromRgba(Ground), 2));
    painter.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));
    painter.setPen(QPen(QColor::fromRgba(Ink), 2));
    painter.drawLine(at(0, 0), camera);
    painter.setBrush(QColor::fromRgba(Ink));
    painter.drawRect(QRectF(camera - QPointF(3, 3), QSizeF(8, 6)));
    if (model.targetHeightM)
        paintPerson(painter, at(d, 0), at(d, *model.targetHeightM), layout.heightFactor);

    painter.setPen(QColor::fromRgba(Ink));
    drawText(painter, QPointF(plot.left() - 4, (camera.y() + plot.bottom()) / 2),
             CoverageText::length(mount, units), Qt::AlignRight | Qt::AlignVCenter);
    drawText(painter, camera + QPointF(8, -2),
             CoverageDrawing::tr("tilt %1, vertical %2")
                 .arg(CoverageText::angle(r.tiltDeg), CoverageText::angle(r.angleVDeg)),
             Qt::AlignLeft | Qt::AlignBottom);
    if (layout.heightFactor > 1)
        drawText(painter, QPointF(plot.right(), panel.top() + 2),
                 CoverageDrawing::tr("heights x %1").arg(layout.heightFactor),
                 Qt::AlignRight | Qt::AlignTop);

    const double groundY = plot.bottom() + 3;
    if (r.ground.nearM) {
        painter.setPen(QPen(QColor::fromRgba(DeadZoneColour), 5, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(at(0, 0), at(*r.ground.nearM, 0));
        painter.setPen(QColor::fromRgba(Ink));
        drawText(
            painter, QPointF(plot.left(), groundY),
            CoverageDrawing::tr("dead zone %1").arg(CoverageText::length(r.ground.nearM, units)));
    }
    // Inside a sentence, so not the figure's own capitalised text.
    const QString far =
        r.ground.farUnbounded
            ? CoverageDrawing::tr("far edge unbounded (horizon)")
            : CoverageDrawing::tr("far edge %1").arg(CoverageText::length(r.ground.farM, units));
    if (farShown) {
        const QPointF edge = at(*r.ground.farM, 0);
        painter.drawLine(edge, edge + QPointF(0, 4));
        drawText(painter, QPointF(std::min(edge.x(), plot.right()), groundY + line), far,
                 Qt::AlignRight | Qt::AlignTop);
    } else if (r.ground.nearM) {
        drawText(painter, QPointF(plot.right(), groundY + line), far + QStringLiteral(" \u2192"),
                 Qt::AlignRight | Qt::AlignTop);
    }
    // Over the person's head, clear of the labels along the ground.
    QString person = CoverageText::length(d, units);
    if (model.targetHeightM)
        person += QStringLiteral(" / ") + CoverageText::length(model.targetHeightM, units);
    drawText(painter, at(d, model.targetHeightM.value_or(0)) - QPointF(0, 2), person,
             Qt::AlignHCenter | Qt::AlignBottom);
}

} // namespace

void CoverageDrawing::paintTopView(QPainter& painter, const QRectF& area, const ViewModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const TopLayout layout = topLayout(area, metrics, model);
    for (std::size_t i = 0; i < model.ends.size(); ++i) {
        const ViewEnd& end = model.ends[i];
        const QRectF& panel = layout.panels[i];
        if (layout.pixelsPerMetre > 0 && coneDrawable(end))
            paintCone(painter, panel, end,
                      coneTransform(panel, metrics, layout.pixelsPerMetre, end, model.level),
                      model);
        else
            drawNothing(painter, panel);
        drawPanelName(painter, panel, end.name);
    }
    if (layout.pixelsPerMetre > 0) {
        // Under the cones, starting under the camera; a fifth of the width shown.
        const QRectF& bar = layout.scaleBar;
        const double metres = roundLength(bar.width() / layout.pixelsPerMetre / 5, model.units);
        drawScale(painter, QPointF(bar.left() + 8, bar.center().y() + 2), metres,
                  layout.pixelsPerMetre, model.units);
    }
    drawLegend(painter, layout.legend, model.levelSet);
    painter.restore();
}

void CoverageDrawing::paintSideView(QPainter& painter, const QRectF& area, const ViewModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const std::vector<QRectF> rects = panels(area, model.ends.size());
    for (std::size_t i = 0; i < model.ends.size(); ++i) {
        const ViewEnd& end = model.ends[i];
        const std::optional<SideLayout> layout =
            sideDrawable(end, model) ? sideLayout(rects[i], metrics, end, model) : std::nullopt;
        if (layout)
            paintSide(painter, rects[i], end, model, *layout);
        else
            drawNothing(painter, rects[i]);
        drawPanelName(painter, rects[i], end.name);
    }
    painter.restore();
}

std::optional<QTransform> CoverageDrawing::topViewScale(const QRectF& area, const QFont& font,
                                                        const ViewModel& model, std::size_t end) {
    const TopLayout layout = topLayout(area, QFontMetricsF(font), model);
    if (end >= model.ends.size() || !(layout.pixelsPerMetre > 0) || !coneDrawable(model.ends[end]))
        return std::nullopt;
    return coneTransform(layout.panels[end], QFontMetricsF(font), layout.pixelsPerMetre,
                         model.ends[end], model.level);
}

std::vector<CoverageDrawing::Mark> CoverageDrawing::topViewMarks(const QRectF& area,
                                                                 const QFont& font,
                                                                 const ViewModel& model,
                                                                 std::size_t end) {
    const std::optional<QTransform> toPixels = topViewScale(area, font, model, end);
    if (!toPixels)
        return {};
    const QFontMetricsF metrics(font);
    const QRectF panel = topLayout(area, metrics, model).panels[end];
    return coneMarks(panel, metrics, model.ends[end], model, *toPixels);
}

std::optional<QTransform> CoverageDrawing::sideViewScale(const QRectF& area, const QFont& font,
                                                         const ViewModel& model, std::size_t end) {
    if (end >= model.ends.size() || !sideDrawable(model.ends[end], model))
        return std::nullopt;
    const std::optional<SideLayout> layout = sideLayout(
        panels(area, model.ends.size())[end], QFontMetricsF(font), model.ends[end], model);
    return layout ? std::optional(layout->toPixels) : std::nullopt;
}

} // namespace vistaro
