// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/dxfplan.h"

#include "siteplan/dxftextpainter.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace vistaro {

namespace {

// Pixel size of the font texts are drawn with before they are scaled to their height.
constexpr int TextFontPixels = 100;
// Cells of the grid along each side of the drawing.
constexpr int GridCells = 32;
// How far a point's mark, a cross, reaches from it, in pixels of the device.
constexpr double MarkPixels = 3;

QPointF flipped(QPointF point) {
    return {point.x(), -point.y()};
}

void addPolyline(std::vector<QLineF>& lines, const std::vector<QPointF>& points) {
    for (std::size_t i = 1; i < points.size(); ++i)
        lines.emplace_back(flipped(points[i - 1]), flipped(points[i]));
}

// The first colours of the AutoCAD index as they show on white paper; the others in grey.
QColor colourOf(int index) {
    static const std::array<QColor, 7> Known{
        QColor(Qt::red),  QColor(Qt::darkYellow), QColor(Qt::darkGreen), QColor(Qt::darkCyan),
        QColor(Qt::blue), QColor(Qt::magenta),    QColor(Qt::black)};
    if (index >= 1 && index <= static_cast<int>(Known.size()))
        return Known.at(static_cast<std::size_t>(index - 1));
    return Qt::darkGray;
}

} // namespace

DxfPlan::DxfPlan(DxfDrawing drawing) : m_drawing(std::move(drawing)) {
    const DxfBounds& bounds = m_drawing.bounds;
    if (!bounds.isEmpty())
        m_rect = QRectF(QPointF(bounds.minX, -bounds.maxY), QPointF(bounds.maxX, -bounds.minY));
    // Each layer's entities by colour index, their lines not yet sorted into cells.
    struct Gathered {
        int colour = 0;
        std::vector<QLineF> lines;
        std::vector<QPainterPath> fills;
        std::vector<QPointF> marks;
    };
    std::vector<std::vector<Gathered>> gathered(m_drawing.layers.size());
    const auto inkOf = [&](const auto& entity) -> Gathered* {
        if (entity.layer < 0 || entity.layer >= static_cast<int>(gathered.size()))
            return nullptr;
        const auto layer = static_cast<std::size_t>(entity.layer);
        const int colour =
            entity.colour == DxfByLayer ? m_drawing.layers[layer].colour : entity.colour;
        std::vector<Gathered>& inks = gathered[layer];
        const auto known = std::find_if(inks.begin(), inks.end(), [colour](const Gathered& ink) {
            return ink.colour == colour;
        });
        return known != inks.end() ? &*known : &inks.emplace_back(Gathered{colour, {}, {}, {}});
    };
    const auto drawAll = [&](const auto& entities, const auto& points) {
        for (const auto& entity : entities)
            if (Gathered* ink = inkOf(entity))
                addPolyline(ink->lines, points(entity));
    };
    drawAll(m_drawing.lines, [](const DxfLine& line) { return std::vector{line.from, line.to}; });
    drawAll(m_drawing.polylines, [](const DxfPolyline& p) { return polylinePoints(p); });
    drawAll(m_drawing.arcs, [](const DxfArc& arc) { return arcPoints(arc); });
    drawAll(m_drawing.circles, [](const DxfCircle& circle) { return circlePoints(circle); });
    drawAll(m_drawing.ellipses, [](const DxfEllipse& ellipse) { return ellipsePoints(ellipse); });
    for (const DxfFill& fill : m_drawing.fills) {
        if (Gathered* ink = inkOf(fill)) {
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            for (const std::vector<QPointF>& ring : fill.rings) {
                QPolygonF polygon;
                for (const QPointF point : ring)
                    polygon << flipped(point);
                path.addPolygon(polygon);
            }
            ink->fills.push_back(std::move(path));
        }
    }
    for (const DxfPoint& point : m_drawing.points)
        if (Gathered* ink = inkOf(point))
            ink->marks.push_back(flipped(point.position));
    for (std::size_t i = 0; i < m_drawing.layers.size(); ++i) {
        const DxfLayer& source = m_drawing.layers[i];
        Layer& layer = m_layers.emplace_back(Layer{source.name, colourOf(source.colour), {}, {}});
        for (Gathered& gathering : gathered[i]) {
            Ink& ink = layer.inks.emplace_back(Ink{colourOf(gathering.colour),
                                                   {},
                                                   std::move(gathering.fills),
                                                   std::move(gathering.marks)});
            sortIntoCells(ink.cells, gathering.lines);
        }
    }
    for (const DxfText& text : m_drawing.texts) {
        if (text.layer >= 0 && text.layer < static_cast<int>(m_layers.size()))
            m_layers[static_cast<std::size_t>(text.layer)].texts.push_back(text);
    }
}

