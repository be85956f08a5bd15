// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "coverage/coveragedrawing.h"

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
constexpr QRgb DeadZoneColour = 0xffd55e00;

QColor bandColour(Level level) {
    return QColor::fromRgba(LevelColours.at(static_cast<std::size_t>(level)));
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

double detectionReach(const ViewEnd& end) {
    return end.result.levelDistanceM[0].value_or(0);
}

// The top view of one end: the cone, widest band first so the nearer ones lie on top.
void paintCone(QPainter& painter, const QRectF& panel, const ViewEnd& end, double pixelsPerMetre,
               const QPointF& apex, Units units) {
    const double halfTan = std::tan(radians(*end.result.angleHDeg / 2));
    const auto edge = [&](double metres, double side) {
        return apex + QPointF(metres * pixelsPerMetre, side * metres * halfTan * pixelsPerMetre);
    };
    const QFontMetricsF metrics(painter.font());
    double nearer = 0;
    std::array<double, 4> reach{};
    for (const Level level : AllLevels)
        reach.at(static_cast<std::size_t>(level)) =
            end.result.levelDistanceM.at(static_cast<std::size_t>(level)).value_or(0);
    for (const Level level : AllLevels) {
        const double metres = reach.at(static_cast<std::size_t>(level));
        painter.setPen(Qt::NoPen);
        painter.setBrush(bandColour(level));
        painter.drawPolygon(QPolygonF{apex, edge(metres, -1), edge(metres, 1)});
    }
    // Each band's name where it has room, from identification outwards.
    for (auto level = AllLevels.rbegin(); level != AllLevels.rend(); ++level) {
        const double farther = reach.at(static_cast<std::size_t>(*level));
        const QString name = CoverageText::levelName(*level);
        const double width = (farther - nearer) * pixelsPerMetre;
        const double middle = (nearer + farther) / 2;
        const double height = 2 * middle * halfTan * pixelsPerMetre;
        if (width > metrics.horizontalAdvance(name) + 6 && height > metrics.height() + 2) {
            painter.setPen(QColor::fromRgba(Ink));
            drawText(painter, edge(middle, 0), name, Qt::AlignCenter);
        }
        nearer = farther;
    }
    if (end.distanceM && end.result.sceneWidthM) {
        const double d = *end.distanceM;
        QPen scene(QColor::fromRgba(Ink), 2);
        scene.setCapStyle(Qt::FlatCap);
        painter.setPen(scene);
        painter.drawLine(edge(d, -1), edge(d, 1));
        const QString text = CoverageText::length(end.result.sceneWidthM, units);
        const QPointF label = edge(d, -1) + QPointF(4, 0);
        drawText(painter, QPointF(label.x(), std::max(label.y(), panel.top() + metrics.height())),
                 text, Qt::AlignLeft | Qt::AlignBottom);
    }
}

// The level colours with their names, wrapped onto as many lines as the width needs.
double legendEntryWidth(const QFontMetricsF& metrics, Level level) {
    return metrics.height() * 0.7 + 3 + metrics.horizontalAdvance(CoverageText::levelName(level)) +
           12;
}

double legendHeight(const QFontMetricsF& metrics, double width) {
    double x = 0;
    int lines = 1;
    for (const Level level : AllLevels) {
        const double entry = legendEntryWidth(metrics, level);
        if (x > 0 && x + entry > width) {
            ++lines;
            x = 0;
        }
        x += entry;
    }
    return lines * metrics.height() * 1.2;
}

void drawLegend(QPainter& painter, const QRectF& area) {
    const QFontMetricsF metrics(painter.font());
    const double swatch = metrics.height() * 0.7;
    QPointF at(area.left(), area.top() + metrics.height() * 0.6);
    for (const Level level : AllLevels) {
        const double entry = legendEntryWidth(metrics, level);
        if (at.x() > area.left() && at.x() + entry > area.right())
            at = QPointF(area.left(), at.y() + metrics.height() * 1.2);
        painter.setPen(Qt::NoPen);
        painter.setBrush(bandColour(level));
        painter.drawRect(QRectF(at.x(), at.y() - swatch / 2, swatch, swatch));
        painter.setPen(QColor::fromRgba(Ink));
        drawText(painter, at + QPointF(swatch + 3, 0), CoverageText::levelName(level),
                 Qt::AlignLeft | Qt::AlignVCenter);
        at.rx() += entry;
    }
}

struct SideScale {
    QRectF plot;
    double extentX;
    double extentY;
    QPointF at(double x, double y) const {
        return {plot.left() + x / extentX * plot.width(),
                plot.bottom() - y / extentY * plot.height()};
    }
};

void paintPerson(QPainter& painter, const SideScale& scale, double distance, double height) {
    const QPointF foot = scale.at(distance, 0);
    const QPointF top = scale.at(distance, height);
    const double tall = foot.y() - top.y();
    const double head = std::max(3.0, tall * 0.13);
    painter.setPen(
        QPen(QColor::fromRgba(Ink), std::max(1.5, tall * 0.05), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QPointF neck = top + QPointF(0, head);
    const QPointF hip = foot - QPointF(0, tall * 0.45);
    painter.drawEllipse(QRectF(top.x() - head / 2, top.y(), head, head));
    painter.drawLine(neck, hip);
    painter.drawLine(hip, foot + QPointF(-tall * 0.12, 0));
    painter.drawLine(hip, foot + QPointF(tall * 0.12, 0));
    painter.drawLine(neck + QPointF(0, tall * 0.1), neck + QPointF(-tall * 0.14, tall * 0.35));
    painter.drawLine(neck + QPointF(0, tall * 0.1), neck + QPointF(tall * 0.14, tall * 0.35));
}

void paintSide(QPainter& painter, const QRectF& panel, const ViewEnd& end, double mount,
               double target, Units units) {
    const CoverageResult& r = end.result;
    const double d = *end.distanceM;
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const double nearM = r.ground.nearM.value_or(0);
    const double base = std::max(d, nearM);
    double extentX = base * 1.25;
    const bool farShown = r.ground.farM && *r.ground.farM <= base * 3;
    if (farShown)
        extentX = std::max(extentX, *r.ground.farM * 1.08);
    const QRectF plot = panel.adjusted(line * 3.2, line * 1.3, -line * 0.6, -line * 2.4);
    const SideScale scale{plot, extentX, std::max(mount, target) * 1.3};
    const double tilt = radians(*r.tiltDeg);
    const double half = radians(*r.angleVDeg) / 2;
    const QPointF camera = scale.at(0, mount);
    const auto rayEnd = [&](double angle) {
        return scale.at(extentX, mount - extentX * std::tan(angle));
    };

    painter.save();
    painter.setClipRect(plot.adjusted(-2, -line, 2, 2));
    QPolygonF view{camera};
    if (r.ground.nearM) {
        view << scale.at(nearM, 0);
        if (farShown)
            view << scale.at(*r.ground.farM, 0);
        else
            view << scale.at(extentX, 0) << rayEnd(tilt - half);
    } else {
        view << rayEnd(tilt + half) << rayEnd(tilt - half);
    }
    painter.setPen(QPen(QColor::fromRgba(LevelColours[0]).darker(130), 0));
    painter.setBrush(QColor::fromRgba(ViewFill));
    painter.drawPolygon(view);
    QPen axis(QColor::fromRgba(Ink), 0, Qt::DashLine);
    painter.setPen(axis);
    painter.drawLine(camera, scale.at(d, target));
    painter.restore();

    painter.setPen(QPen(QColor::fromRgba(Ground), 2));
    painter.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.right(), plot.bottom()));
    painter.setPen(QPen(QColor::fromRgba(Ink), 2));
    painter.drawLine(scale.at(0, 0), camera);
    painter.setBrush(QColor::fromRgba(Ink));
    painter.drawRect(QRectF(camera - QPointF(3, 3), QSizeF(8, 6)));
    paintPerson(painter, scale, d, target);

    painter.setPen(QColor::fromRgba(Ink));
    drawText(painter, QPointF(plot.left() - 4, (camera.y() + plot.bottom()) / 2),
             CoverageText::length(mount, units), Qt::AlignRight | Qt::AlignVCenter);
    drawText(painter, camera + QPointF(8, -2),
             CoverageDrawing::tr("tilt %1, vertical %2")
                 .arg(CoverageText::angle(r.tiltDeg), CoverageText::angle(r.angleVDeg)),
             Qt::AlignLeft | Qt::AlignBottom);

    const double groundY = plot.bottom() + 3;
    if (r.ground.nearM) {
        painter.setPen(QPen(QColor::fromRgba(DeadZoneColour), 5, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(scale.at(0, 0), scale.at(nearM, 0));
        painter.setPen(QColor::fromRgba(Ink));
        drawText(painter, QPointF(plot.left(), groundY),
                 CoverageDrawing::tr("dead zone %1").arg(CoverageText::length(nearM, units)));
    }
    const QString far =
        CoverageDrawing::tr("far edge %1").arg(CoverageText::farEdge(r.ground, units));
    if (farShown) {
        const QPointF at = scale.at(*r.ground.farM, 0);
        painter.drawLine(at, at + QPointF(0, 4));
        drawText(painter, QPointF(std::min(at.x(), plot.right()), groundY + line), far,
                 Qt::AlignRight | Qt::AlignTop);
    } else if (r.ground.nearM) {
        drawText(painter, QPointF(plot.right(), groundY + line), far + QStringLiteral(" \u2192"),
                 Qt::AlignRight | Qt::AlignTop);
    }
    drawText(painter, QPointF(scale.at(d, 0).x(), groundY),
             CoverageText::length(d, units) + QStringLiteral(" / ") +
                 CoverageText::length(target, units),
             Qt::AlignHCenter | Qt::AlignTop);
}

} // namespace

void CoverageDrawing::paintTopView(QPainter& painter, const QRectF& area, const ViewModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const double legendTall = legendHeight(metrics, area.width() - 8);
    const QRectF legend(area.left() + 4, area.bottom() - legendTall - 2, area.width() - 8,
                        legendTall);
    const QRectF drawing = area.adjusted(0, 0, 0, -legend.height() - 4);
    const double scaleTall = metrics.height() + 4;
    const std::vector<QRectF> rects = panels(drawing, model.ends.size());

    // One scale for every end, so that a zoom's two cones compare at sight.
    double pixelsPerMetre = 0;
    double spanM = 0;
    for (std::size_t i = 0; i < model.ends.size(); ++i) {
        const ViewEnd& end = model.ends[i];
        if (!end.result.angleHDeg || detectionReach(end) <= 0)
            continue;
        const double reach = std::max(detectionReach(end), end.distanceM.value_or(0)) * 1.05;
        const double halfTan = std::tan(radians(*end.result.angleHDeg / 2));
        const QRectF inner = rects[i].adjusted(8, scaleTall, -8, -4);
        const double fit = std::min(inner.width() / reach, inner.height() / (2 * reach * halfTan));
        pixelsPerMetre = pixelsPerMetre > 0 ? std::min(pixelsPerMetre, fit) : fit;
        spanM = std::max(spanM, reach);
    }
    for (std::size_t i = 0; i < model.ends.size(); ++i) {
        const ViewEnd& end = model.ends[i];
        if (pixelsPerMetre > 0 && end.result.angleHDeg && detectionReach(end) > 0)
            paintCone(painter, rects[i], end, pixelsPerMetre,
                      QPointF(rects[i].left() + 8, rects[i].center().y() + scaleTall / 2),
                      model.units);
        else
            drawNothing(painter, rects[i]);
        drawPanelName(painter, rects[i], end.name);
    }
    if (pixelsPerMetre > 0) {
        // Top right, where the narrow start of the cone leaves room.
        const double metres = roundLength(spanM / 5, model.units);
        const double wide = metres * pixelsPerMetre +
                            metrics.horizontalAdvance(CoverageText::length(metres, model.units)) +
                            12;
        drawScale(painter,
                  QPointF(drawing.right() - wide, drawing.top() + metrics.height() / 2 + 4), metres,
                  pixelsPerMetre, model.units);
    }
    drawLegend(painter, legend);
    painter.restore();
}

void CoverageDrawing::paintSideView(QPainter& painter, const QRectF& area, const ViewModel& model) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const std::vector<QRectF> rects = panels(area, model.ends.size());
    for (std::size_t i = 0; i < model.ends.size(); ++i) {
        const ViewEnd& end = model.ends[i];
        if (end.result.tiltDeg && end.result.angleVDeg && end.distanceM && model.mountHeightM &&
            model.targetHeightM)
            paintSide(painter, rects[i], end, *model.mountHeightM, *model.targetHeightM,
                      model.units);
        else
            drawNothing(painter, rects[i]);
        drawPanelName(painter, rects[i], end.name);
    }
    painter.restore();
}

} // namespace vistaro
