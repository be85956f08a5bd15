// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "siteplan/dxfplan.h"

#include <QFont>
#include <QPainter>
#include <array>

namespace vistaro {

namespace {

// Pixel size of the font texts are drawn with before they are scaled to their height.
constexpr int TextFontPixels = 100;

QPointF flipped(QPointF point) {
    return {point.x(), -point.y()};
}

void addPolyline(QPainterPath& path, const std::vector<QPointF>& points) {
    if (points.empty())
        return;
    path.moveTo(flipped(points.front()));
    for (std::size_t i = 1; i < points.size(); ++i)
        path.lineTo(flipped(points[i]));
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
    for (const DxfLayer& layer : m_drawing.layers)
        m_layers.push_back({layer.name, colourOf(layer.colour), {}, {}});
    const auto layerOf = [this](int index) -> Layer* {
        return index >= 0 && index < static_cast<int>(m_layers.size())
                   ? &m_layers[static_cast<std::size_t>(index)]
                   : nullptr;
    };
    for (const DxfLine& line : m_drawing.lines) {
        if (Layer* layer = layerOf(line.layer))
            addPolyline(layer->lines, {line.from, line.to});
    }
    for (const DxfPolyline& polyline : m_drawing.polylines) {
        if (Layer* layer = layerOf(polyline.layer))
            addPolyline(layer->lines, polylinePoints(polyline));
    }
    for (const DxfArc& arc : m_drawing.arcs) {
        if (Layer* layer = layerOf(arc.layer))
            addPolyline(layer->lines, arcPoints(arc));
    }
    for (const DxfCircle& circle : m_drawing.circles) {
        if (Layer* layer = layerOf(circle.layer))
            addPolyline(layer->lines, circlePoints(circle));
    }
    for (const DxfText& text : m_drawing.texts) {
        if (Layer* layer = layerOf(text.layer))
            layer->texts.push_back(text);
    }
    const DxfBounds& bounds = m_drawing.bounds;
    if (!bounds.isEmpty())
        m_rect = QRectF(QPointF(bounds.minX, -bounds.maxY), QPointF(bounds.maxX, -bounds.minY));
}

void DxfPlan::paint(QPainter& painter, const QStringList& hidden) const {
    QFont font = painter.font();
    font.setPixelSize(TextFontPixels);
    for (const Layer& layer : m_layers) {
        if (hidden.contains(layer.name, Qt::CaseInsensitive))
            continue;
        // A cosmetic pen: one screen pixel wide at any zoom.
        painter.setPen(QPen(layer.colour, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(layer.lines);
        painter.setFont(font);
        for (const DxfText& text : layer.texts) {
            if (!(text.height > 0))
                continue;
            painter.save();
            painter.translate(flipped(text.position));
            painter.rotate(-text.angleDeg);
            const double scale = text.height / TextFontPixels;
            painter.scale(scale, scale);
            // Line after line downwards from the first base line.
            const QStringList lines = text.text.split(u'\n');
            const double advance = painter.fontMetrics().lineSpacing();
            for (qsizetype i = 0; i < lines.size(); ++i)
                painter.drawText(QPointF(0, static_cast<double>(i) * advance), lines.at(i));
            painter.restore();
        }
    }
}

} // namespace vistaro
