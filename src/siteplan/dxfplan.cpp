// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/dxfplan.h"

#include "siteplan/dxftextpainter.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <array>

namespace vistaro {

namespace {

// Pixel size of the font texts are drawn with before they are scaled to their height.
constexpr int TextFontPixels = 100;
// Cells of the grid along each side of the drawing.
constexpr int GridCells = 32;

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
    std::vector<std::vector<QLineF>> lines(m_drawing.layers.size());
    const auto layerOf = [&lines](int index) -> std::vector<QLineF>* {
        return index >= 0 && index < static_cast<int>(lines.size())
                   ? &lines[static_cast<std::size_t>(index)]
                   : nullptr;
    };
    for (const DxfLine& line : m_drawing.lines) {
        if (auto* layer = layerOf(line.layer))
            addPolyline(*layer, {line.from, line.to});
    }
    for (const DxfPolyline& polyline : m_drawing.polylines) {
        if (auto* layer = layerOf(polyline.layer))
            addPolyline(*layer, polylinePoints(polyline));
    }
    for (const DxfArc& arc : m_drawing.arcs) {
        if (auto* layer = layerOf(arc.layer))
            addPolyline(*layer, arcPoints(arc));
    }
    for (const DxfCircle& circle : m_drawing.circles) {
        if (auto* layer = layerOf(circle.layer))
            addPolyline(*layer, circlePoints(circle));
    }
    for (std::size_t i = 0; i < m_drawing.layers.size(); ++i) {
        const DxfLayer& source = m_drawing.layers[i];
        Layer& layer = m_layers.emplace_back(Layer{source.name, colourOf(source.colour), {}, {}});
        sortIntoCells(layer, lines[i]);
    }
    for (const DxfText& text : m_drawing.texts) {
        if (text.layer >= 0 && text.layer < static_cast<int>(m_layers.size()))
            m_layers[static_cast<std::size_t>(text.layer)].texts.push_back(text);
    }
}

void DxfPlan::sortIntoCells(Layer& layer, const std::vector<QLineF>& lines) const {
    if (lines.empty())
        return;
    layer.cells.resize(GridCells * GridCells);
    const double cellWidth = std::max(m_rect.width(), 1e-9) / GridCells;
    const double cellHeight = std::max(m_rect.height(), 1e-9) / GridCells;
    const auto index = [](double offset, double size) {
        return std::clamp(static_cast<int>(offset / size), 0, GridCells - 1);
    };
    for (const QLineF& line : lines) {
        const QPointF middle = line.center();
        Cell& cell = layer.cells[static_cast<std::size_t>(
            index(middle.y() - m_rect.top(), cellHeight) * GridCells +
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
    std::erase_if(layer.cells, [](const Cell& cell) { return cell.lines.empty(); });
}

void DxfPlan::paint(QPainter& painter, const QStringList& hidden) const {
    // What the painter's device shows, in the drawing's pixels.
    bool invertible = false;
    const QTransform toDrawing = painter.combinedTransform().inverted(&invertible);
    if (!invertible || !painter.device())
        return;
    const QRectF sight =
        toDrawing.mapRect(QRectF(0, 0, painter.device()->width(), painter.device()->height()));
    painter.save();
    // Thin lines drawn plainly: a plan of many of them draws several times faster so.
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont font = painter.font();
    font.setPixelSize(TextFontPixels);
    for (const Layer& layer : m_layers) {
        if (hidden.contains(layer.name, Qt::CaseInsensitive))
            continue;
        // A cosmetic pen: one screen pixel wide at any zoom.
        painter.setPen(QPen(layer.colour, 0));
        painter.setBrush(Qt::NoBrush);
        for (const Cell& cell : layer.cells) {
            if (cell.maxX >= sight.left() && cell.minX <= sight.right() &&
                cell.maxY >= sight.top() && cell.minY <= sight.bottom())
                painter.drawLines(cell.lines.data(), static_cast<int>(cell.lines.size()));
        }
        for (const DxfText& text : layer.texts)
            paintDxfText(painter, text, font);
    }
    painter.restore();
}

} // namespace vistaro
