// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dxf/dxfdrawing.h"

#include <QColor>
#include <QLineF>
#include <QPainterPath>
#include <QRectF>
#include <QStringList>
#include <vector>

class QPainter;

namespace vistaro {

// A DXF drawing made ready to draw: the segments of each layer, built once and sorted into the
// cells of a grid over the drawing, so that a plan of a few hundred thousand entities draws in a
// call per cell, and only the cells in sight when zoomed in. It draws in the
// background's pixels: drawing units with y turned over (see BackgroundScale).
class DxfPlan {
public:
    explicit DxfPlan(DxfDrawing drawing);

    const DxfDrawing& drawing() const { return m_drawing; }
    // The box around the whole drawing, every layer shown or not.
    QRectF rect() const { return m_rect; }
    // Draws the layers not named in `hidden` (compared ignoring case), each entity in its colour
    // (its layer's when it names none).
    void paint(QPainter& painter, const QStringList& hidden) const;

private:
    // The segments whose middle lies in one cell, and the box around all of them.
    struct Cell {
        std::vector<QLineF> lines;
        double minX = 0;
        double minY = 0;
        double maxX = 0;
        double maxY = 0;
    };
    // What a layer draws in one colour: lines, areas filled by the even-odd rule and points'
    // marks.
    struct Ink {
        QColor colour;
        std::vector<Cell> cells;
        std::vector<QPainterPath> fills;
        std::vector<QPointF> marks;
    };
    struct Layer {
        QString name;
        QColor colour;
        std::vector<Ink> inks;
        std::vector<DxfText> texts;
    };

    void sortIntoCells(std::vector<Cell>& cells, const std::vector<QLineF>& lines) const;

    DxfDrawing m_drawing;
    std::vector<Layer> m_layers;
    QRectF m_rect;
};

} // namespace vistaro