void DxfPlan::sortIntoCells(std::vector<Cell>& cells, const std::vector<QLineF>& lines) const {
    if (lines.empty())
        return;
    cells.resize(GridCells * GridCells);
    const double cellWidth = std::max(m_rect.width(), 1e-9) / GridCells;
    const double cellHeight = std::max(m_rect.height(), 1e-9) / GridCells;
    const auto index = [](double offset, double size) {
        return std::clamp(static_cast<int>(offset / size), 0, GridCells - 1);
    };
    for (const QLineF& line : lines) {
        const QPointF middle = line.center();
        Cell& cell = cells[static_cast<std::size_t>(index(middle.y() - m_rect.top(), cellHeight) *
                                                        GridCells +
                                                    index(middle.x() - m_rect.left(), cellWidth))];
        const double minX = std::min(line.x1(), line.x2());
        const double maxX = std::max(line.x1(), line.x2());
        const double minY = std::min(line.y1(), line.y2());
        const double maxY = std::max(line.y1(), line.y2());
        if (cell.lines.empty()) {
            cell.minX = minX;
            cell.maxX = maxX;
            cell.minY = minY;
            cell.maxY = maxY;
        } else {
            cell.minX = std::min(cell.minX, minX);
            cell.maxX = std::max(cell.maxX, maxX);
            cell.minY = std::min(cell.minY, minY);
            cell.maxY = std::max(cell.maxY, maxY);
        }
        cell.lines.push_back(line);
    }
    std::erase_if(cells, [](const Cell& cell) { return cell.lines.empty(); });
}

void DxfPlan::paint(QPainter& painter, const QStringList& hidden) const {
    // What the painter's device shows, in the drawing's pixels.
    bool invertible = false;
    const QTransform toDrawing = painter.combinedTransform().inverted(&invertible);
    if (!invertible || !painter.device())
        return;
    const QRectF sight =
        toDrawing.mapRect(QRectF(0, 0, painter.device()->width(), painter.device()->height()));
    // A point's mark spans the same pixels at any zoom.
    const double markReach =
        MarkPixels / std::sqrt(std::abs(painter.combinedTransform().determinant()));
    painter.save();
    // Thin lines drawn plainly: a plan of many of them draws several times faster so.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont font = painter.font();
    font.setPixelSize(TextFontPixels);
    for (const Layer& layer : m_layers) {
        if (hidden.contains(layer.name, Qt::CaseInsensitive))
            continue;
        // A layer's fills lie under its lines, whatever their colours.
        for (const Ink& ink : layer.inks)
            for (const QPainterPath& fill : ink.fills)
                if (fill.boundingRect().intersects(sight))
                    painter.fillPath(fill, ink.colour);
        for (const Ink& ink : layer.inks) {
            // A cosmetic pen: one screen pixel wide at any zoom.
            painter.setPen(QPen(ink.colour, 0));
            painter.setBrush(Qt::NoBrush);
            for (const Cell& cell : ink.cells) {
                if (cell.maxX >= sight.left() && cell.minX <= sight.right() &&
                    cell.maxY >= sight.top() && cell.minY <= sight.bottom())
                    painter.drawLines(cell.lines.data(), static_cast<int>(cell.lines.size()));
            }
            for (const QPointF mark : ink.marks) {
                const QPointF across(markReach, markReach);
                const QPointF down(markReach, -markReach);
                painter.drawLine(mark - across, mark + across);
                painter.drawLine(mark - down, mark + down);
            }
        }
        for (const DxfText& text : layer.texts) {
            painter.setPen(
                QPen(text.colour == DxfByLayer ? layer.colour : colourOf(text.colour), 0));
            paintDxfText(painter, text, font);
        }
    }
    painter.restore();
}

} // namespace vistaro
